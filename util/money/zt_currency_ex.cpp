#include "util/money/zt_currency_ex.h"

#include "util/money/cy_operators.h"
#include "util/money/money_text.h"
#include "util/money/zt_currency.h"

#include <cmath>
#include <limits>

using money::ThrowIfFailed;

namespace {

using Wide = __int128;

// Unit of the last kept digit, indexed by the precision 0 to 4.
constexpr std::int64_t kUnidade[5] = {10000, 1000, 100, 10, 1};

bool ValidPrecision(short precisao) { return precisao >= 0 && precisao <= 4; }

CY Checked(Wide value) {
    if (value < std::numeric_limits<std::int64_t>::min() || value > std::numeric_limits<std::int64_t>::max())
        throw platform::ComError(platform::DISP_E_OVERFLOW);
    return CY{static_cast<std::int64_t>(value)};
}

// Half away from zero; computed wide so that values near the limits cannot wrap.
CY RoundHalfAway(CY value, std::int64_t unit) {
    const Wide half = value.int64 < 0 ? -(unit / 2) : unit / 2;
    return Checked(((Wide{value.int64} + half) / unit) * unit);
}

CY Truncate(CY value, std::int64_t unit) { return CY{(value.int64 / unit) * unit}; }

// Half to even on the magnitude; the sign is applied afterwards.
CY RoundHalfEven(CY value, std::int64_t unit) {
    const bool negative = value.int64 < 0;
    const Wide magnitude = negative ? -Wide{value.int64} : Wide{value.int64};
    Wide kept = magnitude / unit;
    const Wide twice = (magnitude % unit) * 2;
    if (twice > unit || (twice == unit && (kept & 1) != 0)) ++kept;
    return Checked(negative ? -(kept * unit) : kept * unit);
}

CY Normalised(CY value, short precisao, int modo) {
    if (!ValidPrecision(precisao) || precisao == 4) return value;
    const std::int64_t unit = kUnidade[precisao];
    switch (modo) {
        case CZTCurrencyEx::kArredonda: return RoundHalfAway(value, unit);
        case CZTCurrencyEx::kTrunca: return precisao == 3 || precisao == 1 ? value : Truncate(value, unit);
        case CZTCurrencyEx::kArredondaPar: return precisao == 3 || precisao == 1 ? value : RoundHalfEven(value, unit);
        default: return value;
    }
}

CY FromDouble(double value) {
    CY out;
    ThrowIfFailed(money::CyFromR8(value, &out));
    return out;
}

CY FromDecimalRoute(platform::HRESULT (*route)(CY, CY, CY*), CY left, CY right) {
    CY out;
    (void)route(left, right, &out);  // a failed route leaves 0, by design
    return out;
}

}  // namespace

CZTCurrencyEx::CZTCurrencyEx(double value) { Atribui(FromDouble(value)); }

CZTCurrencyEx::CZTCurrencyEx(CY value) { Atribui(value); }

CZTCurrencyEx::CZTCurrencyEx(bool duasCasas, bool arredonda, CY value)
    : m_precisao(duasCasas ? 2 : 4), m_modo(arredonda ? kArredonda : kTrunca) {
    Atribui(value);
}

CZTCurrencyEx::CZTCurrencyEx(bool duasCasas, int modo, CY value) : m_precisao(duasCasas ? 2 : 4), m_modo(modo) {
    Atribui(value);
}

void CZTCurrencyEx::Atribui(CY value) { m_valor = Normalised(value, m_precisao, m_modo); }

void CZTCurrencyEx::Normaliza() { Atribui(m_valor); }

void CZTCurrencyEx::SetArredonda(bool arredonda) { SetModo(arredonda ? kArredonda : kTrunca); }

void CZTCurrencyEx::SetModo(int modo) {
    m_modo = modo;
    Normaliza();
}

void CZTCurrencyEx::SetPrecisao(bool duasCasas, bool arredonda) {
    m_precisao = duasCasas ? 2 : 4;
    m_modo = arredonda ? kArredonda : kTrunca;
    Normaliza();
}

void CZTCurrencyEx::SetCasasDecimais(short casas) {
    if (casas == 0 || casas == 1 || casas == 2) {
        m_precisao = casas == 0 ? 0 : 2;
        Normaliza();
        return;
    }
    m_precisao = 4;
}

CZTCurrencyEx& CZTCurrencyEx::operator=(CY value) {
    Atribui(value);
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator=(double value) {
    Atribui(FromDouble(value));
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator=(const CZTCurrency& value) {
    Atribui(value.GetValor());
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator=(const CZTCurrencyEx& other) {
    if (this != &other) Atribui(other.m_valor);
    return *this;
}

double CZTCurrencyEx::GetValorDouble() const { return money::R8FromCy(m_valor); }

short CZTCurrencyEx::GetCentesimos() const {
    const double hundredths = std::trunc(static_cast<double>(m_valor.int64) / 100.0);
    if (hundredths < std::numeric_limits<short>::min() || hundredths > std::numeric_limits<short>::max())
        throw platform::ComError(platform::DISP_E_OVERFLOW);
    return static_cast<short>(hundredths);
}

CZTCurrencyEx& CZTCurrencyEx::operator+=(CY value) {
    Atribui(m_valor + value);
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator-=(CY value) {
    Atribui(m_valor - value);
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator*=(CY value) {
    CY out;
    ThrowIfFailed(money::CyMul(m_valor, value, &out));
    Atribui(out);
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator/=(CY value) {
    Atribui(FromDecimalRoute(money::CyDivCy, m_valor, value));
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator+=(double value) { return *this += CZTCurrencyEx(value).GetValor(); }

CZTCurrencyEx& CZTCurrencyEx::operator-=(double value) { return *this -= CZTCurrencyEx(value).GetValor(); }

CZTCurrencyEx& CZTCurrencyEx::operator*=(double value) {
    CY out;
    (void)money::CyMulR8(m_valor, value, &out);
    Atribui(out);
    return *this;
}

CZTCurrencyEx& CZTCurrencyEx::operator/=(double value) {
    CY out;
    (void)money::CyDivR8(m_valor, value, &out);
    Atribui(out);
    return *this;
}

CZTString CZTCurrencyEx::Formata() const { return ZTFormataCy(m_valor, m_precisao); }

CY CZTCurrencyEx::Percentual(CY taxa) const {
    CY product;
    ThrowIfFailed(money::CyMul(m_valor, taxa, &product));
    return FromDecimalRoute(money::CyDivCy, product, money::CyFromI4(100));
}

CY CZTCurrencyEx::Percentual(const CZTCurrencyEx& taxa) const { return Percentual(taxa.m_valor); }

CY CZTCurrencyEx::MultiplicaPorBase(std::uint16_t base) const {
    CY out;
    ThrowIfFailed(money::CyMul(m_valor, CY{base}, &out));
    return out;
}

namespace {

CY Apply(CY left, char operador, CY right, bool* applied) {
    *applied = true;
    switch (operador) {
        case '*': return left * right;
        case '+': return left + right;
        case '-': return left - right;
        case '/': return left / right;
        default: *applied = false; return left;
    }
}

}  // namespace

void ZTAplicaOperacao(CY left, char operador, const CZTCurrencyEx& right, CZTCurrencyEx& target) {
    bool applied = false;
    const CY result = Apply(left, operador, right.GetValor(), &applied);
    if (applied) target = result;
}

void ZTAplicaOperacao(CY left, char operador, std::int32_t right, CZTCurrencyEx& target) {
    bool applied = false;
    const CY result = Apply(left, operador, money::CyFromI4(right), &applied);
    if (applied) target = result;
}
