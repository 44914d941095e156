// Scaling a 32-bit number by a ratio without losing the intermediate product: the original
// platform's MulDiv, on which font heights and other device sizes rely.
//
// Pure; safe from any thread.
#pragma once

namespace platform {

// number × numerator ÷ denominator over a 64-bit product, rounded half away from zero
// (7 × 1 ÷ 2 = 4, −7 × 1 ÷ 2 = −4). −1 when the denominator is 0 or the result does not fit in
// 32 bits (so −1 is also what a genuine result of −1 looks like, as on the original platform).
[[nodiscard]] int MulDiv(int number, int numerator, int denominator);

}  // namespace platform
