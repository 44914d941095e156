// The document search methods of the server object.
#include "server/object/zt_qd_srv.h"

platform::HRESULT CZTQD_Srv::BuscaPtrsDoc(QD_DOC_FILTRO_PS, QD_ARRAY_PONTEIROS_PS*) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::BuscaRapida(platform::BSTR, std::int32_t, QD_ARRAY_PONTEIROS_PS*) {
    return platform::E_NOTIMPL;
}
