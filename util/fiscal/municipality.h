// IBGE municipality codes: seven digits, the two-digit state code, four for the municipality and
// a check digit. Pure functions; any thread.
#pragma once

#include <cstdint>

// The check digit of a municipality code given with its check digit (7 digits, which is dropped
// first) or without it (6 digits); -1 for a number of any other length, negative included.
[[nodiscard]] int ZTDigitoMunicipio(std::int32_t lCodigo);

// 1 when `lCodigo` is a valid 7-digit municipality code of the unit or state code `szUF` (a
// unit such as "SP" or a code such as "35"; null or empty: any state), else 0. The message code
// goes to `pMensagem` when given: 0, or 5474 (not 7 digits, negative included), 5475
// (municipality part zero), 5476 (another state, or a unit or code that is not in the table),
// 5477 (wrong check digit).
[[nodiscard]] int ZTValidaMunicipio(std::int32_t lCodigo, const char* szUF = nullptr, int* pMensagem = nullptr);
