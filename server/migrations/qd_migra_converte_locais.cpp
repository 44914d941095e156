#include "server/migrations/qd_migra_converte_locais.h"

#include "server/migrations/qd_locarq_antigo.h"
#include "server/locations/qd_mascaras_iniciais.h"
#include "server/migrations/qd_reconstroi_arquivo.h"
#include "server/record_file/qd_arq_t.h"
#include "server/session/qd_locarq_msc_arq.h"
#include "server/record_file/qd_resultado_arq.h"

#include <cstring>

namespace {

using platform::HRESULT;

void ConverteLocal(std::int32_t, const std::uint8_t* origem, std::uint8_t* destino) {
    QD_LOCARQ_ARQ_1 antigo{};
    std::memcpy(&antigo, origem, sizeof antigo);
    const QD_LOCARQ_ARQ novo = QDLocArqDeLocArq1(antigo);
    std::memcpy(destino, &novo, sizeof novo);
}

constexpr QDReconstrucao kReconstrucao{
    {QD_ARQ_LOCARQ, QD_ARQ_LOCARQ_ANTIGO, QD_ARQ_LOCARQ_NOVO, QD_ASSINATURA_LOCARQ},
    sizeof(QD_LOCARQ_ARQ_1),
    sizeof(QD_LOCARQ_ARQ),
    &ConverteLocal,
};

int CriaMascaras(IQDArqBind& bind) {
    CQDArqT<QD_LOCARQ_MSC_ARQ> mascaras(bind);
    if (const int codigo = mascaras.Open('C', false, true)) return codigo;
    if (const int codigo = QDGravaMascarasIniciais(mascaras)) return codigo;
    return mascaras.CloseEx();
}

}  // namespace

HRESULT QDMigraConverteLocais(CQDContextoMigracao& contexto) {
    if (const std::int32_t codigo = contexto.Trava()) return QDHResultTrava(codigo);
    // Read again under the lock: another process may have converted the file just before.
    QD_PROPRIEDADES_ARQ marcas{};
    if (const HRESULT hr = contexto.LeMarcas(marcas); platform::FAILED(hr)) return hr;
    if (marcas.iVersaoSistema != 0) return platform::S_OK;

    QDEstadoReconstrucao estado = QDEstadoReconstrucao::JaReconstruido;
    if (const HRESULT hr = QDReconstroiArquivo(contexto, kReconstrucao, estado); platform::FAILED(hr)) return hr;
    if (const int codigo = CriaMascaras(contexto.Bind())) return QDHResultArq(codigo);
    return contexto.MarcaVersaoSistema();
}
