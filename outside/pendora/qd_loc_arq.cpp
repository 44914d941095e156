#include "outside/pendora/qd_loc_arq.h"

#include "outside/pendora/qd_texto_log.h"

namespace {

using namespace pendora::detail;

// One mark per accepted type, in list order.
CZTString MarcasTipDocs(const QD_LOCARQ_PS& ps) {
    CZTString lista;
    if (!ps.pPtrsTipDocs) return lista;
    const char marca[] = {kMarcaTipDocLog, '\0'};
    for (std::uint32_t i = 0; i < ps.nQtdTipDocs; ++i) lista.Acrescenta(", ", marca);
    return lista;
}

}  // namespace

CZTString CQDLocArq::ToStringLog() const {
    const QD_LOCARQ_PS& ps = GetPS();
    CZTString texto;
    AcrescentaCampoLog(texto, "Código", TextoDoCampoLog(ps.szCodigo));
    AcrescentaCampoLog(texto, "Descrição", TextoDoCampoLog(ps.szDescricao));
    AcrescentaCampoLog(texto, "Tipo", TextoGrupoLog(ps.dwFlags));
    AcrescentaCampoLog(texto, "Quantidade máxima", CZTString::Formata("%u", ps.nQtdMaximaDocs));
    AcrescentaCampoLog(texto, "Disponível", CZTString::Formata("%d", ps.nQtdDisponivel));
    AcrescentaCampoLog(texto, "Tipos de documento", MarcasTipDocs(ps));
    return texto;
}
