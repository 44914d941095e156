#include "outside/pendora/qd_registra_interfaces.h"

#include "platform/com/proxy_stub.h"
#include "server/idl/guids.h"
#include "server/idl/marshalling.h"

#include <mutex>

void QDRegistraInterfacesPendora() {
    static std::once_flag registrado;
    std::call_once(registrado,
                   [] { platform::com::RegisterProxyFactory(IID_IZTQD_Srv, &server::idl::CreateZTQD_SrvProxy); });
}
