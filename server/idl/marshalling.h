// The two ends of IZTQD_Srv that the transport joins: the client's proxy and the server's stub.
//
// Both are generated from the interface description (iztqd_srv.h) and meet only through the
// call-channel seam (platform/com/channel.h). The transport registers these factories for
// IID_IZTQD_Srv; it knows nothing of methods or records. What each end does with a call, and
// the failures it reports, are those of every described interface: platform/idl/proxy.h and
// platform/idl/stub.h.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/unknown.h"

#include <memory>

namespace server::idl {

// Sets *object to a new proxy for IZTQD_Srv (one reference) that sends its calls through
// `channel`, which it owns and destroys with its last reference. S_OK; E_POINTER for a null
// `object`; E_INVALIDARG for a null channel (*object is then null).
[[nodiscard]] platform::HRESULT CreateZTQD_SrvProxy(std::unique_ptr<platform::com::CallChannel> channel,
                                                    void** object);

// A stub that runs calls on `object`'s IZTQD_Srv, holding one reference to it while the stub
// lives; null when `object` is null or does not offer IZTQD_Srv.
[[nodiscard]] std::unique_ptr<platform::com::CallTarget> CreateZTQD_SrvStub(platform::IUnknown* object);

}  // namespace server::idl
