#include "server/locations/qd_mascara_locarq.h"

#include "server/locations/qd_locarq_conversao.h"
#include "server/locations/qd_locarq_resultado.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/session/qd_locarq_msc_arq.h"

#include <cstring>
#include <vector>

platform::HRESULT QDLeMascaraLocArq(IQDArqBind& bind, std::uint32_t iQtd, const std::uint32_t* lPosGrupo,
                                    QD_LOCARQ_MSC_PS* qdLocArqMasc) {
    if (iQtd != 0 && (!lPosGrupo || !qdLocArqMasc)) return platform::E_POINTER;
    CQDArqT<QD_LOCARQ_MSC_ARQ> mascaras(bind);
    if (const int codigo = mascaras.Open('L', true)) return QDHResultArq(codigo);
    std::vector<QD_LOCARQ_MSC_PS> lidas(iQtd);
    for (std::uint32_t i = 0; i < iQtd; ++i) {
        QD_LOCARQ_MSC_ARQ arq{};
        if (const int codigo = mascaras.ReadRecord(QDPosicaoArqLocArq(lPosGrupo[i]), &arq)) {
            return QDHResultArq(codigo);
        }
        QD_LOCARQ_MSC_PS& ps = lidas[i];
        ps.lPosicao = arq.lPosicao;
        QDCopiaTextoLocArq(ps.szCodigo, sizeof ps.szCodigo, QDTextoCampoLocArq(arq.szMascara, sizeof arq.szMascara));
    }
    if (iQtd != 0) std::memcpy(qdLocArqMasc, lidas.data(), lidas.size() * sizeof(QD_LOCARQ_MSC_PS));
    return platform::S_OK;
}

platform::HRESULT QDGravaMascaraLocArq(IQDArqBind& bind, std::uint32_t* pPos, const QD_LOCARQ_MSC_PS& mascara) {
    if (!pPos) return platform::E_POINTER;
    QD_LOCARQ_MSC_ARQ arq{};
    arq.lPosicao = mascara.lPosicao;
    QDCopiaTextoLocArq(arq.szMascara, sizeof arq.szMascara,
                       QDTextoCampoLocArq(mascara.szCodigo, sizeof mascara.szCodigo));
    CQDArqT<QD_LOCARQ_MSC_ARQ> mascaras(bind);
    if (const int codigo = mascaras.Open('G', true)) return QDHResultArq(codigo);
    // The position an append took is not handed back: *pPos stays as the caller gave it.
    std::int32_t posicao = QDPosicaoArqLocArq(*pPos);
    if (const int codigo = mascaras.WriteRecord(&arq, posicao)) return QDHResultArq(codigo);
    return QDHResultArq(mascaras.CloseEx());
}
