// The automation conversion rules between the scalar types that cross the system's automation
// boundaries: unsigned 8-bit, 16-bit, unsigned 16-bit, 32-bit and unsigned 32-bit integers,
// float, double and CY (money in ten-thousandths). One generic routine, Convert, holds every rule:
//
// - integer to integer: the value, or DISP_E_OVERFLOW when the target cannot hold it;
// - float or double to integer: rounded half to even (2.5 gives 2, 3.5 gives 4, -0.5 gives 0),
//   then DISP_E_OVERFLOW when the rounded value does not fit; NaN and infinities overflow;
// - money to integer: value ÷ 10000 rounded half to even in exact integer arithmetic, then the
//   same range check;
// - integer to money: × 10000 (always fits); float or double to money: money::CyFromR8;
// - money to double: value ÷ 10000; to float: that double narrowed;
// - double to float: DISP_E_OVERFLOW for infinities and for finite values beyond FLT_MAX; NaN
//   stays NaN; integers to float or double: the nearest value.
//
// On failure the output is left unchanged. `out` must point to storage. The results do not
// depend on the floating-point rounding mode of the calling thread. Pure; safe from any thread.
#pragma once

#include "util/money/cy.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

namespace automation {

// The scalar types that take part in the conversions.
template <typename T>
inline constexpr bool kIsScalar =
    std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::uint16_t> ||
    std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::uint32_t> || std::is_same_v<T, float> ||
    std::is_same_v<T, double> || std::is_same_v<T, CY>;

namespace detail {

// x rounded to the nearest integer, halves to the even neighbour; x is finite.
[[nodiscard]] double RoundHalfEven(double x);
// The money value in whole units, rounded half to even (exact).
[[nodiscard]] std::int64_t UnitsHalfEven(CY value);
// x as float; DISP_E_OVERFLOW (*out unchanged) for infinities and finite |x| > FLT_MAX.
[[nodiscard]] platform::HRESULT NarrowToFloat(double x, float* out);

template <typename Integer, typename Wide>
[[nodiscard]] platform::HRESULT StoreIfFits(Wide value, Integer* out) {
    if (!std::in_range<Integer>(value)) return platform::DISP_E_OVERFLOW;
    *out = static_cast<Integer>(value);
    return platform::S_OK;
}

template <typename Integer>
[[nodiscard]] platform::HRESULT IntegerFromReal(double value, Integer* out) {
    if (!std::isfinite(value)) return platform::DISP_E_OVERFLOW;
    const double rounded = RoundHalfEven(value);
    // Every limit of a target up to 32 bits is exact in double, so these comparisons are exact.
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Integer>::max()))
        return platform::DISP_E_OVERFLOW;
    *out = static_cast<Integer>(rounded);
    return platform::S_OK;
}

template <typename Integer, typename From>
[[nodiscard]] platform::HRESULT ToInteger(From value, Integer* out) {
    if constexpr (std::is_same_v<From, CY>)
        return StoreIfFits(UnitsHalfEven(value), out);
    else if constexpr (std::is_floating_point_v<From>)
        return IntegerFromReal(static_cast<double>(value), out);
    else
        return StoreIfFits(value, out);
}

template <typename Real, typename From>
[[nodiscard]] platform::HRESULT ToReal(From value, Real* out) {
    if constexpr (std::is_same_v<From, CY>) {
        *out = static_cast<Real>(money::R8FromCy(value));
    } else if constexpr (std::is_same_v<Real, float> && std::is_same_v<From, double>) {
        return NarrowToFloat(value, out);
    } else {
        *out = static_cast<Real>(value);  // widening, or an integer to its nearest value
    }
    return platform::S_OK;
}

template <typename From>
[[nodiscard]] platform::HRESULT ToMoney(From value, CY* out) {
    if constexpr (std::is_same_v<From, CY>) {
        *out = value;
        return platform::S_OK;
    } else if constexpr (std::is_floating_point_v<From>) {
        return money::CyFromR8(static_cast<double>(value), out);
    } else {
        out->int64 = static_cast<std::int64_t>(value) * 10000;  // at most 2^32 × 10^4: fits
        return platform::S_OK;
    }
}

}  // namespace detail

// `value` converted to To by the rules above into *out; S_OK or DISP_E_OVERFLOW (*out unchanged).
template <typename To, typename From>
[[nodiscard]] platform::HRESULT Convert(From value, To* out) {
    static_assert(kIsScalar<To> && kIsScalar<From>, "not an automation scalar type");
    if constexpr (std::is_same_v<To, CY>)
        return detail::ToMoney(value, out);
    else if constexpr (std::is_floating_point_v<To>)
        return detail::ToReal(value, out);
    else
        return detail::ToInteger(value, out);
}

}  // namespace automation
