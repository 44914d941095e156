// Modulo-10 checks of bar-code numbers and their building blocks: a text as an array of digit
// values, a weighted sum with two alternating weights, and the test that a digit completes a
// sum. Pure functions; any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// Fills `digitos` (emptied first) with one element per character of `szTexto`: the character's
// value as a decimal digit, 0 for a non-digit. False when `bSoDigitos` is set and a non-digit
// was met; true otherwise. Null reads as empty.
[[nodiscard]] bool ZTTextoParaDigitos(const char* szTexto, CZTIntArray& digitos, bool bSoDigitos);

// The sum over every element but the last of element × weight: the 1st, 3rd, 5th … element
// takes `iPesoB`, the 2nd, 4th … `iPesoA`. 0 for fewer than two elements.
[[nodiscard]] std::int64_t ZTSomaPonderada(const CZTIntArray& digitos, int iPesoA, int iPesoB);

// True when `iDigito` completes `lSoma` to a multiple of `iModulo`: when lSoma % iModulo is 0 the
// digit must be 0, else iDigito + lSoma % iModulo must equal iModulo. False for a modulus below
// 1, which has no multiples to complete to (and 0 would divide by zero).
[[nodiscard]] bool ZTDigitoConfere(std::int64_t lSoma, int iDigito, int iModulo);

// True when `szTexto` is all digits (at least one) and its last digit is the modulo-10 check
// digit of the others weighted 3, 1, 3, 1 … from the first.
[[nodiscard]] bool ZTValidaDigitoPeso31(const char* szTexto);
// The same with weights 1, 3, 1, 3 … from the first digit.
[[nodiscard]] bool ZTValidaDigitoPeso13(const char* szTexto);
