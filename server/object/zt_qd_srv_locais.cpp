// The archive-location and mask methods of the server object: each hands its work to the
// location area (server/locations/) with the session it needs.
#include "server/object/zt_qd_srv.h"

#include "server/locations/qd_busca_ptrs_locarq.h"
#include "server/locations/qd_calcular_qtd_docs.h"
#include "server/locations/qd_converte_locarq.h"
#include "server/locations/qd_exclui_locarq.h"
#include "server/locations/qd_grava_locarq.h"
#include "server/locations/qd_le_locarq.h"
#include "server/locations/qd_mascara_locarq.h"

platform::HRESULT CZTQD_Srv::LeLocArq(std::uint32_t qtd, const std::uint32_t* pPos, QD_LOCARQ_PS* pLocArq,
                                      std::uint32_t dwFlags) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDLeLocArq(*this, qtd, pPos, pLocArq, dwFlags);
}

platform::HRESULT CZTQD_Srv::GravaLocArq(std::uint32_t* pPos, QD_LOCARQ_PS ps) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGravaLocArq(*this, *this, pPos, ps);
}

platform::HRESULT CZTQD_Srv::BuscaPtrsLocArq(QD_LOCARQ_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDBuscaPtrsLocArq(*this, filtro, pRegPtrs);
}

platform::HRESULT CZTQD_Srv::ExcluiLocArq(std::uint32_t lPosLocArq) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDExcluiLocArq(lPosLocArq);
}

platform::HRESULT CZTQD_Srv::CalcularQtdDocs() {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDCalcularQtdDocs(*this, m_sessao.strEmpresa.GetString(), m_sessao.iUsuario, m_sessao.lNumeroSessao);
}

platform::HRESULT CZTQD_Srv::LeMascaraLocArq(std::uint32_t iQtd, const std::uint32_t* lPosGrupo,
                                             QD_LOCARQ_MSC_PS* qdLocArqMasc) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDLeMascaraLocArq(*this, iQtd, lPosGrupo, qdLocArqMasc);
}

platform::HRESULT CZTQD_Srv::GravaMascaraLocArq(std::uint32_t* pPos, QD_LOCARQ_MSC_PS qdLocArqMasc) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGravaMascaraLocArq(*this, pPos, qdLocArqMasc);
}

platform::HRESULT CZTQD_Srv::ConverteLocArq(const std::uint32_t* pPosMascara) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDConverteLocArq(*this, pPosMascara);
}
