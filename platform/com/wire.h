// The frames that carry activation, calls and releases between a client and its local server.
//
// Every frame is a 32-bit little-endian body length followed by the body. A request body is
// (kind, object id, method number) as three 32-bit numbers, then the payload; a response body is
// the transport status (an HRESULT), then the payload. A body is never longer than
// kMaxFrameBody: a larger announced length is refused before anything is allocated for it.
//
//   Activate: object 0, method 0, payload = class id (16 bytes) + interface id (16 bytes);
//             response payload = the new object's id (4 bytes).
//   Call:     object id, method number, payload = the marshalled request; response payload =
//             the marshalled response (status S_OK) or nothing (a transport failure).
//   Release:  object id; empty response.
//
// Pure functions; safe from any thread.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/guid.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace platform::com::wire {

enum class Kind : std::uint32_t { Activate = 1, Call = 2, Release = 3 };

constexpr std::size_t kLengthBytes = 4;
constexpr std::size_t kRequestHead = 12;   // kind, object, method
constexpr std::size_t kResponseHead = 4;   // status
constexpr std::size_t kMaxFrameBody = std::size_t{64} << 20;
constexpr std::size_t kMaxPayload = kMaxFrameBody - kRequestHead;
constexpr std::size_t kActivatePayload = 32;

struct Request {
    Kind kind;
    std::uint32_t object;
    std::uint32_t method;
    std::span<const std::byte> payload;
};

struct Response {
    HRESULT status;
    std::span<const std::byte> payload;
};

void PutU32(Bytes& out, std::uint32_t value);
[[nodiscard]] std::uint32_t GetU32(std::span<const std::byte> bytes, std::size_t offset);

// The frame of a request or a response (payload at most kMaxPayload bytes).
[[nodiscard]] Bytes EncodeRequest(Kind kind, std::uint32_t object, std::uint32_t method, std::span<const std::byte> payload);
[[nodiscard]] Bytes EncodeResponse(HRESULT status, std::span<const std::byte> payload);

enum class Scan { Incomplete, Complete, Malformed };

// Looks at the start of `buffer` for one frame whose body is at least `minimumBody` bytes:
// Incomplete (wait for more bytes), Malformed (length out of bounds: the stream cannot be
// trusted further), or Complete with *frameBytes = length prefix + body.
[[nodiscard]] Scan ScanFrame(std::span<const std::byte> buffer, std::size_t minimumBody, std::size_t* frameBytes);

// Splits a complete request / response body (without the length prefix); false when too short.
[[nodiscard]] bool ParseRequest(std::span<const std::byte> body, Request* request);
[[nodiscard]] bool ParseResponse(std::span<const std::byte> body, Response* response);

// The activation payload and its parts.
[[nodiscard]] Bytes EncodeActivation(const CLSID& clsid, const IID& iid);
[[nodiscard]] bool ParseActivation(std::span<const std::byte> payload, CLSID* clsid, IID* iid);

}  // namespace platform::com::wire
