// Class objects: the factories a process registers so that activation can create its objects.
//
// A server process registers one factory per class it serves (CoRegisterClassObject with
// CLSCTX_LOCAL_SERVER and REGCLS_MULTIPLEUSE) before running its loop and revokes it after. The
// table is process-wide: activation in the same process finds a registered factory and creates
// the object in-process (a server activating its own class), and the server loop creates the
// objects its clients ask for through it. A factory registered with CLSCTX_LOCAL_SERVER and
// REGCLS_MULTIPLEUSE also serves in-process requests, as on the original platform. Every
// registration form is treated as multiple use. Safe from any thread.
#pragma once

#include "platform/com/unknown.h"

#include <cstdint>
#include <vector>

namespace platform {

using DWORD = std::uint32_t;

// Class contexts: where an object may be created.
constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
constexpr DWORD CLSCTX_INPROC = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER;
constexpr DWORD CLSCTX_SERVER = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
constexpr DWORD CLSCTX_ALL = CLSCTX_SERVER | CLSCTX_INPROC_HANDLER;

// Registration kinds.
constexpr DWORD REGCLS_SINGLEUSE = 0;
constexpr DWORD REGCLS_MULTIPLEUSE = 1;
constexpr DWORD REGCLS_MULTI_SEPARATE = 2;

class IClassFactory : public IUnknown {
public:
    // Creates one object (aggregated into `outer` when not null) and sets *object to its
    // interface `iid`.
    virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) = 0;
    // Adds (true) or removes (false) a server lock: platform::com::ModuleLock / ModuleUnlock.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Registers `factory` (which must offer IClassFactory; one reference is kept) for `clsid` in
// `context`; *cookie receives the registration's number. CO_E_OBJISREG when the class is
// already registered, E_INVALIDARG for a null factory or cookie, E_NOINTERFACE when the factory
// is not an IClassFactory.
[[nodiscard]] HRESULT CoRegisterClassObject(const CLSID& clsid, IUnknown* factory, DWORD context, DWORD flags,
                                            DWORD* cookie);
// Removes a registration and releases its factory; CO_E_OBJNOTREG for an unknown cookie.
HRESULT CoRevokeClassObject(DWORD cookie);

namespace com {

// The factory registered for `clsid` that serves a request in `context`, with a reference for
// the caller; null when none.
[[nodiscard]] IClassFactory* FindClassObject(const CLSID& clsid, DWORD context);
// The classes registered for CLSCTX_LOCAL_SERVER: the ones the server loop listens for.
[[nodiscard]] std::vector<CLSID> LocalServerClasses();

}  // namespace com

}  // namespace platform
