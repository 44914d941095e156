#include "server/document/qd_conteudo_doc.h"

#include "platform/file/file_operations.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/object/qd_arq_bind.h"
#include "server/record_file/qd_arq_t.h"
#include "server/session/qd_propriedades_arq.h"
#include "server/record_file/qd_resultado_arq.h"

namespace {

bool Ausente(platform::Win32Error erro) {
    return erro == platform::ERROR_FILE_NOT_FOUND || erro == platform::ERROR_PATH_NOT_FOUND;
}

}  // namespace

platform::HRESULT QDConteudoDaSessao(IQDArqBind& bind, CCrypto* pCrypto, QDConteudoSessao& conteudo) {
    CQDArqT<QD_PROPRIEDADES_ARQ> mestre(bind);
    QD_PROPRIEDADES_ARQ propriedades{};
    if (const int codigo = mestre.ReadOnce(mestre.GetCaminhoArquivo(), 0, &propriedades, sizeof propriedades)) {
        return QDHResultArq(codigo);
    }
    conteudo.strDiretorio = bind.GetDiretorio();
    conteudo.bUsaEncriptacao = propriedades.bUsaEncriptacao != 0;
    conteudo.pCrypto = pCrypto;
    return platform::S_OK;
}

platform::HRESULT QDApagaConteudoExistente(const char* diretorio, std::uint32_t lPosicao, std::string_view nomeOriginal) {
    const CZTString caminho = QDCaminhoConteudo(diretorio, lPosicao, nomeOriginal);
    if (caminho.IsEmpty()) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    const platform::Win32Error erro = platform::DeleteFile(caminho.GetString()).error;
    return Ausente(erro) ? platform::S_OK : platform::HResultFromWin32(erro);
}

platform::HRESULT QDRenomeiaConteudo(const char* diretorio, std::uint32_t lPosicao, std::string_view nomeAntigo,
                                     std::string_view nomeNovo) {
    const CZTString antigo = QDCaminhoConteudo(diretorio, lPosicao, nomeAntigo);
    const CZTString novo = QDCaminhoConteudo(diretorio, lPosicao, nomeNovo);
    if (antigo.IsEmpty() || novo.IsEmpty()) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    if (antigo == novo) return platform::S_OK;
    platform::Win32Error erro = platform::RenameFile(antigo.GetString(), novo.GetString()).error;
    if (erro == platform::ERROR_ALREADY_EXISTS) {
        if (const platform::Win32Error apagado = platform::DeleteFile(novo.GetString()).error) {
            return platform::HResultFromWin32(apagado);
        }
        erro = platform::RenameFile(antigo.GetString(), novo.GetString()).error;
    }
    return Ausente(erro) ? platform::S_OK : platform::HResultFromWin32(erro);
}
