#include "util/number/interest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Money from a value in units (exact for the few decimals used here).
CY M(double unidades) { return CyFromRaw(std::llround(unidades * 10000.0)); }

template <typename Chamada>
platform::HRESULT Codigo(Chamada chamada) {
    try {
        (void)chamada();
    } catch (const platform::ComError& e) {
        return e.Error();
    }
    return platform::S_OK;
}

// Guards the power as e^(ln a * b) against the library power, and its edges.
TEST(ZTPotencia, PowerThroughLogarithm) {
    const struct { double a, b; } casos[] = {{2.0, 10.0}, {1.01, 3.0}, {1.03, 1.0 / 30.0}, {9.0, 0.5}, {1.12, 360.0}, {1.01, -1.5}};
    for (const auto& c : casos) EXPECT_NEAR(ZTPotencia(c.a, c.b), std::pow(c.a, c.b), 1e-12 * std::pow(c.a, c.b)) << c.a;
    EXPECT_EQ(ZTPotencia(5.0, 0.0), 1.0);
    EXPECT_EQ(ZTPotencia(0.0, 2.0), 0.0);
    EXPECT_TRUE(std::isnan(ZTPotencia(-8.0, 2.0)));
}

struct CasoPeriodo {
    double valor;
    char tipo;
    double taxaOuJuro;
    char periodo;
    short precisao;
    double esperado;
};

// Guards each kind against each period unit (divisors 1, 30, 360) and precision -1 against a given
// precision: 1000 at 3% a month compound is 1000 * (1.03^(1/30) - 1) = 0.98577897 a day.
TEST(ZTJuroPeriodo, InterestOfOneDay) {
    const CasoPeriodo casos[] = {
        {3000, 'S', 3, 'M', 2, 3.00},      {1000, 'S', 0.5, 'D', 2, 5.00},     {36000, 'S', 12, 'A', 2, 12.00},
        {36000, 'S', 12, 'X', 2, 12.00},   {1000, 'S', 1, 'M', 2, 0.33},       {1000, 'S', 1, 'M', -1, 0.3333},
        {1000, 'C', 3, 'M', 2, 0.99},      {1000, 'C', 3, 'M', -1, 0.9858},    {36000, 'C', 12, 'A', 2, 11.33},
        {36000, 'C', 12, 'A', -1, 11.3347}, {1000, 'C', 2, 'D', 2, 20.00},     {1000, 'C', 2, 'D', -1, 20.00},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ZTJuroPeriodo(M(c.valor), c.tipo, M(c.taxaOuJuro), c.periodo, c.precisao).int64, M(c.esperado).int64)
            << c.valor << c.tipo << c.taxaOuJuro << c.periodo << c.precisao;
}

// Guards the pass through single precision: 200000.01 becomes the float 200000.015625, whose cents
// round up; between 2^16 and 2^17 the floats are still close enough for 100000.01.
TEST(ZTJuroPeriodo, ResultPassesThroughSinglePrecision) {
    EXPECT_EQ(ZTJuroPeriodo(M(200000.01), 'S', M(100), 'D', 2).int64, M(200000.02).int64);
    EXPECT_EQ(ZTJuroPeriodo(M(200000.01), 'S', M(100), 'D', -1).int64, M(200000.0156).int64);
    EXPECT_EQ(ZTJuroPeriodo(M(100000.01), 'S', M(100), 'D', 2).int64, M(100000.01).int64);
}

// Guards the "non-positive amount or rate gives 0" rule for both kinds.
TEST(ZTJuroPeriodo, NonPositiveAmountOrRateGivesZero) {
    for (char tipo : {'S', 'C'}) {
        EXPECT_EQ(ZTJuroPeriodo(M(0), tipo, M(3), 'M', 2).int64, 0);
        EXPECT_EQ(ZTJuroPeriodo(M(-1000), tipo, M(3), 'M', 2).int64, 0);
        EXPECT_EQ(ZTJuroPeriodo(M(1000), tipo, M(0), 'M', 2).int64, 0);
        EXPECT_EQ(ZTJuroPeriodo(M(1000), tipo, M(-3), 'M', -1).int64, 0);
    }
}

// Guards money that cannot hold the result: it throws instead of wrapping or giving garbage.
TEST(ZTJuroPeriodo, OverflowThrows) {
    const CY maior = CyFromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Codigo([&] { return ZTJuroPeriodo(M(900000000000000.0), 'S', M(200), 'D', 2); }), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(Codigo([&] { return ZTJuroPeriodo(maior, 'S', maior, 'D', -1); }), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(Codigo([&] { return ZTJuroPeriodo(M(1000), 'C', maior, 'D', 2); }), platform::DISP_E_OVERFLOW);
}

// Guards the inverse: the rate that yields one day's interest, per unit and kind.
// 1000 with 1 of interest a day compound is (1.001^30 - 1) * 100 = 3.0439% a month.
TEST(ZTTaxaPeriodo, RateThatYieldsTheInterest) {
    const CasoPeriodo casos[] = {
        {3000, 'S', 3, 'M', 2, 3.00},     {1000, 'S', 5, 'D', 2, 0.50},      {36000, 'S', 12, 'Z', 2, 12.00},
        {3000, 'S', 1, 'M', -1, 1.00},    {7000, 'S', 1, 'M', 2, 0.43},      {7000, 'S', 1, 'M', -1, 0.4286},
        {1000, 'C', 1, 'M', 2, 3.04},     {1000, 'C', 1, 'M', -1, 3.0439},   {1000, 'C', 1, 'A', 2, 43.31},
        {1000, 'C', 1, 'A', -1, 43.3072}, {1000, 'C', 20, 'D', 2, 2.00},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ZTTaxaPeriodo(M(c.valor), c.tipo, M(c.taxaOuJuro), c.periodo, c.precisao).int64, M(c.esperado).int64)
            << c.valor << c.tipo << c.taxaOuJuro << c.periodo << c.precisao;
}

// Guards that the two routines are each other's inverse (a swapped divisor or exponent breaks it).
TEST(ZTTaxaPeriodo, InvertsZTJuroPeriodo) {
    for (char tipo : {'S', 'C'})
        for (char periodo : {'D', 'M', 'A'})
            for (double taxa : {0.5, 3.0, 12.0, 25.75}) {
                const CY valor = M(1000000);
                const CY juro = ZTJuroPeriodo(valor, tipo, M(taxa), periodo, -1);
                EXPECT_EQ(ZTTaxaPeriodo(valor, tipo, juro, periodo, 2).int64, M(taxa).int64) << tipo << periodo << taxa;
            }
}

// Guards the rule for this routine: the amount and the interest must both be positive.
TEST(ZTTaxaPeriodo, NonPositiveAmountOrInterestGivesZero) {
    for (char tipo : {'S', 'C'}) {
        EXPECT_EQ(ZTTaxaPeriodo(M(0), tipo, M(1), 'M', 2).int64, 0);
        EXPECT_EQ(ZTTaxaPeriodo(M(-1000), tipo, M(1), 'M', 2).int64, 0);
        EXPECT_EQ(ZTTaxaPeriodo(M(1000), tipo, M(0), 'M', 2).int64, 0);
        EXPECT_EQ(ZTTaxaPeriodo(M(1000), tipo, M(-1), 'M', -1).int64, 0);
    }
}

// Guards the percentage, its exact-tie rounding (0.125 goes to 0.13, not to even 0.12) and money
// at the top of the range.
TEST(ZTValorPercentual, AmountTimesRate) {
    EXPECT_EQ(ZTValorPercentual(M(1234.56), M(7.5), 2).int64, M(92.59).int64);
    EXPECT_EQ(ZTValorPercentual(M(1234.56), M(7.5), -1).int64, M(92.592).int64);
    EXPECT_EQ(ZTValorPercentual(M(0.25), M(50), 2).int64, M(0.13).int64);
    EXPECT_EQ(ZTValorPercentual(M(0.25), M(50), -1).int64, M(0.125).int64);
    EXPECT_EQ(ZTValorPercentual(M(900000000000000.0), M(100), -1).int64, M(900000000000000.0).int64);
    EXPECT_EQ(Codigo([] { return ZTValorPercentual(M(900000000000000.0), M(200), -1); }), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(ZTValorPercentual(M(0), M(50), 2).int64, 0);
    EXPECT_EQ(ZTValorPercentual(M(-100), M(50), 2).int64, 0);
    EXPECT_EQ(ZTValorPercentual(M(100), M(0), 2).int64, 0);
    EXPECT_EQ(ZTValorPercentual(M(100), M(-50), 2).int64, 0);
}

// Guards the share as a percentage, its exact ties (12.5 at 0 goes to 13) and both zero rules.
TEST(ZTPercentualDoValor, PartOverBase) {
    EXPECT_EQ(ZTPercentualDoValor(M(200), M(50), 2).int64, M(25).int64);
    EXPECT_EQ(ZTPercentualDoValor(M(3), M(1), 2).int64, M(33.33).int64);
    EXPECT_EQ(ZTPercentualDoValor(M(3), M(1), -1).int64, M(33.3333).int64);
    EXPECT_EQ(ZTPercentualDoValor(M(8), M(1), 1).int64, M(12.5).int64);
    EXPECT_EQ(ZTPercentualDoValor(M(8), M(1), 0).int64, M(13).int64);
    EXPECT_EQ(ZTPercentualDoValor(M(0), M(1), 2).int64, 0);
    EXPECT_EQ(ZTPercentualDoValor(M(-8), M(1), 2).int64, 0);
    EXPECT_EQ(ZTPercentualDoValor(M(8), M(0), 2).int64, 0);
    EXPECT_EQ(ZTPercentualDoValor(M(8), M(-1), 2).int64, 0);
    EXPECT_EQ(Codigo([] { return ZTPercentualDoValor(M(0.0001), M(922337203685.0), -1); }), platform::DISP_E_OVERFLOW);
}

struct CasoDias {
    double valor;
    char tipo;
    double taxa;
    std::uint16_t dias;
    char periodo;
    short precisao;
    double esperado;
};

// Guards every kind with hand-computed values, fractional periods (45 days at a monthly rate are
// 1.5 periods) and instalments rounded before the interest is taken from them:
// 'P' 1000 at 1% for 3 months: 1000 * 0.01 / (1 - 1.01^-3) = 340.0221, so 340.02 * 3 - 1000 = 20.06;
// 'A' 1000 at 1% for 2 months: 1000 * 0.01 * 1.01^2 / (1.01^3 - 1) = 336.6556, so 336.66 * 3 - 1000.
TEST(ZTJuroDias, EveryKind) {
    const CasoDias casos[] = {
        {1000, 'S', 3, 45, 'M', 2, 45.00},       {1000, 'S', 12, 720, 'A', 2, 240.00},   {1000, 'S', 0.1, 10, 'D', 2, 10.00},
        {1000, 'S', 1, 1, 'M', -1, 0.3333},      {1000, 'S', 1, 1, 'M', 2, 0.33},
        {1000, 'C', 10, 720, 'A', 2, 210.00},    {1000, 'C', 1, 45, 'M', 2, 15.04},      {1000, 'C', 1, 45, 'M', -1, 15.0374},
        {1000, 'P', 1, 90, 'M', 2, 20.06},       {1000, 'P', 1, 90, 'M', -1, 20.0663},
        {5000, 'P', 2, 45, 'M', 2, 125.20},      {5000, 'P', 2, 45, 'M', -1, 125.2063},
        {1000, 'A', 1, 60, 'M', 2, 9.98},        {1000, 'A', 1, 60, 'M', -1, 9.9667},
        {5000, 'A', 2, 45, 'M', 2, 74.38},       {5000, 'A', 2, 45, 'M', -1, 74.3787},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ZTJuroDias(M(c.valor), c.tipo, M(c.taxa), c.dias, c.periodo, c.precisao).int64, M(c.esperado).int64)
            << c.valor << c.tipo << c.taxa << " " << c.dias << c.periodo << c.precisao;
}

// Guards the zero rules (a zero rate gives 0) for every kind, and no days: 'P' would divide by
// 1 - r^0 = 0, and no periods mean no interest for every kind.
TEST(ZTJuroDias, ZeroRulesAndNoDays) {
    for (char tipo : {'A', 'P', 'S', 'C'}) {
        EXPECT_EQ(ZTJuroDias(M(1000), tipo, M(0), 30, 'M', 2).int64, 0) << tipo;
        EXPECT_EQ(ZTJuroDias(M(1000), tipo, M(-1), 30, 'M', 2).int64, 0) << tipo;
        EXPECT_EQ(ZTJuroDias(M(0), tipo, M(1), 30, 'M', 2).int64, 0) << tipo;
        EXPECT_EQ(ZTJuroDias(M(-1000), tipo, M(1), 30, 'M', -1).int64, 0) << tipo;
        EXPECT_EQ(ZTJuroDias(M(1000), tipo, M(1), 0, 'M', 2).int64, 0) << tipo;
        EXPECT_EQ(ZTJuroDias(M(1000), tipo, M(1), 0, 'M', -1).int64, 0) << tipo;
    }
}

// Guards interest that grows past money (2^65535 overflows the double): it throws, never wraps.
TEST(ZTJuroDias, OverflowThrows) {
    EXPECT_EQ(Codigo([] { return ZTJuroDias(M(1000), 'C', M(100), 65535, 'D', 2); }), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(Codigo([] { return ZTJuroDias(M(100000000000000.0), 'S', M(1000), 65535, 'D', -1); }),
              platform::DISP_E_OVERFLOW);
}

}  // namespace
