// The server stub of IZTQD_Srv, expanded from the interface description.
#include "server/idl/marshalling.h"

#include "platform/idl/stub.h"
#include "server/idl/method_table.h"

namespace server::idl {

std::unique_ptr<platform::com::CallTarget> CreateZTQD_SrvStub(platform::IUnknown* object) {
    return platform::idl::CreateStub<IZTQD_SrvMethods>(object);
}

}  // namespace server::idl
