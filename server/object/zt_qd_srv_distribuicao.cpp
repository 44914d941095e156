// The distribution-list methods of the server object.
#include "server/object/zt_qd_srv.h"

platform::HRESULT CZTQD_Srv::LeDistribuicao(std::uint32_t, QD_ARRAY_PONTEIROS_PS*, std::uint32_t) {
    return platform::E_NOTIMPL;
}
platform::HRESULT CZTQD_Srv::GravaDistribuicao(std::uint32_t*, QD_ARRAY_PONTEIROS_PS) { return platform::E_NOTIMPL; }
