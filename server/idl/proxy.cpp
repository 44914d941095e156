// The client proxy of IZTQD_Srv, expanded from the interface description.
#include "server/idl/marshalling.h"

#include "platform/idl/proxy.h"
#include "server/idl/method_table.h"

#include <utility>

namespace {

KELVO_IDL_PROXY(IZTQD_Srv, KELVO_IZTQD_SRV_METHODS)

}  // namespace

namespace server::idl {

platform::HRESULT CreateZTQD_SrvProxy(std::unique_ptr<platform::com::CallChannel> channel, void** object) {
    return platform::idl::CreateProxy<IZTQD_SrvProxy>(std::move(channel), object);
}

}  // namespace server::idl
