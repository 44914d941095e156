// Expansion of environment references (%NAME%) in Windows-1252 text, as registry values of type
// REG_EXPAND_SZ need it.
//
// A reference is a name between two percent signs. A defined name is replaced by its value
// (the environment holds UTF-8; the value is converted to Windows-1252); a name that is not
// defined stays as written, percent signs included, and scanning resumes after it; a percent sign
// without a partner stays as it is. There is no escape: "%%" is an empty name, which is never
// defined. Names are matched exactly first and then without regard to ASCII case, as the original
// platform's environment is case-insensitive. Reads the process environment: do not call while
// another thread changes it.
#pragma once

#include "platform/text/string.h"

#include <cstdint>
#include <string_view>

namespace platform {

// `source` with its references expanded.
[[nodiscard]] String ExpandEnvironmentStrings(std::string_view source);

// The Win32 form: the number of characters the expansion needs, terminating zero included; the
// expansion is copied into `target` only when `size` is at least that. 0 for a null source.
[[nodiscard]] std::uint32_t ExpandEnvironmentStrings(const char* source, char* target, std::uint32_t size);

}  // namespace platform
