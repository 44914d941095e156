// The bound of the wire form's messages, shared by the proxy, the stub and the transport that
// frames them.
//
// Every request and response is one message no larger than kMaxMessageBytes: 64 MiB less room
// for a transport's framing. Whatever one call carries travels inside one message (the document
// server's GravaDoc request and LeDoc response hold a document's whole content), so this also
// bounds the largest value a call can pass. What a malformed message can make the receiver
// allocate is bounded by the bytes that actually arrived, never by a count it claims.
#pragma once

#include <cstddef>

namespace platform::idl {

inline constexpr std::size_t kMaxMessageBytes = (std::size_t{64} << 20) - 4096;

}  // namespace platform::idl
