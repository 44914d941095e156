// This computer's IPv4 addresses as one text, as the main program shows them.
//
// Safe from any thread.
#pragma once

#include "platform/system/host_addresses.h"
#include "util/text/zt_string.h"

#include <vector>

// The addresses of this computer's host name in dotted decimal (each byte as an unsigned
// number), in the resolver's order, joined by "  ,  ". When `nomeHost` is given it receives the
// host name once that was read (also when resolving it fails afterwards). Empty text when the
// host name cannot be read or resolved.
[[nodiscard]] CZTString ZTGetHostIP(CZTString* nomeHost = nullptr);

// The dotted forms of `enderecos` joined by "  ,  " (two blanks, a comma, two blanks); empty for
// no address.
[[nodiscard]] CZTString ZTTextoEnderecosIP(const std::vector<platform::Ipv4Address>& enderecos);
