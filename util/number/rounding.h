// Rounding to a number of decimals, as the "%.*f" print of the original platform's C library
// rounds and reads back: the exact binary value is rounded at `casas` decimals, exact ties going
// away from zero (2.5 gives 3, -2.5 gives -3, 0.125 at 2 gives 0.13) and every other value by its
// exact expansion (2.675 is stored as 2.67499999... and gives 2.67; 1.005 gives 1.00).
//
// A negative `casas` rounds at 6 decimals, as the print does when it is given no precision.
// NaN and infinities come back unchanged. Pure functions that use no locale; safe from any thread.
#pragma once

#include "util/money/cy.h"

// x rounded at `casas` decimals, as printed and read back.
[[nodiscard]] double ZTArredondaDouble(double x, int casas);

// x rounded at `casas` decimals from its exact value, read back as double, then narrowed to float.
[[nodiscard]] float ZTArredondaFloat(float x, int casas);

// The money value through double, rounded by ZTArredondaDouble and made money again (half to even
// at ten-thousandths). Money ties round by their double neighbour (2.675 gives 2.67). Throws
// platform::ComError(DISP_E_OVERFLOW) when the rounded value cannot be money (at the top of the
// range, where the double is coarser than the money value).
[[nodiscard]] CY ZTArredondaCy(CY valor, int casas);
