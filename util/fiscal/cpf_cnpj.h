// Company (CNPJ, 14 digits) and person (CPF, 11 digits) registration numbers: their two check
// digits and their display form.
//
// Digit texts are NUL-terminated '0'..'9'. A routine that needs more digits than the text holds,
// or finds a non-digit among them, never reads past the terminator and answers -1 (not a digit).
// Pure functions; any thread.
#pragma once

#include "util/text/zt_string.h"

// Check digit `iDigito` (1 or 2) of a CNPJ: digit 1 over the first 12 digits of `szNumero`,
// digit 2 over the first 13 (digit 1 included); -1 for any other `iDigito` or too few digits.
[[nodiscard]] int ZTDigitoCNPJ(int iDigito, const char* szNumero);
// Check digit `iDigito` (1 or 2) of a CPF: digit 1 over the first 9 digits, digit 2 over the
// first 10; -1 for any other `iDigito` or too few digits.
[[nodiscard]] int ZTDigitoCPF(int iDigito, const char* szNumero);

// With `bFormata`: a text of exactly 11 digits becomes ddd.ddd.ddd-dd and one of exactly 14
// digits dd.ddd.ddd/dddd-dd; any other text (other length, or not all digits) stays.
// Without it: the text keeps only its digits (at most 20 of them), then loses the two check
// digits when 11 or 14 digits remain, leaving the base number.
void ZTFormataCpfCnpj(CZTString& strNumero, bool bFormata);
