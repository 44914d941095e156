// How the data classes write their one-line texts for the operations log: "Rótulo: valor; "
// pieces in Windows-1252, one after the other. Internal to the client library; stateless, any
// thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstddef>
#include <cstdint>

namespace pendora::detail {

// The mark that the log report replaces, in order, by the code and name of each type that a
// location accepts.
inline constexpr char kMarcaTipDocLog = '\x01';

// A record's text field up to its NUL or the field's end, whichever comes first, with every
// control character made a blank: the line stays one line and the report's marks stay ours.
[[nodiscard]] CZTString TextoDoCampoLog(const char* campo, std::size_t tamanho);
template <std::size_t N>
[[nodiscard]] CZTString TextoDoCampoLog(const char (&campo)[N]) {
    return TextoDoCampoLog(campo, N);
}

// Appends "rótulo: valor; "; the label is UTF-8 source text, the value Windows-1252.
void AcrescentaCampoLog(CZTString& texto, const char* rotuloUtf8, const char* valor);

// "Grupo" for a record with the group bit (0x1), "Analítica" otherwise.
[[nodiscard]] CZTString TextoGrupoLog(std::uint32_t dwFlags);

// `nome` when a table has one, else the value's number: an unknown value stays visible.
[[nodiscard]] CZTString NomeOuNumeroLog(const char* nome, std::int64_t valor);

}  // namespace pendora::detail
