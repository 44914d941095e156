#include "platform/com/activation.h"

#include "platform/com/class_registry.h"
#include "platform/com/endpoint.h"
#include "platform/system/machine_name.h"
#include "platform/com/proxy_stub.h"
#include "platform/com/server_launch.h"
#include "platform/com/socket_channel.h"
#include "platform/com/unix_socket.h"

namespace platform {

namespace {

// A machine name that is neither empty nor this machine is out of reach: there is no remote
// activation here.
bool IsThisMachine(const COSERVERINFO* server) {
    if (!server || !server->pwszName) return true;
    return platform::IsThisMachine(String(server->pwszName).view());
}

// Wraps the object `object` of `connection` into a proxy for `iid`.
HRESULT MakeProxy(com::ProxyFactory factory, std::unique_ptr<com::ClientConnection> connection, std::uint32_t object,
                  void** result) {
    auto channel = std::make_unique<com::SocketChannel>(std::move(connection), object);
    const HRESULT hr = factory(std::move(channel), result);
    if (FAILED(hr)) *result = nullptr;
    return hr;
}

HRESULT ActivateOn(com::Descriptor socket, const CLSID& clsid, const IID& iid, com::ProxyFactory factory, void** result) {
    auto connection = std::make_unique<com::ClientConnection>(std::move(socket));
    std::uint32_t object = 0;
    if (const HRESULT hr = com::ActivateOnConnection(*connection, clsid, iid, &object); FAILED(hr)) return hr;
    return MakeProxy(factory, std::move(connection), object, result);
}

HRESULT ActivateLocalServer(const CLSID& clsid, const IID& iid, void** result) {
    String commandLine;
    if (com::ReadClassLocalServer(clsid, commandLine) != ERROR_SUCCESS) return REGDB_E_CLASSNOTREG;
    const com::ProxyFactory factory = com::FindProxyFactory(iid);
    if (!factory) return E_NOINTERFACE;
    std::string endpoint;
    if (com::ServerEndpointPath(clsid, endpoint) != ERROR_SUCCESS) return CO_E_SERVER_EXEC_FAILURE;
    com::Descriptor socket;
    if (const HRESULT hr = com::ConnectOrStartServer(clsid, endpoint, commandLine.str(), &socket); FAILED(hr)) return hr;
    return ActivateOn(std::move(socket), clsid, iid, factory, result);
}

HRESULT ActivateInProcess(IClassFactory* factory, IUnknown* outer, const IID& iid, void** result) {
    const HRESULT hr = factory->CreateInstance(outer, iid, result);
    factory->Release();
    if (FAILED(hr)) *result = nullptr;
    return hr;
}

// Creates the object and returns its first requested interface.
HRESULT CreateFirst(const CLSID& clsid, IUnknown* outer, DWORD context, const IID& iid, void** result) {
    if (IClassFactory* factory = com::FindClassObject(clsid, context)) {
        return ActivateInProcess(factory, outer, iid, result);
    }
    if (!(context & CLSCTX_LOCAL_SERVER)) return REGDB_E_CLASSNOTREG;
    if (outer) return CLASS_E_NOAGGREGATION;
    return ActivateLocalServer(clsid, iid, result);
}

void FailAll(DWORD count, MULTI_QI* results, HRESULT hr) {
    for (DWORD i = 0; i < count; ++i) {
        results[i].pItf = nullptr;
        results[i].hr = hr;
    }
}

}  // namespace

HRESULT CoCreateInstanceEx(const CLSID& clsid, IUnknown* outer, DWORD context, COSERVERINFO* server, DWORD count,
                           MULTI_QI* results) {
    if (count == 0 || !results) return E_INVALIDARG;
    for (DWORD i = 0; i < count; ++i) {
        if (!results[i].pIID) return E_INVALIDARG;
    }
    FailAll(count, results, E_NOINTERFACE);
    if (!IsThisMachine(server)) {
        FailAll(count, results, HR_RPC_S_SERVER_UNAVAILABLE);
        return HR_RPC_S_SERVER_UNAVAILABLE;
    }
    void* first = nullptr;
    if (const HRESULT hr = CreateFirst(clsid, outer, context, *results[0].pIID, &first); FAILED(hr)) {
        FailAll(count, results, hr);
        return hr;
    }
    results[0].pItf = static_cast<IUnknown*>(first);
    results[0].hr = S_OK;
    DWORD obtained = 1;
    for (DWORD i = 1; i < count; ++i) {
        void* next = nullptr;
        results[i].hr = results[0].pItf->QueryInterface(*results[i].pIID, &next);
        results[i].pItf = SUCCEEDED(results[i].hr) ? static_cast<IUnknown*>(next) : nullptr;
        if (results[i].pItf) ++obtained;
    }
    return obtained == count ? S_OK : CO_S_NOTALLINTERFACES;
}

HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, DWORD context, const IID& iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    MULTI_QI result{&iid, nullptr, S_OK};
    const HRESULT hr = CoCreateInstanceEx(clsid, outer, context, nullptr, 1, &result);
    if (SUCCEEDED(hr)) *object = result.pItf;
    return hr;
}

namespace com {

HRESULT ActivateAtEndpoint(const std::string& endpoint, const CLSID& clsid, const IID& iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    const ProxyFactory factory = FindProxyFactory(iid);
    if (!factory) return E_NOINTERFACE;
    int error = 0;
    Descriptor socket = ConnectEndpoint(endpoint, &error);
    if (!socket) return HR_RPC_S_SERVER_UNAVAILABLE;
    return ActivateOn(std::move(socket), clsid, iid, factory, object);
}

}  // namespace com

}  // namespace platform
