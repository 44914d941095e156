#include "platform/system/host_addresses.h"

#include "platform/text/codepage.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace platform {

namespace {

Win32Error ResolverError(int result) {
    switch (result) {
        case EAI_NONAME: return WSAHOST_NOT_FOUND;
#ifdef EAI_NODATA
        case EAI_NODATA: return WSANO_DATA;
#endif
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY: return WSANO_DATA;
#endif
        case EAI_AGAIN: return WSATRY_AGAIN;
        case EAI_MEMORY: return ERROR_NOT_ENOUGH_MEMORY;
        default: return WSANO_RECOVERY;
    }
}

Ipv4Address AddressOf(const addrinfo& entry) {
    sockaddr_in socketAddress{};
    std::memcpy(&socketAddress, entry.ai_addr, sizeof socketAddress);
    Ipv4Address address{};
    // s_addr is in network order already, so its bytes are the dotted form's bytes in order.
    std::memcpy(address.data(), &socketAddress.sin_addr.s_addr, address.size());
    return address;
}

}  // namespace

bool AppendUniqueAddress(std::vector<Ipv4Address>& addresses, const Ipv4Address& address) {
    if (std::find(addresses.begin(), addresses.end(), address) != addresses.end()) return false;
    addresses.push_back(address);
    return true;
}

Win32Error HostAddresses(const String& hostName, std::vector<Ipv4Address>& addresses) {
    addresses.clear();
    if (hostName.IsEmpty() || hostName.view().find('\0') != std::string_view::npos) return ERROR_INVALID_PARAMETER;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    const int result = ::getaddrinfo(Utf8FromAnsi(hostName.view()).c_str(), nullptr, &hints, &found);
    if (result != 0) return ResolverError(result);
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> answer(found, &::freeaddrinfo);
    // The resolver lists each address once per socket type; a bound keeps a huge answer finite.
    std::size_t entries = 0;
    for (const addrinfo* entry = found; entry && addresses.size() < kMaxHostAddresses && entries < 16 * kMaxHostAddresses;
         entry = entry->ai_next, ++entries) {
        if (entry->ai_family != AF_INET || !entry->ai_addr || entry->ai_addrlen < sizeof(sockaddr_in)) continue;
        AppendUniqueAddress(addresses, AddressOf(*entry));
    }
    return addresses.empty() ? WSANO_DATA : ERROR_SUCCESS;
}

}  // namespace platform
