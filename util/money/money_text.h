// Money as text and text as money: the Brazilian forms the programs show and read (',' before
// the decimals, '.' grouping thousands), and money as a bare count of ten-thousandths.
//
// Texts are Windows-1252 bytes. Money that does not fit raises platform::ComError
// (DISP_E_OVERFLOW) instead of wrapping. Pure functions, safe from any thread.
#pragma once

#include "util/money/cy.h"
#include "util/text/zt_string.h"

#include <cstddef>
#include <cstdint>

class CZTCurrency;

// The value with `casas` decimals (0 to 4, rounded half away from zero), ',' before the decimals,
// '.' between groups of three and a leading '-' (1234.5 with 2 gives 1.234,50).
[[nodiscard]] CZTString ZTFormataCy(CY value, short casas);

// Money from text such as -1.234,5 (see the header of money_text.cpp for the reading rules);
// throws DISP_E_OVERFLOW when the digits do not fit; null reads as 0.
[[nodiscard]] CY ZTTextoParaCy(const char* texto);
void ZTTextoParaCZTCurrency(const char* texto, CZTCurrency& target);

// The magnitude in ten-thousandths as bare digits (-12,5 gives 125000, 0 gives 00000) into
// `buffer` of `size` bytes; false (buffer empty when size > 0) when it does not fit.
[[nodiscard]] bool ZTCyParaDigitos(CY value, char* buffer, std::size_t size);

// Integer part, ',' and two to four decimals, '-' for negatives, no grouping (12.5 gives 12,50).
[[nodiscard]] CZTString ZTCyParaTexto(CY value);
[[nodiscard]] CZTString ZTCyParaTexto(const CZTCurrency& value);

// value × 10000 (casas 4) or × 100 (otherwise), rounded half to even to a 32-bit integer;
// throws DISP_E_OVERFLOW beyond 32 bits / the reverse.
[[nodiscard]] std::int32_t ZTCyParaInteiro(CY value, int casas);
[[nodiscard]] CY ZTInteiroParaCy(std::int32_t n, int casas);
