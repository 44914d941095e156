// The per-interface factories that join the marshalling to the transport.
//
// The interface description registers, for each remotable interface, a proxy factory (client
// side: wraps a CallChannel bound to one server object into an interface pointer) and a stub
// factory (server side: wraps an object's interface into a CallTarget). Activation across
// processes needs both: the client's proxy factory for the requested interface, the server's
// stub factory for it. Register explicitly at start-up (a registrar object in a static library
// is dropped by the linker when nothing else refers to its file). Safe from any thread;
// registering an interface again replaces its factory.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/unknown.h"

#include <memory>

namespace platform::com {

// Makes the proxy for a channel: on success sets *object to a new interface pointer (one
// reference) that owns the channel; the proxy's last Release destroys the channel, which
// releases the server object. On failure *object is null and the channel is destroyed.
using ProxyFactory = HRESULT (*)(std::unique_ptr<CallChannel> channel, void** object);

// Makes the stub for `object`, a pointer to the registered interface (an interface pointer is
// its IUnknown pointer). The stub borrows the object: the transport holds a reference while the
// stub lives and destroys the stub before releasing it. Null when the stub cannot be made.
using StubFactory = std::unique_ptr<CallTarget> (*)(IUnknown* object);

void RegisterProxyFactory(const IID& iid, ProxyFactory factory);
void RegisterStubFactory(const IID& iid, StubFactory factory);

// The registered factories; null when the interface has none.
[[nodiscard]] ProxyFactory FindProxyFactory(const IID& iid);
[[nodiscard]] StubFactory FindStubFactory(const IID& iid);

}  // namespace platform::com
