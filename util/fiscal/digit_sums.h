// Building blocks that the fiscal check digits share: reading a run of decimal digits without
// passing the text's terminator, and the modulo-11 digit with weights growing from the last
// digit back (the form of the company, person and country numbers). Pure functions; any thread.
#pragma once

#include <cstdint>

namespace fiscal {

// Returned by the digit routines when the input cannot give a digit.
inline constexpr int kSemDigito = -1;

// Copies the values of the first `quantos` characters of `texto` into `digitos`; false when
// `texto` is null, ends earlier or holds a non-digit among them. Never reads past the NUL.
[[nodiscard]] bool LeDigitos(const char* texto, int quantos, int* digitos);

// The decimal digits of `valor`, most significant first, into `digitos` (room for
// `capacidade`); returns how many, or 0 when they do not fit.
[[nodiscard]] int DigitosDoNumero(std::uint32_t valor, int* digitos, int capacidade);

// The modulo-11 digit of `quantos` digits: from the last digit back they are weighted 2, 3, …;
// after `pesoMaximo` the weight starts again at 2 (0: it never does). With r = sum mod 11 the
// digit is 0 when r is 0 or 1, else 11 - r.
[[nodiscard]] int DigitoOnzeReverso(const int* digitos, int quantos, int pesoMaximo);

}  // namespace fiscal
