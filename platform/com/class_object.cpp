#include "platform/com/class_object.h"

#include <mutex>

namespace platform {

namespace {

struct Registration {
    DWORD cookie;
    CLSID clsid;
    DWORD context;
    IClassFactory* factory;
};

std::mutex g_mutex;
std::vector<Registration> g_registrations;
DWORD g_nextCookie = 1;

// The contexts a registration answers: a multiple-use local server also serves its own process.
DWORD ServedContexts(DWORD context, DWORD flags) {
    if ((context & CLSCTX_LOCAL_SERVER) && flags == REGCLS_MULTIPLEUSE) return context | CLSCTX_INPROC_SERVER;
    return context;
}

}  // namespace

HRESULT CoRegisterClassObject(const CLSID& clsid, IUnknown* factory, DWORD context, DWORD flags, DWORD* cookie) {
    if (!factory || !cookie) return E_INVALIDARG;
    *cookie = 0;
    void* pointer = nullptr;
    if (const HRESULT hr = factory->QueryInterface(IID_IClassFactory, &pointer); FAILED(hr)) return hr;
    auto* classFactory = static_cast<IClassFactory*>(pointer);

    std::unique_lock lock(g_mutex);
    for (const Registration& registration : g_registrations) {
        if (registration.clsid != clsid) continue;
        lock.unlock();
        classFactory->Release();
        return CO_E_OBJISREG;
    }
    const DWORD number = g_nextCookie++;
    g_registrations.push_back({number, clsid, ServedContexts(context, flags), classFactory});
    *cookie = number;
    return S_OK;
}

HRESULT CoRevokeClassObject(DWORD cookie) {
    IClassFactory* factory = nullptr;
    {
        std::lock_guard lock(g_mutex);
        for (auto it = g_registrations.begin(); it != g_registrations.end(); ++it) {
            if (it->cookie != cookie) continue;
            factory = it->factory;
            g_registrations.erase(it);
            break;
        }
    }
    if (!factory) return CO_E_OBJNOTREG;
    factory->Release();  // outside the lock: the factory's end may run code of its own
    return S_OK;
}

namespace com {

IClassFactory* FindClassObject(const CLSID& clsid, DWORD context) {
    std::lock_guard lock(g_mutex);
    for (const Registration& registration : g_registrations) {
        if (registration.clsid != clsid || (registration.context & context) == 0) continue;
        registration.factory->AddRef();
        return registration.factory;
    }
    return nullptr;
}

std::vector<CLSID> LocalServerClasses() {
    std::lock_guard lock(g_mutex);
    std::vector<CLSID> classes;
    for (const Registration& registration : g_registrations) {
        if (registration.context & CLSCTX_LOCAL_SERVER) classes.push_back(registration.clsid);
    }
    return classes;
}

}  // namespace com

}  // namespace platform
