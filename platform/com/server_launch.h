// Reaching a class's local server, starting it when nobody listens.
//
// The start is serialised between processes by the class's start lock (platform/com/endpoint.h):
// the first client to find no server takes the lock, starts the program and holds the lock until
// the server answers; the others keep trying to connect while they wait for the lock, and one that
// gets it starts a server only when still nobody answers. The wait is bounded by the start
// timeout. Safe from any thread.
#pragma once

#include "platform/com/descriptor.h"
#include "platform/com/guid.h"
#include "platform/hresult.h"

#include <chrono>
#include <string>

namespace platform::com {

// The start timeout now in force (activation.h sets it).
[[nodiscard]] std::chrono::milliseconds ServerStartTimeout();

// Connects to `endpoint`; when nobody listens, runs `commandLine` (the class's LocalServer32,
// Windows-1252) with "-Embedding" appended and waits for it. Results: S_OK with *connection set;
// HR_RPC_S_SERVER_UNAVAILABLE when nobody answers within the timeout (or the endpoint cannot be
// reached at all); the program's start error (0x80070002 when it does not exist, E_ACCESSDENIED
// when it may not be run); CO_E_SERVER_EXEC_FAILURE when the command line is empty or the
// program ends before it answers.
[[nodiscard]] HRESULT ConnectOrStartServer(const CLSID& clsid, const std::string& endpoint,
                                           const std::string& commandLine, Descriptor* connection);

}  // namespace platform::com
