// Country codes of the fiscal documents: up to three digits and a modulo-11 check digit, with a
// few published codes whose check digit does not follow the rule. Pure function; any thread.
#pragma once

#include <cstdint>

// 1 when `lCodigo` (the country code with its check digit as its last digit) is valid, else 0.
// The message code goes to `pMensagem` when given: 0, 5480 (no base, more than four digits or
// negative) or 5481 (wrong check digit).
[[nodiscard]] int ZTValidaPais(std::int32_t lCodigo, int* pMensagem = nullptr);
