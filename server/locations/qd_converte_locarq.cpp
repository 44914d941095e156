#include "server/locations/qd_converte_locarq.h"

#include "server/locations/qd_busca_ptrs_locarq.h"
#include "server/locations/qd_filtro_locarq.h"
#include "server/locations/qd_le_locarq.h"
#include "server/locations/qd_locarq_conversao.h"
#include "server/locations/qd_locarq_resultado.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/locations/qd_mascara_locarq.h"
#include "server/locations/qd_recodifica_codigo.h"
#include "server/record_file/qd_arq_t.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Re-codes the location at `lPosicao` to `mascara`; rewrites it only when its code changed.
int ConverteLocal(CZTArqEx& locais, std::uint32_t lPosicao, const std::string& mascara) {
    QD_LOCARQ_ARQ arq{};
    if (const int codigo = QDLeRegistroLocArq(locais, lPosicao, arq)) return codigo;
    QD_LOCARQ_ARQ convertido = arq;
    QDDefineCodigoLocArq(convertido, QDRecodificaCodigo(QDCodigoLocArq(arq), mascara));
    if (std::memcmp(convertido.szCodigo, arq.szCodigo, sizeof arq.szCodigo) == 0) return 0;
    std::int32_t posicao = QDPosicaoArqLocArq(lPosicao);
    return locais.WriteRecord(&convertido, posicao);
}

}  // namespace

platform::HRESULT QDConverteLocArq(IQDArqBind& bind, const std::uint32_t* pPosMascara) {
    if (!pPosMascara) return platform::E_POINTER;
    CQDArqT<QD_LOCARQ_ARQ> locais(bind);
    if (const int codigo = locais.Open('G', true)) return QDHResultArq(codigo);
    QD_LOCARQ_MSC_PS mascara{};
    if (const platform::HRESULT hr = QDLeMascaraLocArq(bind, 1, pPosMascara, &mascara); platform::FAILED(hr)) {
        return hr;
    }

    QD_LOCARQ_FILTRO_PS filtro{};
    filtro.dwFlags = QD_FILTRO_LOCARQ_DO_GRUPO;
    filtro.lPosGrupo = *pPosMascara;
    std::vector<std::uint32_t> posicoes;
    if (const int codigo = QDBuscaPosicoesLocArq(bind, filtro, posicoes)) return QDHResultArq(codigo);
    const std::string texto(QDTextoCampoLocArq(mascara.szCodigo, sizeof mascara.szCodigo));
    for (const std::uint32_t posicao : posicoes) {
        if (const int codigo = ConverteLocal(locais, posicao, texto)) return QDHResultArq(codigo);
    }
    return QDHResultArq(locais.CloseEx());
}
