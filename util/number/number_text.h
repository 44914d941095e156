// Numbers as text, in the forms the programs show and store.
//
// ZTDoubleParaTexto / ZTFloatParaTexto write the general conversion with at most 15 significant
// digits of the platform's C library: rounded half away from zero at the 15th digit; fixed form
// for decimal exponents from -1 to 14 (0.5, 1234.5), exponent form with a sign and three digits
// otherwise (0.05 is 5.e-002, 1e20 is 1.e+020); trailing zeros of the fraction dropped but the
// decimal point always kept, and "00" appended when the text ends with it (12 gives 12.00).
// Infinities and NaNs read 1.#INF, -1.#INF, 1.#QNAN, -1.#IND (the processor's default NaN) and
// 1.#SNAN, as that library printed them. A float is widened to double first, so 0.1f gives
// 0.100000001490116. Pure functions; safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// The value in the general form above.
[[nodiscard]] CZTString ZTDoubleParaTexto(double value);
[[nodiscard]] CZTString ZTFloatParaTexto(float value);

// The decimal text of the value, with a leading '-' for negatives (-32768, 65535).
[[nodiscard]] CZTString ZTLongParaTexto(std::int32_t value);
[[nodiscard]] CZTString ZTShortParaTexto(short value);
[[nodiscard]] CZTString ZTWordParaTexto(std::uint16_t value);
[[nodiscard]] CZTString ZTByteParaTexto(std::uint8_t value);
