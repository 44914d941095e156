// The text of a fixed-size character field of a record (a code, a name, a file name), read up to
// its first NUL or the field's end, whichever comes first: a field that a damaged file or a
// client filled to the last byte is never read past. Pure; safe from any thread.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

template <std::size_t N>
[[nodiscard]] std::string_view QDTextoFixo(const char (&campo)[N]) {
    return {campo, ::strnlen(campo, N)};
}
