#include "server/object/qd_diretorio_docs.h"

#include "platform/file/file_status.h"
#include "platform/file/folder.h"
#include "server/content/qd_conteudo_provisorio.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/document/qd_doc_arq.h"
#include "server/record_file/qd_arq_t.h"

CZTString QDDiretorioDocs(const char* diretorioDados) { return QDPastaConteudos(diretorioDados); }

platform::HRESULT QDCriaDiretorioDocs(const char* diretorioDados) {
    const CZTString pasta = QDDiretorioDocs(diretorioDados);
    if (pasta.IsEmpty()) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    const platform::FileError criacao = platform::CreateFolder(pasta);
    if (!criacao.Failed()) return platform::S_OK;
    if (criacao.error != platform::ERROR_ALREADY_EXISTS) return platform::HResultFromWin32(criacao.error);
    // The name may be taken by a file, where no content could ever be stored.
    platform::FileStatus estado;
    const bool ehPasta = platform::GetFileStatus(pasta, estado) == platform::ERROR_SUCCESS &&
                         (estado.m_attribute & platform::FileStatus::directory) != 0;
    return ehPasta ? platform::S_OK : platform::HResultFromWin32(platform::ERROR_ALREADY_EXISTS);
}

platform::HRESULT QDLimpaDiretorioDocs(IQDArqBind& bind) {
    CQDArqT<QD_DOC_ARQ> docs(bind);
    if (docs.Open('G', false, true) != 0) return platform::S_OK;
    return QDLimpaConteudosProvisorios(QDOperacoesArquivoPadrao(), QDDiretorioDocs(bind.GetDiretorio()));
}
