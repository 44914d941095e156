#include "server/migrations/qd_migra_refaz_docs.h"

#include "server/document/qd_doc_arq.h"
#include "server/migrations/qd_reconstroi_arquivo.h"
#include "util/time/day_counts.h"
#include "util/time/zt_data1950.h"

#include <cstring>
#include <limits>

namespace {

using platform::HRESULT;

void ConverteDocumento(std::int32_t posicao, const std::uint8_t* origem, std::uint8_t* destino) {
    QD_DOC_ARQ doc{};
    std::memcpy(&doc, origem, sizeof doc);
    // Record 0 is the file's header, not a document.
    if (posicao > 0 && doc.iDataValidade != 0) doc.iDataValidade = QDValidadeDias1950(doc.iDataValidade);
    std::memcpy(destino, &doc, sizeof doc);
}

constexpr QDReconstrucao kReconstrucao{
    {QD_ARQ_DOC, QD_ARQ_DOC_BACKUP, QD_ARQ_DOC_TEMPORARIO, QD_ASSINATURA_DOC},
    sizeof(QD_DOC_ARQ),
    sizeof(QD_DOC_ARQ),
    &ConverteDocumento,
};

}  // namespace

std::uint16_t QDValidadeDias1950(std::uint16_t dataCurta) {
    const std::int32_t dias = ZTDataCurtaParaDiasBase(dataCurta, CZTData1950::ANO_BASE);
    if (dias < 1) return 1;
    if (dias > std::numeric_limits<std::uint16_t>::max()) return std::numeric_limits<std::uint16_t>::max();
    return static_cast<std::uint16_t>(dias);
}

HRESULT QDMigraRefazDocs(CQDContextoMigracao& contexto) {
    if (const std::int32_t codigo = contexto.Trava()) return QDHResultTrava(codigo);
    // Read again under the lock: another process may have rebuilt the file just before.
    QD_PROPRIEDADES_ARQ marcas{};
    if (const HRESULT hr = contexto.LeMarcas(marcas); platform::FAILED(hr)) return hr;
    if (marcas.bFlags & QD_MIGRACAO_REFAZ_DOCUMENTOS) return platform::S_OK;

    QDEstadoReconstrucao estado = QDEstadoReconstrucao::JaReconstruido;
    if (const HRESULT hr = QDReconstroiArquivo(contexto, kReconstrucao, estado); platform::FAILED(hr)) return hr;
    if (estado == QDEstadoReconstrucao::Reconstruido) {
        const platform::FileError erro = contexto.Operacoes().Exclui(contexto.Caminho(QD_ARQ_DOC_BACKUP));
        if (erro.Failed()) return QDHResultOperacao(erro);
    }
    return contexto.MarcaFlag(QD_MIGRACAO_REFAZ_DOCUMENTOS);
}
