// The document-type methods of the server object.
#include "server/object/zt_qd_srv.h"

platform::HRESULT CZTQD_Srv::LeTipDoc(std::uint32_t, const std::uint32_t*, QD_TIPDOC_PS*, std::uint32_t) {
    return platform::E_NOTIMPL;
}
platform::HRESULT CZTQD_Srv::GravaTipDoc(std::uint32_t*, QD_TIPDOC_PS) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::BuscaPtrsTipDoc(QD_TIPDOC_FILTRO_PS, QD_ARRAY_PONTEIROS_PS*) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::ExcluiTipDoc(std::uint32_t) { return platform::E_NOTIMPL; }
