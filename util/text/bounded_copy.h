// The one way the text routines copy a result into a caller's buffer of known size.
//
// Internal to util/text. Safe from any thread on distinct buffers.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

namespace zt_text_detail {

// Copies `text` into `target`, cut to size - 1 characters and NUL-terminated; nothing is written
// past target[size - 1]. True when the whole text fit; false, writing nothing, for a null target
// or a size below 1.
[[nodiscard]] inline bool CopyBounded(std::string_view text, char* target, int size) {
    if (!target || size < 1) return false;
    const auto room = static_cast<size_t>(size) - 1;
    const size_t length = std::min(text.size(), room);
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
    return text.size() <= room;
}

}  // namespace zt_text_detail
