#include "server/content/qd_lista_conteudos.h"

#include "platform/file/folder_list.h"

#include <algorithm>

platform::HRESULT CQDConteudosDaPasta::ListaConteudos(std::vector<CZTString>& nomes) {
    nomes.clear();
    std::vector<platform::FolderEntry> entradas;
    const platform::FileError erro = platform::ListFolder(m_strPasta, entradas);
    if (erro.error == platform::ERROR_PATH_NOT_FOUND) return platform::S_OK;
    if (erro.Failed()) return platform::HResultFromWin32(erro.error);
    for (const platform::FolderEntry& entrada : entradas) {
        if (!entrada.isFolder && !entrada.hidden) nomes.emplace_back(entrada.name);
    }
    std::sort(nomes.begin(), nomes.end());
    return platform::S_OK;
}
