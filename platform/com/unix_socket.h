// Unix-domain stream sockets for the local server's endpoint: connecting, listening, and the
// blocking writes of the client side (its reads are a FrameReader's).
//
// Every descriptor is close-on-exec; writes never raise SIGPIPE (a vanished peer is an error
// result). Safe from any thread for distinct descriptors.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/descriptor.h"

#include <cstddef>
#include <span>
#include <string>

namespace platform::com {

// Connects to the socket at `path`; an empty descriptor and *error = errno on failure
// (ENOENT or ECONNREFUSED when nobody listens there).
[[nodiscard]] Descriptor ConnectEndpoint(const std::string& path, int* error);

// Binds and listens at `path` (non-blocking), first removing a socket file that nobody answers
// any more. HResultFromWin32(ERROR_ALREADY_EXISTS) when a live server listens there.
[[nodiscard]] HRESULT ListenEndpoint(const std::string& path, Descriptor* listener);

// Writes every byte of every piece (blocking); false when the peer is gone or the write fails.
[[nodiscard]] bool SendAll(int fd, std::span<const std::byte> first, std::span<const std::byte> second = {});

}  // namespace platform::com
