#include "server/object/zt_qd_srv_fabrica.h"

#include "platform/com/module_lock.h"
#include "platform/com/ref_counted.h"
#include "server/idl/guids.h"
#include "server/object/zt_qd_srv.h"

namespace {

class CZTQD_SrvFabrica final : public platform::com::RefCounted<CZTQD_SrvFabrica, platform::IClassFactory> {
public:
    platform::HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        return platform::com::QueryInterfaceFrom({{platform::IID_IUnknown, this}, {platform::IID_IClassFactory, this}},
                                                 iid, object);
    }

    platform::HRESULT CreateInstance(platform::IUnknown* outer, const platform::IID& iid, void** object) override {
        if (!object) return platform::E_POINTER;
        *object = nullptr;
        if (outer) return platform::CLASS_E_NOAGGREGATION;
        auto* servidor = new CZTQD_Srv;
        const platform::HRESULT hr = servidor->QueryInterface(iid, object);
        servidor->Release();  // the caller's reference is the one left, or none when QI failed
        return hr;
    }

    platform::HRESULT LockServer(bool lock) override {
        lock ? platform::com::ModuleLock() : platform::com::ModuleUnlock();
        return platform::S_OK;
    }
};

}  // namespace

platform::HRESULT QDRegistraClasseZTQD_Srv(platform::DWORD* cookie) {
    auto* fabrica = new CZTQD_SrvFabrica;
    const platform::HRESULT hr = platform::CoRegisterClassObject(CLSID_ZTQD_Srv, fabrica, platform::CLSCTX_LOCAL_SERVER,
                                                                 platform::REGCLS_MULTIPLEUSE, cookie);
    fabrica->Release();
    return hr;
}
