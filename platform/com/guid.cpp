#include "platform/com/guid.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

std::optional<unsigned> HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return static_cast<unsigned>(ch - '0');
    if (ch >= 'a' && ch <= 'f') return static_cast<unsigned>(ch - 'a' + 10);
    if (ch >= 'A' && ch <= 'F') return static_cast<unsigned>(ch - 'A' + 10);
    return std::nullopt;
}

// Reads `digits` hex digits at `pos`, advancing it.
std::optional<std::uint32_t> ReadHex(std::string_view text, size_t& pos, int digits) {
    std::uint32_t value = 0;
    for (int i = 0; i < digits; ++i, ++pos) {
        if (pos >= text.size()) return std::nullopt;
        const auto digit = HexDigit(text[pos]);
        if (!digit) return std::nullopt;
        value = (value << 4) | *digit;
    }
    return value;
}

bool Expect(std::string_view text, size_t& pos, char ch) {
    if (pos >= text.size() || text[pos] != ch) return false;
    ++pos;
    return true;
}

// Fills `bytes` from the kernel's random source; false when it gives too few.
bool RandomBytes(std::uint8_t* bytes, size_t count) {
    size_t filled = 0;
    // A read cut short by a signal is retried; a bound keeps a misbehaving source from spinning.
    for (int attempt = 0; attempt < 16 && filled < count; ++attempt) {
        const ssize_t got = ::getrandom(bytes + filled, count - filled, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        filled += static_cast<size_t>(got);
    }
    return filled == count;
}

}  // namespace

HRESULT NewGuid(GUID& guid) {
    guid = GUID_NULL;
    std::uint8_t bytes[sizeof(GUID)];
    if (!RandomBytes(bytes, sizeof bytes)) return E_FAIL;
    GUID fresh;
    std::memcpy(&fresh, bytes, sizeof fresh);
    // The version sits in the top four bits of Data3, the variant in the top two of Data4[0].
    fresh.Data3 = static_cast<std::uint16_t>((fresh.Data3 & 0x0FFF) | 0x4000);
    fresh.Data4[0] = static_cast<std::uint8_t>((fresh.Data4[0] & 0x3F) | 0x80);
    guid = fresh;
    return S_OK;
}

std::string GuidToString(const GUID& g) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
                  g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

std::optional<GUID> GuidFromString(std::string_view text) {
    if (text.size() != 38) return std::nullopt;
    GUID g{};
    size_t pos = 0;
    if (!Expect(text, pos, '{')) return std::nullopt;
    const auto d1 = ReadHex(text, pos, 8);
    if (!d1 || !Expect(text, pos, '-')) return std::nullopt;
    const auto d2 = ReadHex(text, pos, 4);
    if (!d2 || !Expect(text, pos, '-')) return std::nullopt;
    const auto d3 = ReadHex(text, pos, 4);
    if (!d3 || !Expect(text, pos, '-')) return std::nullopt;
    g.Data1 = *d1;
    g.Data2 = static_cast<std::uint16_t>(*d2);
    g.Data3 = static_cast<std::uint16_t>(*d3);
    for (int i = 0; i < 8; ++i) {
        if (i == 2 && !Expect(text, pos, '-')) return std::nullopt;
        const auto byte = ReadHex(text, pos, 2);
        if (!byte) return std::nullopt;
        g.Data4[i] = static_cast<std::uint8_t>(*byte);
    }
    if (!Expect(text, pos, '}')) return std::nullopt;
    return g;
}

}  // namespace platform
