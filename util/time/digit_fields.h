// Reading numbers out of typed text by position: the digits of a text, and a field of fixed width
// at a fixed place. Shared by the date, day-count and time-of-day parsers of this folder.
// Pure functions, safe from any thread.
#pragma once

#include <string>
#include <string_view>

// The digits of `texto` in order, at most `maximo` of them (later ones are dropped); none for null.
[[nodiscard]] std::string ZTDigitosDoTexto(const char* texto, int maximo);

// The number written at `texto`[inicio, inicio + largura) as the C library's atoi would read that
// piece: leading blanks skipped, then digits up to the first other character. The piece is cut at
// the end of the text; 0 when it holds no digit. `largura` is at most 9.
[[nodiscard]] int ZTCampoNumerico(std::string_view texto, size_t inicio, size_t largura);
