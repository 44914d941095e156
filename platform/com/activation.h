// Activation: creating an object of a registered class, in this process or in its local server.
//
// CoCreateInstanceEx looks first for a class object registered in this process (a server
// activating its own class gets its object in-process, never through its own socket, which its
// one thread could not answer). Otherwise it reads the class's "LocalServer32" from the classes
// root, connects to the class's endpoint (platform/com/endpoint.h), starts the server program
// with "-Embedding" when nobody listens there, and asks the server to create one object; the
// caller receives a proxy made by the proxy factory of the requested interface
// (platform/com/proxy_stub.h). Two clients starting the same server at once still get one
// server: the start is serialised by a file lock. The start waits a bounded time for the server
// to answer (SetServerStartTimeout).
//
// Results: REGDB_E_CLASSNOTREG for a class without a registered factory here and without
// LocalServer32; CLASS_E_NOAGGREGATION for an outer object with a local server;
// HR_RPC_S_SERVER_UNAVAILABLE (0x800706BA) when the endpoint does not answer in time, when the
// server is quitting, or for a machine other than this one; 0x80070002 when the server program
// does not exist; CO_E_SERVER_EXEC_FAILURE when it cannot be run or ends before it answers;
// E_NOINTERFACE when the interface has no proxy factory; otherwise the factory's result.
// Blocks the calling thread; safe from any thread.
#pragma once

#include "platform/com/bstr.h"
#include "platform/com/class_object.h"

#include <chrono>
#include <string>

namespace platform {

// Security settings that the callers pass; this platform has no security layer between local
// processes of one user, so they are accepted and not enforced.
constexpr DWORD RPC_C_AUTHN_NONE = 0;
constexpr DWORD RPC_C_AUTHZ_NONE = 0;
constexpr DWORD RPC_C_AUTHN_LEVEL_DEFAULT = 0;
constexpr DWORD RPC_C_AUTHN_LEVEL_NONE = 1;
constexpr DWORD RPC_C_IMP_LEVEL_IMPERSONATE = 3;
constexpr DWORD EOAC_NONE = 0;

struct COAUTHINFO {
    DWORD dwAuthnSvc;
    DWORD dwAuthzSvc;
    OLECHAR* pwszServerPrincName;
    DWORD dwAuthnLevel;
    DWORD dwImpersonationLevel;
    void* pAuthIdentityData;
    DWORD dwCapabilities;
};

// Where to activate: a null or empty name (or this machine's name) is this machine.
struct COSERVERINFO {
    DWORD dwReserved1;
    OLECHAR* pwszName;
    COAUTHINFO* pAuthInfo;
    DWORD dwReserved2;
};

// One requested interface of an activation and its outcome.
struct MULTI_QI {
    const IID* pIID;
    IUnknown* pItf;
    HRESULT hr;
};

// Creates one object of `clsid` and asks it for every interface of `results` (count >= 1).
// Returns S_OK when all were obtained, CO_S_NOTALLINTERFACES when some were, or the failure (then
// every pItf is null and every hr holds it). E_INVALIDARG for no results or a null pIID.
[[nodiscard]] HRESULT CoCreateInstanceEx(const CLSID& clsid, IUnknown* outer, DWORD context, COSERVERINFO* server,
                                         DWORD count, MULTI_QI* results);
// The one-interface form on this machine; *object is null on failure.
[[nodiscard]] HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, DWORD context, const IID& iid,
                                       void** object);

namespace com {

// How long activation waits for a server it started (or found starting) to answer; returns the
// previous limit. Five seconds unless changed.
std::chrono::milliseconds SetServerStartTimeout(std::chrono::milliseconds limit);

// The transport half of activation without the registry or the in-process look-up: connects to
// the server listening at `endpoint` (never starts one), asks it for one object of `clsid` and
// sets *object to a proxy for `iid`. Results as CoCreateInstanceEx.
[[nodiscard]] HRESULT ActivateAtEndpoint(const std::string& endpoint, const CLSID& clsid, const IID& iid,
                                         void** object);

}  // namespace com

}  // namespace platform
