// Interest, rates and percentages on money values.
//
// Amounts, rates (in percent) and results are money (CY). A period unit is 'D' (per day, divisor
// 1), 'M' (per month, divisor 30) or anything else (per year, divisor 360). A precision of -1
// leaves the result unrounded; any other precision rounds it with ZTArredondaDouble before it
// becomes money (half to even at ten-thousandths). A non-positive amount or rate gives 0.
// A result that cannot be money throws platform::ComError(DISP_E_OVERFLOW), as the money library
// does. Pure functions, safe from any thread.
#pragma once

#include "util/money/cy.h"

#include <cstdint>

// e^(ln a * b): a to the power b for a > 0 (0 for a = 0 and b > 0, NaN for a < 0).
[[nodiscard]] double ZTPotencia(double a, double b);

// The interest of one day on `valor` for `taxa` percent per `periodo` unit; `tipo` 'S' is simple
// interest (valor * taxa/100 / divisor), anything else compound (valor * ((1 + taxa/100)^(1/divisor)
// - 1)). The result passes through single precision, so from 131072 (2^17) up consecutive floats
// are more than a cent apart and cents are lost.
[[nodiscard]] CY ZTJuroPeriodo(CY valor, char tipo, CY taxa, char periodo, short precisao);

// The rate in percent per `periodo` unit that yields `juro` (interest) in one day on `valor`; the
// inverse of ZTJuroPeriodo. 0 when the amount or the interest is not positive.
[[nodiscard]] CY ZTTaxaPeriodo(CY valor, char tipo, CY juro, char periodo, short precisao);

// valor * taxa / 100.
[[nodiscard]] CY ZTValorPercentual(CY valor, CY taxa, short precisao);

// The percentage that `parte` is of `base`: parte / base * 100. 0 when either is not positive.
[[nodiscard]] CY ZTPercentualDoValor(CY base, CY parte, short precisao);

// The interest on `valor` over `dias` days at `taxa` percent per `periodo` unit, over m = dias /
// divisor periods (a fraction: 45 days at a monthly rate are 1.5 periods). `tipo`: 'A' m + 1
// instalments, the first paid at once; 'P' m instalments at the ends of the periods (no periods,
// no interest); 'S' simple; anything else compound. Instalments are rounded to the precision
// before the interest is taken from them.
[[nodiscard]] CY ZTJuroDias(CY valor, char tipo, CY taxa, std::uint16_t dias, char periodo, short precisao);
