#include "platform/com/bstr.h"

#include "platform/text/codepage.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace platform {

namespace {

// A BSTR's characters may not exceed what the 32-bit byte-length prefix can hold.
constexpr std::uint32_t kMaxLength = (std::numeric_limits<std::uint32_t>::max() - 8) / sizeof(OLECHAR);

std::uint32_t* Prefix(BSTR bstr) { return reinterpret_cast<std::uint32_t*>(bstr) - 1; }

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, std::uint32_t length) {
    if (length > kMaxLength) return nullptr;
    const size_t bytes = static_cast<size_t>(length) * sizeof(OLECHAR);
    auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + bytes + sizeof(OLECHAR)));
    if (!block) return nullptr;
    block[0] = static_cast<std::uint32_t>(bytes);
    auto* chars = reinterpret_cast<BSTR>(block + 1);
    if (text) {
        std::memcpy(chars, text, bytes);
    } else {
        std::memset(chars, 0, bytes);
    }
    chars[length] = 0;
    return chars;
}

BSTR SysAllocString(const OLECHAR* text) {
    if (!text) return nullptr;
    return SysAllocStringLen(text, static_cast<std::uint32_t>(std::char_traits<OLECHAR>::length(text)));
}

void SysFreeString(BSTR bstr) {
    if (bstr) std::free(Prefix(bstr));
}

std::uint32_t SysStringByteLen(BSTR bstr) { return bstr ? *Prefix(bstr) : 0; }

std::uint32_t SysStringLen(BSTR bstr) { return SysStringByteLen(bstr) / sizeof(OLECHAR); }

BSTR SysAllocStringFromAnsi(std::string_view ansi) {
    const std::u16string wide = Utf16FromAnsi(ansi);
    return SysAllocStringLen(wide.data(), static_cast<std::uint32_t>(wide.size()));
}

String AnsiFromBstr(BSTR bstr) {
    if (!bstr) return {};
    return String(AnsiFromUtf16(std::u16string_view(bstr, SysStringLen(bstr))));
}

}  // namespace platform
