// Free operators and comparisons on raw money values (results raw, never normalised).
//
// Sums, differences, products and negation of money throw platform::ComError(DISP_E_OVERFLOW)
// rather than produce a wrapped value. Quotients and products with a double go through the exact
// decimal route and give 0 when it fails (division by zero included). A double in a comparison, sum
// or difference is first turned into money (four decimals, rounded half to even). Pure functions.
#pragma once

#include "util/money/cy.h"

[[nodiscard]] CY operator+(CY left, CY right);
[[nodiscard]] CY operator+(CY left, double right);
[[nodiscard]] CY operator+(double left, CY right);
[[nodiscard]] CY operator-(CY left, CY right);
[[nodiscard]] CY operator-(CY left, double right);
[[nodiscard]] CY operator-(double left, CY right);
[[nodiscard]] CY operator*(CY left, CY right);
[[nodiscard]] CY operator*(CY left, double right);
[[nodiscard]] CY operator*(double left, CY right);
[[nodiscard]] CY operator/(CY left, CY right);
[[nodiscard]] CY operator/(CY left, double right);
[[nodiscard]] CY operator/(double left, CY right);
[[nodiscard]] CY operator+(CY value);
[[nodiscard]] CY operator-(CY value);

[[nodiscard]] bool operator==(CY left, CY right);
[[nodiscard]] bool operator!=(CY left, CY right);
[[nodiscard]] bool operator<(CY left, CY right);
[[nodiscard]] bool operator>(CY left, CY right);
[[nodiscard]] bool operator<=(CY left, CY right);
[[nodiscard]] bool operator>=(CY left, CY right);
[[nodiscard]] bool operator==(CY left, double right);
[[nodiscard]] bool operator!=(CY left, double right);
[[nodiscard]] bool operator<(CY left, double right);
[[nodiscard]] bool operator>(CY left, double right);
[[nodiscard]] bool operator<=(CY left, double right);
[[nodiscard]] bool operator>=(CY left, double right);
[[nodiscard]] bool operator==(double left, CY right);
[[nodiscard]] bool operator!=(double left, CY right);
[[nodiscard]] bool operator<(double left, CY right);
[[nodiscard]] bool operator>(double left, CY right);
[[nodiscard]] bool operator<=(double left, CY right);
[[nodiscard]] bool operator>=(double left, CY right);

CY& operator+=(CY& left, CY right);
CY& operator-=(CY& left, CY right);
CY& operator*=(CY& left, CY right);
CY& operator/=(CY& left, CY right);
CY& operator+=(CY& left, double right);
CY& operator-=(CY& left, double right);
CY& operator*=(CY& left, double right);
CY& operator/=(CY& left, double right);

// a < b and a > b by the high words as signed, then the low words as unsigned.
[[nodiscard]] bool ZTCyMenor(CY a, CY b);
[[nodiscard]] bool ZTCyMaior(CY a, CY b);
