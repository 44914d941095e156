// COM security set-up of a process and of an activated interface.
//
// The original platform authenticated calls between processes; here a local server is reached
// only through a socket in a folder private to the user, so there is no security layer to set:
// both routines accept the settings the system uses and succeed. Safe from any thread.
#pragma once

#include "platform/com/unknown.h"

// Process-wide security (no descriptor, authentication level none, impersonation level
// impersonate): S_OK.
[[nodiscard]] platform::HRESULT ZTInicializaSegurancaCOM();

// The same settings on one activated interface: S_OK, E_INVALIDARG for a null interface.
platform::HRESULT ZTDefineSegurancaProxy(platform::IUnknown* pInterface);
