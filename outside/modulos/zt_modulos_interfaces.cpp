// The proxies of the other modules' interfaces and the registration of their factories.
#include "outside/modulos/zt_modulos_interfaces.h"

#include "platform/com/proxy_stub.h"
#include "platform/idl/proxy.h"
#include "platform/idl/stub.h"

#include <mutex>

namespace {

KELVO_IDL_PROXY(IZTIntegracao, KELVO_IZTINTEGRACAO_METHODS)
KELVO_IDL_PROXY(IZTFinIntegracao, KELVO_IZTFININTEGRACAO_METHODS)
KELVO_IDL_PROXY(IZTCtbIntegracao, KELVO_IZTCTBINTEGRACAO_METHODS)
KELVO_IDL_PROXY(IZTCtbLancamentos, KELVO_IZTCTBLANCAMENTOS_METHODS)
KELVO_IDL_PROXY(IZTCmpPedidos, KELVO_IZTCMPPEDIDOS_METHODS)
KELVO_IDL_PROXY(IZTCmpContratos, KELVO_IZTCMPCONTRATOS_METHODS)

template <class Proxy, class Methods>
void Registra() {
    platform::com::RegisterProxyFactory(Methods::kIid, &platform::idl::CreateProxy<Proxy>);
    platform::com::RegisterStubFactory(Methods::kIid, &platform::idl::CreateStub<Methods>);
}

}  // namespace

void ZTRegistraInterfacesModulos() {
    static std::once_flag registrado;
    std::call_once(registrado, [] {
        Registra<IZTIntegracaoProxy, IZTIntegracaoMethods>();
        Registra<IZTFinIntegracaoProxy, IZTFinIntegracaoMethods>();
        Registra<IZTCtbIntegracaoProxy, IZTCtbIntegracaoMethods>();
        Registra<IZTCtbLancamentosProxy, IZTCtbLancamentosMethods>();
        Registra<IZTCmpPedidosProxy, IZTCmpPedidosMethods>();
        Registra<IZTCmpContratosProxy, IZTCmpContratosMethods>();
    });
}
