#include "server/migrations/qd_migra_usuarios_log.h"

#include "server/document/qd_doc_arq.h"
#include "server/log/qd_le_log.h"
#include "server/migrations/qd_contexto_migracao.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"

#include <vector>

namespace {

using platform::HRESULT;

int AplicaEntrada(CZTArqEx& documentos, std::int64_t quantidade, const QD_LOG_PS& log) {
    const bool bInclusao = log.eOperacao == QD_OP_LOG_DOC_INCLUSAO;
    if (!bInclusao && log.eOperacao != QD_OP_LOG_DOC_ALTERACAO_PARA) return 0;
    if (log.lPosicao == 0 || log.lPosicao > quantidade) return 0;
    std::int32_t posicao = static_cast<std::int32_t>(log.lPosicao);
    QD_DOC_ARQ doc{};
    if (const int codigo = documentos.ReadRecord(posicao, &doc)) return codigo;
    if (bInclusao) {
        doc.iUsuarioIncluiu = log.iUsuario;
    } else {
        doc.iUsuarioAlterou = log.iUsuario;
    }
    return documentos.WriteRecord(&doc, posicao);
}

}  // namespace

HRESULT QDMigraUsuariosLog(CQDContextoMigracao& contexto) {
    QD_PROPRIEDADES_ARQ marcas{};
    if (const HRESULT hr = contexto.LeMarcas(marcas); platform::FAILED(hr)) return hr;
    if (marcas.bFlags & QD_MIGRACAO_USUARIOS_LOG) return platform::S_OK;

    std::vector<CQDLogEntrada> entradas;
    if (const HRESULT hr = QDLeLog(contexto.Pasta(), entradas); platform::FAILED(hr)) return hr;
    CQDArqT<QD_DOC_ARQ> documentos(contexto.Bind());
    if (const int codigo = documentos.Open('G', true, true)) return QDHResultArq(codigo);
    const std::int64_t quantidade = documentos.RecordCount();
    for (const CQDLogEntrada& entrada : entradas) {
        if (const int codigo = AplicaEntrada(documentos, quantidade, entrada.GetLog())) return QDHResultArq(codigo);
    }
    if (const int codigo = documentos.CloseEx()) return QDHResultArq(codigo);
    return contexto.MarcaFlag(QD_MIGRACAO_USUARIOS_LOG);
}
