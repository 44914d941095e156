// The document-link methods that follow the origins in the other modules.
#include "server/object/zt_qd_srv.h"

platform::HRESULT CZTQD_Srv::AdicionaVinculoDoc(QD_VINCULO_DOC_PS, REG_ZTDMC) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::BuscaVinculosDocByOrigem(std::uint32_t, const QD_ORIGEM_VINCULO_DOC_PS*,
                                                     QD_ARRAY_PONTEIROS_PS*) {
    return platform::E_NOTIMPL;
}
platform::HRESULT CZTQD_Srv::NotificaAlteracaoOrigem(QD_ORIGEM_VINCULO_DOC_PS, QD_DOC_PS, QD_DOC_PS) {
    return platform::E_NOTIMPL;
}
platform::HRESULT CZTQD_Srv::NotificaExclusaoOrigem(QD_ORIGEM_VINCULO_DOC_PS) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::AtualizaVinculoDoc(QD_ORIGEM_VINCULO_DOC_PS) { return platform::E_NOTIMPL; }
