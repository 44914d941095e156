#include "util/money/cy_operators.h"

#include "util/money/zt_currency_ex.h"

using money::ThrowIfFailed;

namespace {

// A double as money compares and adds: four decimals, rounded half to even.
CY Money(double value) { return CZTCurrencyEx(value).GetValor(); }

// The decimal routes report failure by a result of 0, by design.
CY Quotient(platform::HRESULT (*route)(CY, CY, CY*), CY left, CY right) {
    CY out;
    (void)route(left, right, &out);
    return out;
}

}  // namespace

CY operator+(CY left, CY right) {
    CY out;
    ThrowIfFailed(money::CyAdd(left, right, &out));
    return out;
}
CY operator+(CY left, double right) { return left + Money(right); }
CY operator+(double left, CY right) { return Money(left) + right; }

CY operator-(CY left, CY right) {
    CY out;
    ThrowIfFailed(money::CySub(left, right, &out));
    return out;
}
CY operator-(CY left, double right) { return left - Money(right); }
CY operator-(double left, CY right) { return Money(left) - right; }

CY operator*(CY left, CY right) {
    CY out;
    ThrowIfFailed(money::CyMul(left, right, &out));
    return out;
}
CY operator*(CY left, double right) {
    CY out;
    (void)money::CyMulR8(left, right, &out);
    return out;
}
CY operator*(double left, CY right) { return right * left; }

CY operator/(CY left, CY right) { return Quotient(money::CyDivCy, left, right); }
CY operator/(CY left, double right) {
    CY out;
    (void)money::CyDivR8(left, right, &out);
    return out;
}
CY operator/(double left, CY right) {
    CY out;
    (void)money::R8DivCy(left, right, &out);
    return out;
}

CY operator+(CY value) { return value; }
CY operator-(CY value) {
    CY out;
    ThrowIfFailed(money::CyNeg(value, &out));
    return out;
}

bool operator==(CY left, CY right) { return left.int64 == right.int64; }
bool operator!=(CY left, CY right) { return left.int64 != right.int64; }
bool operator<(CY left, CY right) { return left.int64 < right.int64; }
bool operator>(CY left, CY right) { return left.int64 > right.int64; }
bool operator<=(CY left, CY right) { return left.int64 <= right.int64; }
bool operator>=(CY left, CY right) { return left.int64 >= right.int64; }
bool operator==(CY left, double right) { return left == Money(right); }
bool operator!=(CY left, double right) { return left != Money(right); }
bool operator<(CY left, double right) { return left < Money(right); }
bool operator>(CY left, double right) { return left > Money(right); }
bool operator<=(CY left, double right) { return left <= Money(right); }
bool operator>=(CY left, double right) { return left >= Money(right); }
bool operator==(double left, CY right) { return Money(left) == right; }
bool operator!=(double left, CY right) { return Money(left) != right; }
bool operator<(double left, CY right) { return Money(left) < right; }
bool operator>(double left, CY right) { return Money(left) > right; }
bool operator<=(double left, CY right) { return Money(left) <= right; }
bool operator>=(double left, CY right) { return Money(left) >= right; }

CY& operator+=(CY& left, CY right) { return left = left + right; }
CY& operator-=(CY& left, CY right) { return left = left - right; }
CY& operator*=(CY& left, CY right) { return left = left * right; }
CY& operator/=(CY& left, CY right) { return left = left / right; }
CY& operator+=(CY& left, double right) { return left = left + right; }
CY& operator-=(CY& left, double right) { return left = left - right; }
CY& operator*=(CY& left, double right) { return left = left * right; }
CY& operator/=(CY& left, double right) { return left = left / right; }

bool ZTCyMenor(CY a, CY b) {
    if (a.Hi() != b.Hi()) return a.Hi() < b.Hi();
    return a.Lo() < b.Lo();
}

bool ZTCyMaior(CY a, CY b) {
    if (a.Hi() != b.Hi()) return a.Hi() > b.Hi();
    return a.Lo() > b.Lo();
}
