// The server loop of a local server process: the single-threaded apartment.
//
// RunLocalServer listens at the endpoint (platform/com/endpoint.h) of every class registered in
// this process for CLSCTX_LOCAL_SERVER and serves, on the calling thread, one request at a time
// across all clients: activation (the class's factory creates one object; the stub factory of
// the requested interface wraps it), calls (object, method number, request bytes -> response
// bytes) and releases. Each object belongs to the connection that activated it; when that
// connection closes (the client ended or died) its objects are released.
//
// The loop ends at once when the module lock count (platform/com/module_lock.h) drops to zero:
// it stops listening, removes its endpoint, closes every connection (a client connecting in that
// moment gets HR_RPC_S_SERVER_UNAVAILABLE and activates again) and returns. It also ends when
// StopLocalServer is called, and when it has had no connection and no lock for the idle limit
// (a server started for a client that died before it connected would otherwise run for ever).
//
// Every frame is checked on arrival: a length beyond the limit or too short for its kind closes
// that connection; an unknown kind, object or malformed activation fails that request; an
// exception escaping a stub fails that call with RPC_E_SERVERFAULT. No client can stop the
// server or make it hold more than a bounded amount of memory per connection, and the input that
// all connections buffer together is bounded too: the connection whose input would pass that
// bound is closed (its client's calls then fail as on any dropped connection).
#pragma once

#include "platform/hresult.h"

#include <chrono>
#include <cstddef>
#include <functional>

namespace platform::com {

// The input that all connections of the loop may buffer together; a frame of the largest size
// takes about a quarter of it.
constexpr std::size_t kMaxBufferedInput = std::size_t{256} << 20;

struct LocalServerOptions {
    // The loop ends after this long without connections and with no lock.
    std::chrono::milliseconds idleLimit{std::chrono::seconds(60)};
    // The bound on the input of all connections together (lower in tests).
    std::size_t maxBufferedInput = kMaxBufferedInput;
    // Called once every endpoint listens, before the first request is served.
    std::function<void()> onListening;
};

// Serves until the loop ends as above; S_OK then. Fails at once with E_UNEXPECTED when no class is
// registered for CLSCTX_LOCAL_SERVER or a loop already runs in this process,
// HResultFromWin32(ERROR_ALREADY_EXISTS) when another live server owns an endpoint, or the error
// of creating an endpoint.
[[nodiscard]] HRESULT RunLocalServer(const LocalServerOptions& options = {});

// Ends this process's running loop from any thread; nothing when none runs.
void StopLocalServer();

}  // namespace platform::com
