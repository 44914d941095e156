// CY: the 64-bit automation currency value (a signed count of ten-thousandths, 1.5 is 15000) and
// the automation routines that compute on it.
//
// Every routine reports an HRESULT and never overflows the 64-bit value: sums and products are
// checked before they are stored, and a failed routine leaves its output as documented below.
// Conversions to currency round half to even, as the automation conversions do. The quotient
// routes compute exactly in 128-bit integers (wider than the 96-bit decimal they stand for).
// Plain values; every function is pure and safe from any thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

namespace platform {
// Automation results of the original platform for money that does not fit and division by zero.
constexpr HRESULT DISP_E_OVERFLOW = MakeHResult(0x8002000A);
constexpr HRESULT DISP_E_DIVBYZERO = MakeHResult(0x80020012);
}  // namespace platform

// The raw money value. A distinct type, so the money operators never apply to plain integers.
struct CY {
    std::int64_t int64 = 0;

    // The two 32-bit words of the value (high signed, low unsigned).
    [[nodiscard]] std::int32_t Hi() const { return static_cast<std::int32_t>(int64 >> 32); }
    [[nodiscard]] std::uint32_t Lo() const { return static_cast<std::uint32_t>(int64 & 0xFFFFFFFFu); }
};

// A raw money value from its count of ten-thousandths.
[[nodiscard]] constexpr CY CyFromRaw(std::int64_t raw) { return CY{raw}; }

namespace money {

// The sum / difference into *out; on overflow DISP_E_OVERFLOW and *out unchanged.
[[nodiscard]] platform::HRESULT CyAdd(CY left, CY right, CY* out);
[[nodiscard]] platform::HRESULT CySub(CY left, CY right, CY* out);
// The product of two money values (rounded half to even to ten-thousandths); on overflow
// DISP_E_OVERFLOW and *out unchanged.
[[nodiscard]] platform::HRESULT CyMul(CY left, CY right, CY* out);
// The negation; DISP_E_OVERFLOW for the most negative value (no positive twin), *out unchanged.
[[nodiscard]] platform::HRESULT CyNeg(CY value, CY* out);

// A double rounded half to even to ten-thousandths; NaN, infinities and values beyond the range
// give DISP_E_OVERFLOW with *out unchanged.
[[nodiscard]] platform::HRESULT CyFromR8(double value, CY* out);
// The value as double (exact up to the 53-bit mantissa).
[[nodiscard]] double R8FromCy(CY value);
// Whole units as money (always fits).
[[nodiscard]] CY CyFromI4(std::int32_t units);
// The value rounded half to even to whole units; DISP_E_OVERFLOW beyond 32 bits, *out unchanged.
[[nodiscard]] platform::HRESULT I4FromCy(CY value, std::int32_t* out);

// The quotient and double routes: *out is set to 0 first and stays 0 when the computation fails
// (DISP_E_DIVBYZERO, DISP_E_OVERFLOW); results are rounded half to even to ten-thousandths.
// A double enters with its 15 significant decimal digits, as a decimal made from it would.
[[nodiscard]] platform::HRESULT CyDivCy(CY left, CY right, CY* out);
[[nodiscard]] platform::HRESULT CyMulR8(CY left, double right, CY* out);
[[nodiscard]] platform::HRESULT CyDivR8(CY left, double right, CY* out);
[[nodiscard]] platform::HRESULT R8DivCy(double left, CY right, CY* out);

// Throws platform::ComError(hr) when hr is a failure.
void ThrowIfFailed(platform::HRESULT hr);

}  // namespace money
