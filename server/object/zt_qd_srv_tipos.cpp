// The document-type methods of the server object (server/types).
#include "server/object/zt_qd_srv.h"

#include "server/types/qd_busca_ptrs_tipdoc.h"
#include "server/types/qd_exclui_tipdoc.h"
#include "server/types/qd_grava_tipdoc.h"
#include "server/types/qd_le_tipdoc.h"

platform::HRESULT CZTQD_Srv::LeTipDoc(std::uint32_t qtd, const std::uint32_t* pPos, QD_TIPDOC_PS* pTipDoc,
                                      std::uint32_t dwFlags) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDLeTipDoc(*this, qtd, pPos, pTipDoc, dwFlags);
}
platform::HRESULT CZTQD_Srv::GravaTipDoc(std::uint32_t* pPos, QD_TIPDOC_PS ps) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGravaTipDoc(*this, *this, pPos, ps);
}
platform::HRESULT CZTQD_Srv::BuscaPtrsTipDoc(QD_TIPDOC_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDBuscaPtrsTipDoc(*this, m_sessao.bAcessoTotal, m_sessao.iUsuario, m_sessao.iUsuarioPai, filtro, pRegPtrs);
}
platform::HRESULT CZTQD_Srv::ExcluiTipDoc(std::uint32_t lPosTipDoc) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDExcluiTipDoc(*this, *this, lPosTipDoc);
}
