// The seam between the interface's marshalling and the transport that carries it.
//
// A client-side proxy turns each call into (method number, request bytes) and hands it to a
// CallChannel bound to one server object; the server's stub receives the same pair through a
// CallTarget and fills the response bytes. The transport knows nothing of methods or records;
// the marshalling knows nothing of sockets or processes. Method numbers count from 1 in the
// interface's slot order (after the three IUnknown operations).
#pragma once

#include "platform/hresult.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform::com {

using Bytes = std::vector<std::byte>;

// Client side: one connection to one server object.
class CallChannel {
public:
    virtual ~CallChannel() = default;
    // Sends one call and waits for its answer. Returns S_OK with the response bytes, or the
    // transport's failure (RPC_E_DISCONNECTED-style, 0x800706BA when the server is unavailable);
    // the method's own HRESULT travels inside the response.
    [[nodiscard]] virtual HRESULT Call(std::uint32_t method, std::span<const std::byte> request, Bytes& response) = 0;
};

// Server side: what one activated object offers to the transport.
class CallTarget {
public:
    virtual ~CallTarget() = default;
    // Runs one call; always fills `response` (a malformed request gets a failure response).
    virtual void Dispatch(std::uint32_t method, std::span<const std::byte> request, Bytes& response) = 0;
};

}  // namespace platform::com
