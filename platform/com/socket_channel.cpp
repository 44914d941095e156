#include "platform/com/socket_channel.h"

#include "platform/com/unix_socket.h"

namespace platform::com {

HRESULT ClientConnection::Exchange(wire::Kind kind, std::uint32_t object, std::uint32_t method,
                                   std::span<const std::byte> payload, HRESULT* status, Bytes& response) {
    response.clear();
    *status = S_OK;
    if (payload.size() > wire::kMaxPayload) return RPC_E_CLIENT_CANTMARSHAL_DATA;
    std::lock_guard lock(mutex_);
    if (broken_) return RPC_E_DISCONNECTED;

    Bytes head;
    head.reserve(wire::kLengthBytes + wire::kRequestHead);
    wire::PutU32(head, static_cast<std::uint32_t>(wire::kRequestHead + payload.size()));
    wire::PutU32(head, static_cast<std::uint32_t>(kind));
    wire::PutU32(head, object);
    wire::PutU32(head, method);
    if (!SendAll(socket_.Get(), head, payload)) {
        broken_ = true;
        return RPC_E_DISCONNECTED;
    }

    Bytes body;
    const ReadStatus read = reader_.Receive(socket_.Get(), wire::kResponseHead, body);
    wire::Response parsed{};
    if (read != ReadStatus::Done || !wire::ParseResponse(body, &parsed)) {
        broken_ = true;
        return read == ReadStatus::Closed ? RPC_E_DISCONNECTED : RPC_E_INVALID_DATAPACKET;
    }
    *status = parsed.status;
    response.assign(parsed.payload.begin(), parsed.payload.end());
    return S_OK;
}

HRESULT ActivateOnConnection(ClientConnection& connection, const CLSID& clsid, const IID& iid, std::uint32_t* object) {
    *object = 0;
    HRESULT status = S_OK;
    Bytes response;
    const Bytes request = wire::EncodeActivation(clsid, iid);
    if (FAILED(connection.Exchange(wire::Kind::Activate, 0, 0, request, &status, response))) {
        return HR_RPC_S_SERVER_UNAVAILABLE;
    }
    if (FAILED(status)) return status;
    if (response.size() != 4) return RPC_E_INVALID_DATAPACKET;
    *object = wire::GetU32(response, 0);
    return S_OK;
}

SocketChannel::~SocketChannel() {
    // The object is gone either way: a server that already ended released it with the connection.
    HRESULT status = S_OK;
    Bytes response;
    (void)connection_->Exchange(wire::Kind::Release, object_, 0, {}, &status, response);
}

HRESULT SocketChannel::Call(std::uint32_t method, std::span<const std::byte> request, Bytes& response) {
    HRESULT status = S_OK;
    if (const HRESULT hr = connection_->Exchange(wire::Kind::Call, object_, method, request, &status, response);
        FAILED(hr)) {
        return hr;
    }
    return status;
}

}  // namespace platform::com
