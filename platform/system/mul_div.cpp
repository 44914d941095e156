#include "platform/system/mul_div.h"

#include <cstdint>
#include <limits>

namespace platform {

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    // Both magnitudes fit: |product| <= 2^62 and |denominator| <= 2^31.
    const std::int64_t dividend = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator;
    const std::int64_t magnitude = (dividend + divisor / 2) / divisor;
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max()) return -1;
    return static_cast<int>(result);
}

}  // namespace platform
