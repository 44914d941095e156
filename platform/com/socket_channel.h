// The client side of one connection to a local server: requests and their responses, and the
// CallChannel that a proxy owns.
//
// A client opens one connection per activated object. The connection sends one request at a
// time and waits for its response (calls from several threads on one proxy are serialised
// here). Once the stream breaks (the server ended, or answered with a malformed frame) every
// later request fails at once with RPC_E_DISCONNECTED.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/descriptor.h"
#include "platform/com/frame_reader.h"
#include "platform/com/guid.h"
#include "platform/com/wire.h"

#include <memory>
#include <mutex>

namespace platform::com {

class ClientConnection {
public:
    explicit ClientConnection(Descriptor socket) : socket_(std::move(socket)) {}

    // Sends one request and reads its response. Returns S_OK with the server's `status` and the
    // response payload; RPC_E_CLIENT_CANTMARSHAL_DATA for a payload beyond the frame limit,
    // RPC_E_DISCONNECTED when the stream is or becomes broken, RPC_E_INVALID_DATAPACKET for a
    // malformed response (the stream is broken after it).
    [[nodiscard]] HRESULT Exchange(wire::Kind kind, std::uint32_t object, std::uint32_t method,
                                   std::span<const std::byte> payload, HRESULT* status, Bytes& response);

private:
    std::mutex mutex_;
    Descriptor socket_;
    FrameReader reader_;
    bool broken_ = false;
};

// Asks the server at the other end of `connection` for one object of `clsid` with interface
// `iid`; *object receives its id. HR_RPC_S_SERVER_UNAVAILABLE when the server does not answer
// (it is quitting), or the server's refusal.
[[nodiscard]] HRESULT ActivateOnConnection(ClientConnection& connection, const CLSID& clsid, const IID& iid,
                                           std::uint32_t* object);

// The channel of one server object; destroying it releases the object and closes the connection.
class SocketChannel final : public CallChannel {
public:
    SocketChannel(std::unique_ptr<ClientConnection> connection, std::uint32_t object)
        : connection_(std::move(connection)), object_(object) {}
    ~SocketChannel() override;

    [[nodiscard]] HRESULT Call(std::uint32_t method, std::span<const std::byte> request, Bytes& response) override;

private:
    std::unique_ptr<ClientConnection> connection_;
    std::uint32_t object_;
};

}  // namespace platform::com
