#include "platform/com/wire.h"

#include <cstring>

namespace platform::com::wire {

namespace {

void Append(Bytes& out, std::span<const std::byte> bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

void PutGuid(Bytes& out, const GUID& guid) {
    PutU32(out, guid.Data1);
    out.push_back(static_cast<std::byte>(guid.Data2 & 0xFF));
    out.push_back(static_cast<std::byte>(guid.Data2 >> 8));
    out.push_back(static_cast<std::byte>(guid.Data3 & 0xFF));
    out.push_back(static_cast<std::byte>(guid.Data3 >> 8));
    for (const std::uint8_t byte : guid.Data4) out.push_back(static_cast<std::byte>(byte));
}

GUID GetGuid(std::span<const std::byte> bytes, std::size_t offset) {
    GUID guid{};
    guid.Data1 = GetU32(bytes, offset);
    guid.Data2 = static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[offset + 4]) |
                                            (std::to_integer<unsigned>(bytes[offset + 5]) << 8));
    guid.Data3 = static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[offset + 6]) |
                                            (std::to_integer<unsigned>(bytes[offset + 7]) << 8));
    for (std::size_t i = 0; i < 8; ++i) guid.Data4[i] = std::to_integer<std::uint8_t>(bytes[offset + 8 + i]);
    return guid;
}

}  // namespace

void PutU32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::byte>((value >> shift) & 0xFF));
}

std::uint32_t GetU32(std::span<const std::byte> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::to_integer<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

Bytes EncodeRequest(Kind kind, std::uint32_t object, std::uint32_t method, std::span<const std::byte> payload) {
    Bytes frame;
    frame.reserve(kLengthBytes + kRequestHead + payload.size());
    PutU32(frame, static_cast<std::uint32_t>(kRequestHead + payload.size()));
    PutU32(frame, static_cast<std::uint32_t>(kind));
    PutU32(frame, object);
    PutU32(frame, method);
    Append(frame, payload);
    return frame;
}

Bytes EncodeResponse(HRESULT status, std::span<const std::byte> payload) {
    Bytes frame;
    frame.reserve(kLengthBytes + kResponseHead + payload.size());
    PutU32(frame, static_cast<std::uint32_t>(kResponseHead + payload.size()));
    PutU32(frame, static_cast<std::uint32_t>(status));
    Append(frame, payload);
    return frame;
}

Scan ScanFrame(std::span<const std::byte> buffer, std::size_t minimumBody, std::size_t* frameBytes) {
    *frameBytes = 0;
    if (buffer.size() < kLengthBytes) return Scan::Incomplete;
    const std::size_t body = GetU32(buffer, 0);
    if (body < minimumBody || body > kMaxFrameBody) return Scan::Malformed;
    if (buffer.size() - kLengthBytes < body) return Scan::Incomplete;
    *frameBytes = kLengthBytes + body;
    return Scan::Complete;
}

bool ParseRequest(std::span<const std::byte> body, Request* request) {
    if (body.size() < kRequestHead) return false;
    request->kind = static_cast<Kind>(GetU32(body, 0));
    request->object = GetU32(body, 4);
    request->method = GetU32(body, 8);
    request->payload = body.subspan(kRequestHead);
    return true;
}

bool ParseResponse(std::span<const std::byte> body, Response* response) {
    if (body.size() < kResponseHead) return false;
    response->status = static_cast<HRESULT>(GetU32(body, 0));
    response->payload = body.subspan(kResponseHead);
    return true;
}

Bytes EncodeActivation(const CLSID& clsid, const IID& iid) {
    Bytes payload;
    payload.reserve(kActivatePayload);
    PutGuid(payload, clsid);
    PutGuid(payload, iid);
    return payload;
}

bool ParseActivation(std::span<const std::byte> payload, CLSID* clsid, IID* iid) {
    if (payload.size() != kActivatePayload) return false;
    *clsid = GetGuid(payload, 0);
    *iid = GetGuid(payload, 16);
    return true;
}

}  // namespace platform::com::wire
