// The class object of ZTQD_Srv (fábrica: factory): creates one CZTQD_Srv per activation.
//
// Registered once by the server process for CLSCTX_LOCAL_SERVER with REGCLS_MULTIPLEUSE, which
// also serves the process's own in-process activations. Safe from any thread.
#pragma once

#include "platform/com/class_object.h"

// Registers the class object of ZTQD_Srv; *cookie receives the registration for
// CoRevokeClassObject. The result of CoRegisterClassObject.
[[nodiscard]] platform::HRESULT QDRegistraClasseZTQD_Srv(platform::DWORD* cookie);
