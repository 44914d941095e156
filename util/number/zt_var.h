// The library's automation-value conversions: `ZTVar` + target + `From` + source with the
// platform's type letters (UI1 unsigned 8-bit, I2 16-bit, UI2 unsigned 16-bit, I4 32-bit,
// UI4 unsigned 32-bit, R4 float, R8 double, Cy money), each following the rules of
// util/number/automation_conversion.h; and setting / reading a CZTCurrency from those pieces.
//
// Every ZTVar routine returns S_OK or DISP_E_OVERFLOW; on failure *out is left unchanged and is
// not to be used. The CZTCurrency sources take the money object by value and convert its value
// (0 when it is invalid). Pure functions; safe from any thread.
#pragma once

#include "util/money/cy.h"
#include "util/money/zt_currency.h"

#include <cstdint>

// To unsigned 8-bit.
[[nodiscard]] platform::HRESULT ZTVarUI1FromI2(short value, std::uint8_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI1FromI4(std::int32_t value, std::uint8_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI1FromR4(float value, std::uint8_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI1FromR8(double value, std::uint8_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI1FromCy(CY value, std::uint8_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI1FromCZTCurrency(CZTCurrency value, std::uint8_t* out);

// To 16-bit.
[[nodiscard]] platform::HRESULT ZTVarI2FromUI1(std::uint8_t value, short* out);
[[nodiscard]] platform::HRESULT ZTVarI2FromI4(std::int32_t value, short* out);
[[nodiscard]] platform::HRESULT ZTVarI2FromR4(float value, short* out);
[[nodiscard]] platform::HRESULT ZTVarI2FromR8(double value, short* out);
[[nodiscard]] platform::HRESULT ZTVarI2FromCy(CY value, short* out);
[[nodiscard]] platform::HRESULT ZTVarI2FromCZTCurrency(CZTCurrency value, short* out);

// To 32-bit.
[[nodiscard]] platform::HRESULT ZTVarI4FromUI1(std::uint8_t value, std::int32_t* out);
[[nodiscard]] platform::HRESULT ZTVarI4FromI2(short value, std::int32_t* out);
[[nodiscard]] platform::HRESULT ZTVarI4FromR4(float value, std::int32_t* out);
[[nodiscard]] platform::HRESULT ZTVarI4FromR8(double value, std::int32_t* out);
[[nodiscard]] platform::HRESULT ZTVarI4FromCy(CY value, std::int32_t* out);
[[nodiscard]] platform::HRESULT ZTVarI4FromCZTCurrency(CZTCurrency value, std::int32_t* out);

// To unsigned 32-bit.
[[nodiscard]] platform::HRESULT ZTVarUI4FromUI1(std::uint8_t value, std::uint32_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI4FromI2(short value, std::uint32_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI4FromR4(float value, std::uint32_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI4FromR8(double value, std::uint32_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI4FromCy(CY value, std::uint32_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI4FromCZTCurrency(CZTCurrency value, std::uint32_t* out);

// To unsigned 16-bit.
[[nodiscard]] platform::HRESULT ZTVarUI2FromUI1(std::uint8_t value, std::uint16_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI2FromI4(std::int32_t value, std::uint16_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI2FromR4(float value, std::uint16_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI2FromR8(double value, std::uint16_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI2FromCy(CY value, std::uint16_t* out);
[[nodiscard]] platform::HRESULT ZTVarUI2FromCZTCurrency(CZTCurrency value, std::uint16_t* out);

// To float.
[[nodiscard]] platform::HRESULT ZTVarR4FromUI1(std::uint8_t value, float* out);
[[nodiscard]] platform::HRESULT ZTVarR4FromI2(short value, float* out);
[[nodiscard]] platform::HRESULT ZTVarR4FromI4(std::int32_t value, float* out);
[[nodiscard]] platform::HRESULT ZTVarR4FromR8(double value, float* out);
[[nodiscard]] platform::HRESULT ZTVarR4FromCy(CY value, float* out);
[[nodiscard]] platform::HRESULT ZTVarR4FromCZTCurrency(CZTCurrency value, float* out);

// To double.
[[nodiscard]] platform::HRESULT ZTVarR8FromUI1(std::uint8_t value, double* out);
[[nodiscard]] platform::HRESULT ZTVarR8FromI2(short value, double* out);
[[nodiscard]] platform::HRESULT ZTVarR8FromI4(std::int32_t value, double* out);
[[nodiscard]] platform::HRESULT ZTVarR8FromR4(float value, double* out);
[[nodiscard]] platform::HRESULT ZTVarR8FromCy(CY value, double* out);
[[nodiscard]] platform::HRESULT ZTVarR8FromCZTCurrency(CZTCurrency value, double* out);

// To money.
[[nodiscard]] platform::HRESULT ZTVarCyFromUI1(std::uint8_t value, CY* out);
[[nodiscard]] platform::HRESULT ZTVarCyFromI2(short value, CY* out);
[[nodiscard]] platform::HRESULT ZTVarCyFromI4(std::int32_t value, CY* out);
[[nodiscard]] platform::HRESULT ZTVarCyFromR4(float value, CY* out);
[[nodiscard]] platform::HRESULT ZTVarCyFromR8(double value, CY* out);

// Setting a CZTCurrency (which then holds valid money); on failure the target, its validity
// included, is left unchanged. Its decimals mode and round flag are never touched.
// The raw money value, copied (S_OK).
platform::HRESULT ZTSetCZTCurrency(CZTCurrency& target, CY value);
// The integer stored as the raw count of ten-thousandths, not as units (200 holds 0.02; S_OK).
platform::HRESULT ZTSetCZTCurrency(CZTCurrency& target, std::uint8_t value);
platform::HRESULT ZTSetCZTCurrency(CZTCurrency& target, std::uint32_t value);
// The value converted as whole units (S_OK, or DISP_E_OVERFLOW for a float or double that
// cannot be money).
[[nodiscard]] platform::HRESULT ZTSetCZTCurrency(CZTCurrency& target, short value);
[[nodiscard]] platform::HRESULT ZTSetCZTCurrency(CZTCurrency& target, float value);
[[nodiscard]] platform::HRESULT ZTSetCZTCurrency(CZTCurrency& target, double value);

// Copies the raw money value of `source` (0 when it is invalid) into `target`.
void ZTGetCyDeCZTCurrency(const CZTCurrency& source, CY& target);
