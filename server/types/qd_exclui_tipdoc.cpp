#include "server/types/qd_exclui_tipdoc.h"

#include "server/document/qd_doc_arq.h"
#include "server/idl/qd_status.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/types/qd_tipdoc_arq.h"
#include "server/types/qd_tipdoc_log.h"

#include <algorithm>
#include <limits>

namespace {

using platform::HRESULT;

// Whether a document that is not deleted has the type at `lPosTipDoc`, into `bEmUso`.
HRESULT TipoEmUso(IQDArqBind& bind, std::uint32_t lPosTipDoc, bool& bEmUso) {
    bEmUso = false;
    CQDArqT<QD_DOC_ARQ> documentos(bind);
    if (const int codigo = documentos.Open('L', true, true)) return QDHResultArq(codigo);
    const std::int64_t qtd =
        std::min<std::int64_t>(documentos.RecordCount(), std::numeric_limits<std::int32_t>::max());
    for (std::int64_t posicao = 1; posicao <= qtd; ++posicao) {
        QD_DOC_ARQ documento{};
        if (const int codigo = documentos.ReadRecord(static_cast<std::int32_t>(posicao), &documento)) {
            return QDHResultArq(codigo);
        }
        if (!(documento.dwFlags & QD_DOC_EXCLUIDO) && documento.lTipDoc == lPosTipDoc) {
            bEmUso = true;
            return platform::S_OK;
        }
    }
    return platform::S_OK;
}

// Steps 1 to 4 up to the log: the deleted record written and its entry in `lote`, or the status
// that kept the type.
HRESULT Exclui(IQDArqBind& bind, std::int32_t posicao, CQDBatchGravaLog& lote) {
    CQDArqT<QD_TIPDOC_ARQ> tipos(bind);
    if (const int codigo = tipos.Open('G', true, true)) return QDHResultArq(codigo);
    QD_TIPDOC_ARQ tipo{};
    if (const int codigo = tipos.ReadRecord(posicao, &tipo)) return QDHResultArq(codigo);
    if (tipo.dwFlags & QD_TIPDOC_GRUPO) return QD_S_TIPDOC_MANTIDO;
    bool bEmUso = false;
    if (const HRESULT hr = TipoEmUso(bind, static_cast<std::uint32_t>(posicao), bEmUso); platform::FAILED(hr)) {
        return hr;
    }
    if (bEmUso) return QD_S_TIPDOC_MANTIDO;

    tipo.dwFlags |= QD_TIPDOC_EXCLUIDO;
    if (const int codigo = tipos.WriteRecord(&tipo, posicao)) return QDHResultArq(codigo);
    return QDAdicionaLogTipDoc(lote, QD_OP_LOG_TIPDOC_EXCLUSAO, static_cast<std::uint32_t>(posicao), tipo, nullptr);
}

}  // namespace

HRESULT QDExcluiTipDoc(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t lPosTipDoc) {
    std::int32_t posicao = 0;
    if (const int codigo = QDPosicaoRegistro(lPosTipDoc, posicao)) return QDHResultArq(codigo);
    CQDBatchGravaLog lote;
    if (const HRESULT hr = Exclui(bind, posicao, lote); hr != platform::S_OK) return hr;
    CLocalConexaoGedSrv local(&srv);
    return local.GravaLog(lote);
}
