// Bounds and failure codes of the interface's wire form, shared by the proxy, the stub and the
// transport that frames their messages.
//
// Every request and response is one message no larger than kMaxMessageBytes: 64 MiB less
// room for a transport's framing. A document's whole content travels inside one GravaDoc request
// or LeDoc response, so this is also the largest content a document can have. What a malformed
// message can make the receiver allocate is bounded by the bytes that actually arrived, never by
// a count it claims.
#pragma once

#include "platform/hresult.h"

#include <cstddef>

namespace server::idl {

inline constexpr std::size_t kMaxMessageBytes = (std::size_t{64} << 20) - 4096;

// The RPC failures of the original platform that the marshalling reports (FACILITY_WIN32 and
// FACILITY_RPC codes with their usual values).
inline constexpr platform::HRESULT RPC_X_BAD_STUB_DATA = platform::MakeHResult(0x800706F7);
inline constexpr platform::HRESULT RPC_X_NULL_REF_POINTER = platform::MakeHResult(0x800706F4);
inline constexpr platform::HRESULT RPC_S_PROCNUM_OUT_OF_RANGE = platform::MakeHResult(0x800706D1);
inline constexpr platform::HRESULT RPC_E_SERVERFAULT = platform::MakeHResult(0x80010105);

}  // namespace server::idl
