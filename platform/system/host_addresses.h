// The IPv4 addresses a host name resolves to, as the machine's resolver gives them.
//
// Used to tell which addresses this computer answers on. Names are Windows-1252. Results are
// the Win32-style numbers of the original platform's socket layer. Safe from any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

#include <array>
#include <cstdint>
#include <vector>

namespace platform {

// Four bytes in network order: {192, 168, 0, 1} is 192.168.0.1.
using Ipv4Address = std::array<std::uint8_t, 4>;

// The socket layer's resolver results, with their values on the original platform.
constexpr Win32Error WSAHOST_NOT_FOUND = 11001;
constexpr Win32Error WSATRY_AGAIN = 11002;
constexpr Win32Error WSANO_RECOVERY = 11003;
constexpr Win32Error WSANO_DATA = 11004;

// At most this many addresses are taken from one answer.
constexpr std::size_t kMaxHostAddresses = 64;

// The IPv4 addresses of `hostName` in `addresses`, in the resolver's order, each once.
// ERROR_SUCCESS (at least one address); WSAHOST_NOT_FOUND for an unknown name; WSANO_DATA when
// the name has no IPv4 address; WSATRY_AGAIN when the resolver could not answer now;
// ERROR_INVALID_PARAMETER for an empty name or one holding a NUL; WSANO_RECOVERY otherwise.
// `addresses` is empty on failure.
[[nodiscard]] Win32Error HostAddresses(const String& hostName, std::vector<Ipv4Address>& addresses);

// Appends `address` to `addresses` unless it is there already; false when it was.
bool AppendUniqueAddress(std::vector<Ipv4Address>& addresses, const Ipv4Address& address);

}  // namespace platform
