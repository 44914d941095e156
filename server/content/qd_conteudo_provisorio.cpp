#include "server/content/qd_conteudo_provisorio.h"

#include "platform/file/folder_list.h"
#include "util/file/zt_path.h"

#include <string_view>
#include <vector>

using platform::HRESULT;

namespace {

constexpr std::string_view kSufixoNovo = ".novo";
constexpr std::string_view kSufixoAntigo = ".antigo";

// `caminho` with its file name made hidden and marked with `sufixo`.
CZTString Provisorio(const CZTString& caminho, std::string_view sufixo) {
    const CZTString nome = "." + ZTExtraiNomeArquivo(caminho) + CZTString(sufixo);
    return ZTConcatenaPath(ZTExtraiDiretorio(caminho), nome);
}

HRESULT HrDe(const platform::FileError& erro) {
    return erro.Failed() ? platform::HResultFromWin32(erro.error) : platform::S_OK;
}

// The final name that the temporary name `nome` stands for with `sufixo`; empty when it is no
// such name.
std::string_view NomeFinal(std::string_view nome, std::string_view sufixo) {
    if (nome.size() <= 1 + sufixo.size() || nome.front() != '.' || !nome.ends_with(sufixo)) return {};
    return nome.substr(1, nome.size() - 1 - sufixo.size());
}

// One leftover: the new content of a save that never got its record goes; an old content comes
// back when the crash took its place.
HRESULT LimpaSobra(IQDOperacoesArquivo& operacoes, const char* pasta, std::string_view nome) {
    const CZTString caminho = ZTConcatenaPath(pasta, CZTString(nome));
    if (!NomeFinal(nome, kSufixoNovo).empty()) return HrDe(operacoes.Exclui(caminho));
    const std::string_view nomeFinal = NomeFinal(nome, kSufixoAntigo);
    if (nomeFinal.empty()) return platform::S_OK;
    const CZTString original = ZTConcatenaPath(pasta, CZTString(nomeFinal));
    if (!operacoes.Existe(original)) return HrDe(operacoes.Renomeia(caminho, original));
    return HrDe(operacoes.Exclui(caminho));
}

}  // namespace

CZTString QDCaminhoConteudoNovo(const CZTString& caminho) { return Provisorio(caminho, kSufixoNovo); }

CZTString QDCaminhoConteudoAntigo(const CZTString& caminho) { return Provisorio(caminho, kSufixoAntigo); }

HRESULT QDPoeConteudoNoLugar(IQDOperacoesArquivo& operacoes, const CZTString& novo, const CZTString& caminho) {
    const platform::FileError direto = operacoes.Renomeia(novo, caminho);
    if (direto.error != platform::ERROR_ALREADY_EXISTS) return HrDe(direto);
    const CZTString antigo = QDCaminhoConteudoAntigo(caminho);
    if (const platform::FileError erro = operacoes.Renomeia(caminho, antigo); erro.Failed()) return HrDe(erro);
    if (const platform::FileError erro = operacoes.Renomeia(novo, caminho); erro.Failed()) {
        (void)operacoes.Renomeia(antigo, caminho);  // a failure here is mended at the next start
        return HrDe(erro);
    }
    return HrDe(operacoes.Exclui(antigo));
}

HRESULT QDLimpaConteudosProvisorios(IQDOperacoesArquivo& operacoes, const char* pastaConteudos) {
    std::vector<platform::FolderEntry> entradas;
    const platform::FileError listagem = platform::ListFolder(pastaConteudos ? pastaConteudos : "", entradas);
    if (listagem.error == platform::ERROR_PATH_NOT_FOUND) return platform::S_OK;
    if (listagem.Failed()) return HrDe(listagem);
    for (const platform::FolderEntry& entrada : entradas) {
        if (entrada.isFolder || !entrada.hidden) continue;
        if (const HRESULT hr = LimpaSobra(operacoes, pastaConteudos, entrada.name.view()); platform::FAILED(hr)) {
            return hr;
        }
    }
    return platform::S_OK;
}
