// The proxies of the other modules' interfaces and the registration of their factories.
#include "outside/modulos/zt_modulos_interfaces.h"

#include "platform/com/proxy_stub.h"

#include <mutex>

namespace {

KELVO_MODULO_PROXY(IZTIntegracao, KELVO_IZTINTEGRACAO_METHODS)
KELVO_MODULO_PROXY(IZTFinIntegracao, KELVO_IZTFININTEGRACAO_METHODS)
KELVO_MODULO_PROXY(IZTCtbIntegracao, KELVO_IZTCTBINTEGRACAO_METHODS)
KELVO_MODULO_PROXY(IZTCtbLancamentos, KELVO_IZTCTBLANCAMENTOS_METHODS)
KELVO_MODULO_PROXY(IZTCmpPedidos, KELVO_IZTCMPPEDIDOS_METHODS)
KELVO_MODULO_PROXY(IZTCmpContratos, KELVO_IZTCMPCONTRATOS_METHODS)

template <class Proxy, class Metodos>
void Registra() {
    platform::com::RegisterProxyFactory(Metodos::kIid, &modulos::CriaProxy<Proxy>);
    platform::com::RegisterStubFactory(Metodos::kIid, &modulos::CriaStub<Metodos>);
}

}  // namespace

void ZTRegistraInterfacesModulos() {
    static std::once_flag registrado;
    std::call_once(registrado, [] {
        Registra<IZTIntegracaoProxy, IZTIntegracaoMetodos>();
        Registra<IZTFinIntegracaoProxy, IZTFinIntegracaoMetodos>();
        Registra<IZTCtbIntegracaoProxy, IZTCtbIntegracaoMetodos>();
        Registra<IZTCtbLancamentosProxy, IZTCtbLancamentosMetodos>();
        Registra<IZTCmpPedidosProxy, IZTCmpPedidosMetodos>();
        Registra<IZTCmpContratosProxy, IZTCmpContratosMetodos>();
    });
}
