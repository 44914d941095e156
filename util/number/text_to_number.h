// Numbers read from text: the text is read as a money text by ZTTextoParaCy (util/money/
// money_text.h: ',' before the decimals, '.' grouping thousands, a '-' anywhere for negatives,
// null as 0) and the money value converted to the target by the matching ZTVar…FromCy
// (util/number/zt_var.h), so 2,5 gives the integer 2 and 3,5 gives 4.
//
// Each returns S_OK or DISP_E_OVERFLOW, also when the text holds more digits than money can:
// the money reader's exception never leaves these routines. On failure *out is unchanged.
// Pure functions; safe from any thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

[[nodiscard]] platform::HRESULT ZTTextoParaUI1(const char* text, std::uint8_t* out);
[[nodiscard]] platform::HRESULT ZTTextoParaI2(const char* text, short* out);
[[nodiscard]] platform::HRESULT ZTTextoParaI4(const char* text, std::int32_t* out);
[[nodiscard]] platform::HRESULT ZTTextoParaUI4(const char* text, std::uint32_t* out);
[[nodiscard]] platform::HRESULT ZTTextoParaUI2(const char* text, std::uint16_t* out);
[[nodiscard]] platform::HRESULT ZTTextoParaR4(const char* text, float* out);
[[nodiscard]] platform::HRESULT ZTTextoParaR8(const char* text, double* out);
