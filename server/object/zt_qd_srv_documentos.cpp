// The document and document-link methods of the server object.
#include "server/object/zt_qd_srv.h"

#include "server/document/qd_exclui_doc.h"
#include "server/document/qd_grava_doc.h"
#include "server/document/qd_le_doc.h"
#include "server/links/qd_exclui_vinculos.h"

platform::HRESULT CZTQD_Srv::LeDoc(std::uint32_t qtd, const std::uint32_t* pPos, QD_DOC_PS* pDoc, std::uint32_t dwFlags) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDLeDoc(QDSessaoDocsDe(*this), qtd, pPos, pDoc, dwFlags);
}

platform::HRESULT CZTQD_Srv::GravaDoc(std::uint32_t* pPos, QD_DOC_PS ps, std::uint32_t dwFlags) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGravaDoc(QDSessaoDocsDe(*this), pPos, ps, dwFlags);
}

platform::HRESULT CZTQD_Srv::ExcluiDoc(std::uint32_t qtd, const std::uint32_t* pPos) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDExcluiDoc(QDSessaoDocsDe(*this), qtd, pPos);
}

platform::HRESULT CZTQD_Srv::ExcluiVinculoDoc(std::uint32_t qtd, const QD_VINCULO_DOC_PS* pVinculos) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDExcluiVinculoDoc(*this, qtd, pVinculos);
}
