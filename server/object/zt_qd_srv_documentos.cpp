// The document and document-link methods of the server object.
#include "server/object/zt_qd_srv.h"

platform::HRESULT CZTQD_Srv::LeDoc(std::uint32_t, const std::uint32_t*, QD_DOC_PS*, std::uint32_t) {
    return platform::E_NOTIMPL;
}
platform::HRESULT CZTQD_Srv::GravaDoc(std::uint32_t*, QD_DOC_PS, std::uint32_t) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::ExcluiDoc(std::uint32_t, const std::uint32_t*) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::ExcluiVinculoDoc(std::uint32_t, const QD_VINCULO_DOC_PS*) { return platform::E_NOTIMPL; }
