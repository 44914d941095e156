// BSTRs: COM's length-prefixed UTF-16 strings.
//
// A BSTR points at the first character; the 32-bit byte length sits in the four bytes before it
// and a zero character follows the text. A null BSTR and an empty one are different values and
// stay different everywhere (on the wire too). Allocated and freed only through these functions,
// on any thread. Conversions to and from the system's Windows-1252 text are in platform/codepage.h.
#pragma once

#include "platform/text/string.h"

#include <cstdint>
#include <string_view>

namespace platform {

using OLECHAR = char16_t;
using BSTR = OLECHAR*;

// A new BSTR holding `text` (null text gives null).
[[nodiscard]] BSTR SysAllocString(const OLECHAR* text);
// A new BSTR of `length` characters copied from `text` (zero-filled when text is null).
[[nodiscard]] BSTR SysAllocStringLen(const OLECHAR* text, std::uint32_t length);
// Frees a BSTR; null is allowed.
void SysFreeString(BSTR bstr);
// The length in characters; 0 for null.
[[nodiscard]] std::uint32_t SysStringLen(BSTR bstr);
// The length in bytes; 0 for null.
[[nodiscard]] std::uint32_t SysStringByteLen(BSTR bstr);

// A new BSTR holding Windows-1252 text converted to UTF-16.
[[nodiscard]] BSTR SysAllocStringFromAnsi(std::string_view ansi);
// The Windows-1252 text of a BSTR (empty for null).
[[nodiscard]] String AnsiFromBstr(BSTR bstr);

}  // namespace platform
