// How the data classes hand their texts to the quick search: each text cut at its first NUL,
// accent-folded (ZTRetiraAcentos) and appended to the list, empty ones left out. Internal to
// the client library; stateless, any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstddef>
#include <cstring>
#include <string_view>

namespace pendora::detail {

// Appends the folded text when, up to its first NUL, it is not empty.
void AcrescentaTextoBusca(CZTStringArray& lista, std::string_view texto);

// A record's text field up to its NUL or the field's end, whichever comes first.
template <std::size_t N>
[[nodiscard]] std::string_view TextoDoCampo(const char (&campo)[N]) {
    return {campo, ::strnlen(campo, N)};
}

}  // namespace pendora::detail
