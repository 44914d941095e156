// Helpers shared by the folder look-ups (util/config/folders.h): the trailing-separator rule,
// reading a value that must exist, and bounded copies into callers' buffers.
#pragma once

#include "util/config/zt_registry.h"
#include "util/text/zt_string.h"

#include <cstddef>

namespace config_detail {

// `texto` ending in exactly one '/'; an empty text stays empty.
[[nodiscard]] CZTString ComBarraFinal(const CZTString& texto);

// The text of value `valor` of `registro`'s key; false when the value does not exist.
[[nodiscard]] bool LeValorExistente(const CZTRegistry& registro, const char* valor, CZTString& texto);

// Copies `texto` and its zero into `destino` of `tamanho` bytes; false (nothing written) when it
// does not fit.
[[nodiscard]] bool CopiaParaBuffer(const CZTString& texto, char* destino, std::size_t tamanho);

}  // namespace config_detail
