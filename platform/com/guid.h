// GUIDs: the 16-byte identities of classes, interfaces, type libraries and applications.
//
// Layout as on the wire and on the original platform (Data1..Data3 little-endian integers, then
// eight bytes). The braced text form is "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case.
#pragma once

#include "platform/hresult.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];

    friend bool operator==(const GUID&, const GUID&) = default;
};
static_assert(sizeof(GUID) == 16);

using CLSID = GUID;
using IID = GUID;

constexpr GUID GUID_NULL{};

// The braced upper-case text form.
[[nodiscard]] std::string GuidToString(const GUID& guid);
// Parses the braced form (either case; braces required); nullopt for anything else.
[[nodiscard]] std::optional<GUID> GuidFromString(std::string_view text);

// A new random GUID (version 4, variant 10) from the kernel's random source in `guid`. S_OK;
// E_FAIL when the kernel gives no random bytes (`guid` is GUID_NULL then).
// Safe from any thread.
[[nodiscard]] HRESULT NewGuid(GUID& guid);

}  // namespace platform
