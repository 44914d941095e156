#include "outside/geralis/caminhos_relatorio.h"

#include "outside/geralis/geralis_definicoes.h"
#include "platform/file/file_temp.h"
#include "util/config/folders.h"
#include "util/file/zt_path.h"

#include <cstring>

namespace {

// A name that stays one entry of its folder: no way up, across or out of it.
bool NomeSeguro(const char* nome) {
    if (nome == nullptr || *nome == '\0' || *nome == '.') return false;
    const size_t tamanho = strnlen(nome, GERALIS_NOME_MAXIMO + 1);
    if (tamanho > static_cast<size_t>(GERALIS_NOME_MAXIMO)) return false;
    for (size_t i = 0; i < tamanho; ++i) {
        const auto c = static_cast<unsigned char>(nome[i]);
        if (c == '/' || c < 0x20 || c == 0x7F) return false;
    }
    return true;
}

}  // namespace

platform::HRESULT GeralisCaminhoModelo(const char* szPrefixo, const char* szComponente, const char* szModelo,
                                       CZTString& strCaminho) {
    if (!NomeSeguro(szPrefixo) || !NomeSeguro(szComponente) || !NomeSeguro(szModelo)) return GERALIS_E_ARGUMENTO;
    CZTString pasta;
    if (ZTBuscaDiretorioRelatorios(pasta) != 0 || pasta.IsEmpty()) return platform::HResultFromMessage(ZT_MSG_DIRETORIO_AUSENTE);
    const CZTString modulo = ZTConcatenaPath(pasta, szPrefixo);
    const CZTString relatorio = ZTConcatenaPath(modulo, szComponente);
    strCaminho = ZTConcatenaPath(relatorio, CZTString(szModelo) + ".txt");
    return platform::S_OK;
}

platform::HRESULT GeralisCaminhoSaida(const char* szArquivo, CZTString& strCaminho) {
    if (szArquivo == nullptr || *szArquivo == '\0') return GERALIS_E_ARGUMENTO;
    const CZTString arquivo(szArquivo);
    if (arquivo.GetAt(arquivo.GetLength() - 1) == '/') return GERALIS_E_ARGUMENTO;
    strCaminho = arquivo.Find('/') < 0 ? ZTConcatenaPath(platform::TempFolder(), arquivo) : arquivo;
    return platform::S_OK;
}
