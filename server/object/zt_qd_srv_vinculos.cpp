// The document-link methods that follow the origins in the other modules.
#include "server/object/zt_qd_srv.h"

#include "server/links/qd_adiciona_vinculo.h"
#include "server/links/qd_busca_vinculos.h"
#include "server/links/qd_notifica_origem.h"
#include "server/links/qd_sessao_vinculos.h"

platform::HRESULT CZTQD_Srv::AdicionaVinculoDoc(QD_VINCULO_DOC_PS vinculo, REG_ZTDMC dmc) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDAdicionaVinculoDoc(QDSessaoVinculosDe(*this), vinculo, dmc);
}

platform::HRESULT CZTQD_Srv::BuscaVinculosDocByOrigem(std::uint32_t qtd, const QD_ORIGEM_VINCULO_DOC_PS* origem,
                                                     QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDBuscaVinculosDocByOrigem(*this, QDSessaoVinculosDe(*this).acesso, qtd, origem, pRegPtrs);
}

platform::HRESULT CZTQD_Srv::NotificaAlteracaoOrigem(QD_ORIGEM_VINCULO_DOC_PS origem, QD_DOC_PS newVal, QD_DOC_PS oldVal) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDNotificaAlteracaoOrigem(QDSessaoVinculosDe(*this), origem, newVal, oldVal);
}

platform::HRESULT CZTQD_Srv::NotificaExclusaoOrigem(QD_ORIGEM_VINCULO_DOC_PS origem) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDNotificaExclusaoOrigem(QDSessaoVinculosDe(*this), origem);
}

platform::HRESULT CZTQD_Srv::AtualizaVinculoDoc(QD_ORIGEM_VINCULO_DOC_PS origem) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDAtualizaVinculoDoc(QDSessaoVinculosDe(*this), origem);
}
