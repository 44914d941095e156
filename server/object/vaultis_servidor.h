// Serving ZTQD_Srv: the part of the server process's start that runs once no switch asked for
// registration.
//
// Registers the stub of IZTQD_Srv and the class object, runs the server loop on the calling
// thread until the last object is released, and revokes the class object. Call from the
// process's main thread, once at a time.
#pragma once

#include "platform/com/local_server.h"

// S_OK once the loop has ended; the failure of registering the class object or of starting the
// loop otherwise (nothing is served then).
[[nodiscard]] platform::HRESULT QDServeVaultis(const platform::com::LocalServerOptions& opcoes = {});
