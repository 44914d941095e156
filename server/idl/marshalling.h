// The two ends of IZTQD_Srv that the transport joins: the client's proxy and the server's stub.
//
// Both are generated from the interface description (iztqd_srv.h) and meet only through the
// call-channel seam (platform/com/channel.h). The transport registers these factories for
// IID_IZTQD_Srv; it knows nothing of methods or records.
//
// Proxy: every method encodes its [in] parameters, sends them, and decodes the method's HRESULT
// and [out] parameters, which travel whatever the HRESULT (success-class values arrive
// unchanged). Before anything is sent, [out] parameters are zeroed; a null pointer where a value
// is required gives RPC_X_NULL_REF_POINTER; a message that would pass kMaxMessageBytes gives
// E_OUTOFMEMORY; a transport failure is returned as it is, with [out] parameters zeroed and
// [in,out] ones unchanged; a response that does not decode gives RPC_X_BAD_STUB_DATA with the
// same guarantees. Arrays and BSTRs it returns are allocated with CoTaskMemAlloc and
// SysAllocStringLen, for the caller to free. The proxy is reference-counted (thread-safe); its
// calls may come from any thread as far as the channel allows.
//
// Stub: decodes a request, calls the object and encodes the response; it frees what it decoded
// and what the object returned once the response is written. A request that does not decode
// exactly (short, too long, a count beyond the bytes sent or the bounds) is refused with
// RPC_X_BAD_STUB_DATA before the object is called; an unknown method number with
// RPC_S_PROCNUM_OUT_OF_RANGE; an exception out of the object with RPC_E_SERVERFAULT. Every char[N]
// field it receives is cut to N - 1 characters. One thread at a time.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/unknown.h"

#include <memory>

namespace server::idl {

// Sets *object to a new proxy for IZTQD_Srv (one reference) that sends its calls through
// `channel`, which it owns and destroys with its last reference. S_OK; E_POINTER for a null
// `object`; E_INVALIDARG for a null channel (*object is then null).
[[nodiscard]] platform::HRESULT CreateZTQD_SrvProxy(std::unique_ptr<platform::com::CallChannel> channel,
                                                    void** object);

// A stub that runs calls on `object`'s IZTQD_Srv, holding one reference to it while the stub
// lives; null when `object` is null or does not offer IZTQD_Srv.
[[nodiscard]] std::unique_ptr<platform::com::CallTarget> CreateZTQD_SrvStub(platform::IUnknown* object);

}  // namespace server::idl
