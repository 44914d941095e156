// The thumbnail method of the server object.
#include "server/object/zt_qd_srv.h"

platform::HRESULT CZTQD_Srv::GetThumbnailsDoc(std::uint32_t, const std::uint32_t*, tagSIZE, QD_ARRAY_DOC_THUMBNAIL_PS*) {
    return platform::E_NOTIMPL;
}
