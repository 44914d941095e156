#include "server/links/qd_servidores_modulos.h"

#include "util/com/zt_cria_instancia.h"

#include <array>

namespace {

struct ClasseModulo {
    const platform::CLSID& clsid;
    const platform::IID& iid;
};

// Row i is index i.
const std::array<ClasseModulo, 6> kClasses = {{
    {CLSID_ZTFinIntegracao, IID_IZTFinIntegracao},
    {CLSID_ZTCtbIntegracao, IID_IZTCtbIntegracao},
    {CLSID_ZTCtbLancamentos, IID_IZTCtbLancamentos},
    {CLSID_ZTIntegracao, IID_IZTIntegracao},
    {CLSID_ZTCmpPedidos, IID_IZTCmpPedidos},
    {CLSID_ZTCmpContratos, IID_IZTCmpContratos},
}};

}  // namespace

platform::HRESULT QDCriaServidorModulo(int indice, void** ppInterface) {
    if (!ppInterface) return platform::E_POINTER;
    *ppInterface = nullptr;
    if (indice < 0 || indice >= static_cast<int>(kClasses.size())) return platform::S_OK;
    ZTRegistraInterfacesModulos();  // the proxies of a server in another process
    const ClasseModulo& classe = kClasses[static_cast<std::size_t>(indice)];
    return ZTCriaInstanciaServidor(classe.clsid, nullptr, platform::CLSCTX_LOCAL_SERVER, classe.iid, ppInterface,
                                   ZT_CRIA_REGISTRA_EVENTOS | ZT_CRIA_REPETE);
}
