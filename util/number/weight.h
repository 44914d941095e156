// Weight conversion between the units of the system, in money values (four decimals).
//
// The value is brought to milligrams and then to the target unit with CZTCurrencyEx values of
// precision 4 in rounding mode 0; every step is rounded at ten-thousandths by the money routes
// (ties to even: at precision 4 the mode has no digit left to round).
// A value whose milligrams (or whose milligrams times 2.2046, for pounds) cannot be money throws
// platform::ComError(DISP_E_OVERFLOW) from CZTCurrencyEx, even when the result itself would fit.
// Pure function, safe from any thread.
#pragma once

#include "util/money/cy.h"

// The units; any other number is read as kilograms.
constexpr short kPesoQuilograma = 1;
constexpr short kPesoDecigrama = 2;
constexpr short kPesoCentigrama = 3;
constexpr short kPesoMiligrama = 4;
constexpr short kPesoGrama = 5;
constexpr short kPesoLibra = 6;  // pound

// `valor` in unit `de` as unit `para` (1 pound is 453592.37 mg; 1 kg is 2.2046 pounds).
[[nodiscard]] CY ZTConvertePeso(CY valor, short de, short para);
