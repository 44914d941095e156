#include "server/document/qd_conteudo_doc.h"

#include "platform/file/file_operations.h"
#include "platform/file/folder_list.h"
#include "platform/text/codepage.h"
#include "server/content/qd_conteudo_provisorio.h"
#include "server/content/qd_evento_conteudo.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/content/qd_vigia_docs.h"
#include "server/migrations/qd_sobras_conversao.h"
#include "server/object/qd_arq_bind.h"
#include "server/record_file/qd_arq_t.h"
#include "server/session/qd_propriedades_arq.h"
#include "server/record_file/qd_resultado_arq.h"
#include "util/file/zt_path.h"

#include <vector>

namespace {

bool Ausente(platform::Win32Error erro) {
    return erro == platform::ERROR_FILE_NOT_FOUND || erro == platform::ERROR_PATH_NOT_FOUND;
}

// Whether `nome` is one a document of the stem `radical` (with its dot) could name: the stem, then
// an extension without a dot. Names with a further dot are kept copies, never a content.
bool DaPosicao(std::string_view nome, std::string_view radical) {
    return nome.starts_with(radical) && nome.find('.', radical.size()) == std::string_view::npos;
}

void RegistraGuardado(const CZTString& caminho, const CZTString& guardado) {
    const CZTString formato(platform::AnsiFromUtf8(
        "O arquivo \"%s\" não pertence a nenhum documento e foi guardado como \"%s\"."));
    QDRegistraEventoConteudo(platform::EVENTLOG_WARNING_TYPE,
                             CZTString::Formata(formato, caminho.GetString(), guardado.GetString()));
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

platform::HRESULT QDCopiaConteudo(const char* diretorio, std::uint32_t lPosicao, std::string_view nomeAntigo,
                                  std::string_view nomeNovo) {
    const CZTString antigo = QDCaminhoConteudo(diretorio, lPosicao, nomeAntigo);
    const CZTString novo = QDCaminhoConteudo(diretorio, lPosicao, nomeNovo);
    if (antigo.IsEmpty() || novo.IsEmpty()) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    if (antigo == novo) return platform::S_OK;
    const CZTString provisorio = QDCaminhoConteudoNovo(novo);
    const platform::Win32Error erro = platform::CopyFile(antigo, provisorio, false).error;
    if (Ausente(erro)) return platform::S_OK;
    if (erro != platform::ERROR_SUCCESS) return platform::HResultFromWin32(erro);
    return QDPoeConteudoNoLugar(QDOperacoesArquivoPadrao(), provisorio, novo);
}

platform::HRESULT QDGuardaConteudosDaPosicao(const char* diretorio, std::uint32_t lPosicao) {
    const CZTString pasta = QDPastaConteudos(diretorio);
    // The folder holds a file per document: listed only when a file of this position may be there.
    if (!QDVigiaDocs().PodeTerArquivo(pasta, lPosicao)) return platform::S_OK;
    std::vector<platform::FolderEntry> entradas;
    const platform::FileError listagem = platform::ListFolder(pasta, entradas);
    if (listagem.error == platform::ERROR_PATH_NOT_FOUND) return platform::S_OK;
    if (listagem.Failed()) return platform::HResultFromWin32(listagem.error);
    const CZTString radical = QDRadicalConteudo(lPosicao) + ".";
    for (const platform::FolderEntry& entrada : entradas) {
        if (entrada.isFolder || !DaPosicao(entrada.name.view(), radical.view())) continue;
        const CZTString caminho = ZTConcatenaPath(pasta, entrada.name);
        CZTString guardado;
        const platform::FileError erro = QDGuardaSobra(QDOperacoesArquivoPadrao(), caminho, guardado);
        if (erro.Failed()) return platform::HResultFromWin32(erro.error);
        RegistraGuardado(caminho, guardado);
    }
    return platform::S_OK;
}
