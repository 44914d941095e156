#include "util/number/automation_conversion.h"

#include <cfloat>

namespace automation::detail {

double RoundHalfEven(double x) {
    // Decided by hand, not by std::nearbyint, which follows the thread's rounding mode.
    // x - floor(x) is exact except for x in (-0.5, 0), where a rounded difference can at worst
    // become 0.5 and still gives 0 (the odd -1 goes up), as the true value does.
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5) return below + 1.0;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::int64_t UnitsHalfEven(CY value) {
    constexpr std::int64_t kScale = 10000;
    std::int64_t units = value.int64 / kScale;  // toward zero
    const std::int64_t rest = value.int64 % kScale;  // same sign as the value
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > kScale || (twice == kScale && units % 2 != 0)) units += value.int64 < 0 ? -1 : 1;
    return units;
}

platform::HRESULT NarrowToFloat(double x, float* out) {
    if (std::isinf(x) || std::fabs(x) > static_cast<double>(FLT_MAX)) return platform::DISP_E_OVERFLOW;
    *out = static_cast<float>(x);  // NaN compares false above and passes as NaN
    return platform::S_OK;
}

}  // namespace automation::detail
