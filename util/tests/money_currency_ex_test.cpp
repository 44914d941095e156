#include "util/money/cy_operators.h"
#include "util/money/zt_currency.h"
#include "util/money/zt_currency_ex.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

CZTCurrencyEx Money(double value, short casas, int modo) {
    CZTCurrencyEx money;
    money.SetModo(modo);
    money.SetCasasDecimais(casas);
    money = value;
    return money;
}

// Guards each rounding mode at both precisions, negative halves included (the sign is kept).
TEST(CZTCurrencyEx, NormalisesByPrecisionAndMode) {
    const struct { double in; short casas; int modo; std::int64_t raw; } cases[] = {
        {2.005, 2, 1, 20000},   {2.005, 2, 0, 20100},   {2.005, 2, 2, 20000},   {2.015, 2, 2, 20200},
        {-2.005, 2, 2, -20000}, {-2.015, 2, 2, -20200}, {-2.005, 2, 0, -20100}, {-2.005, 2, 1, -20000},
        {7.9999, 0, 1, 70000},  {-7.9999, 0, 1, -70000}, {2.5, 0, 2, 20000},    {3.5, 0, 2, 40000},
        {-2.5, 0, 2, -20000},   {-3.5, 0, 2, -40000},   {-2.5, 0, 0, -30000},   {2.5, 0, 0, 30000},
        {2.5001, 0, 2, 30000},  {-2.5001, 0, 2, -30000}, {1.2345, 4, 0, 12345}, {1.2345, 4, 2, 12345},
        {2.009, 2, 7, 20090},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Money(c.in, c.casas, c.modo).GetValor().int64, c.raw) << c.in << " " << c.casas << " " << c.modo;
}

// Guards the constructors' defaults and the flag forms.
TEST(CZTCurrencyEx, ConstructorsTakePrecisionAndMode) {
    const CZTCurrencyEx plain;
    EXPECT_EQ(plain.GetCasasDecimais(), 4);
    EXPECT_EQ(plain.GetModo(), 1);
    EXPECT_EQ(plain.GetValor().int64, 0);
    const CZTCurrencyEx rounded(true, true, CY{20050});
    EXPECT_EQ(rounded.GetValor().int64, 20100);
    EXPECT_TRUE(rounded.GetArredonda());
    EXPECT_TRUE(rounded.IsDuasCasas());
    const CZTCurrencyEx even(true, 2, CY{20150});
    EXPECT_EQ(even.GetValor().int64, 20200);
    const CZTCurrencyEx four(false, false, CY{20055});
    EXPECT_TRUE(four.IsQuatroCasas());
    EXPECT_EQ(four.GetValor().int64, 20055);
    EXPECT_EQ(CZTCurrencyEx(0.0).GetValor().int64, 0);
}

// Precision 4 set by any other count must not round again; 1 means two decimals.
TEST(CZTCurrencyEx, SetCasasDecimais) {
    CZTCurrencyEx money(true, false, CY{12345});
    EXPECT_EQ(money.GetValor().int64, 12300);
    money.SetCasasDecimais(3);
    EXPECT_TRUE(money.IsQuatroCasas());
    EXPECT_EQ(money.GetValor().int64, 12300);
    money = CY{12345};
    money.SetCasasDecimais(-1);
    EXPECT_EQ(money.GetCasasDecimais(), 4);
    EXPECT_EQ(money.GetValor().int64, 12345);
    money.SetCasasDecimais(1);
    EXPECT_TRUE(money.IsDuasCasas());
    EXPECT_EQ(money.GetValor().int64, 12300);
    money.SetCasasDecimais(0);
    EXPECT_TRUE(money.IsSemCasas());
    EXPECT_EQ(money.GetValor().int64, 10000);
}

// Assignment must copy the value only: the target's precision and mode stay and apply.
TEST(CZTCurrencyEx, AssignmentKeepsTargetRule) {
    CZTCurrencyEx target(true, true, CY{0});
    const CZTCurrencyEx source(CY{12345});
    target = source;
    EXPECT_EQ(target.GetValor().int64, 12300);
    EXPECT_TRUE(target.IsDuasCasas());
    CZTCurrency framework;
    framework.SetValor(CY{-12355});
    target = framework;
    EXPECT_EQ(target.GetValor().int64, -12400);
    target.SetArredonda(false);
    EXPECT_EQ(target.GetModo(), 1);
    target.SetPrecisao(false, true);
    EXPECT_TRUE(target.IsQuatroCasas());
    EXPECT_EQ(target.GetModo(), 0);
}

// Guards the compound operators: results normalised, failures of the quotient give 0.
TEST(CZTCurrencyEx, CompoundOperatorsNormalise) {
    CZTCurrencyEx money(true, false, CY{10000});
    money /= CY{30000};
    EXPECT_EQ(money.GetValor().int64, 3300);
    money += 0.0099;
    EXPECT_EQ(money.GetValor().int64, 3300);
    money -= CY{100};
    EXPECT_EQ(money.GetValor().int64, 3200);
    money *= CY{25000};
    EXPECT_EQ(money.GetValor().int64, 8000);
    money *= 1.0001;
    EXPECT_EQ(money.GetValor().int64, 8000);
    money /= 0.0;
    EXPECT_EQ(money.GetValor().int64, 0);
    money = 1.0;
    money /= CY{0};
    EXPECT_EQ(money.GetValor().int64, 0);
}

// Overflow of the value must raise and leave the value, never wrap.
TEST(CZTCurrencyEx, OverflowRaisesAndKeepsValue) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    CZTCurrencyEx money(CY{kMax});
    EXPECT_THROW(money += CY{1}, platform::ComError);
    EXPECT_EQ(money.GetValor().int64, kMax);
    EXPECT_THROW(money *= CY{20000}, platform::ComError);
    money.SetArredonda(true);
    EXPECT_THROW(money.SetCasasDecimais(0), platform::ComError);  // no room to round it up
    try {
        (void)CZTCurrencyEx(1e300);
        ADD_FAILURE();
    } catch (const platform::ComError& e) {
        EXPECT_EQ(e.Error(), platform::DISP_E_OVERFLOW);
    }
    CZTCurrencyEx lowest(CY{std::numeric_limits<std::int64_t>::min()});
    lowest.SetModo(2);
    lowest.SetCasasDecimais(2);
    EXPECT_EQ(lowest.GetValor().int64, -9223372036854775800);
}

// Guards the readings of the value.
TEST(CZTCurrencyEx, Readings) {
    const CZTCurrencyEx money(CY{-12399});
    EXPECT_DOUBLE_EQ(money.GetValorDouble(), -1.2399);
    EXPECT_EQ(money.GetCentesimos(), -123);
    EXPECT_EQ(CZTCurrencyEx(327.67).GetCentesimos(), 32767);
    EXPECT_THROW((void)CZTCurrencyEx(327.68).GetCentesimos(), platform::ComError);  // no wrap to negative
}

// Guards the percentage and base products, which are not normalised.
TEST(CZTCurrencyEx, PercentualAndBase) {
    const CZTCurrencyEx money(true, false, CY{2000000});  // 200.00
    EXPECT_EQ(money.Percentual(CY{25000}).int64, 50000);   // 2.5 % gives 5.00
    EXPECT_EQ(money.Percentual(CZTCurrencyEx(0.1234)).int64, 2468);  // 0.2468 kept, not cut
    EXPECT_EQ(money.MultiplicaPorBase(5000).int64, 1000000);        // × 0.5
    EXPECT_EQ(CZTCurrencyEx(CY{3}).MultiplicaPorBase(5000).int64, 2);
}

// Guards ZTAplicaOperacao: unknown operators leave the target; results follow its rule.
TEST(ZTAplicaOperacao, AppliesOperatorToTarget) {
    CZTCurrencyEx target(true, false, CY{99});
    EXPECT_EQ(target.GetValor().int64, 0);
    const struct { char op; std::int64_t raw; } cases[] = {{'+', 25100}, {'-', 5000}, {'*', 15100}, {'/', 14900}};
    for (const auto& c : cases) {
        ZTAplicaOperacao(CY{15050}, c.op, CZTCurrencyEx(CY{10050}), target);
        EXPECT_EQ(target.GetValor().int64, c.raw) << c.op;
    }
    ZTAplicaOperacao(CY{15050}, '%', 3, target);
    EXPECT_EQ(target.GetValor().int64, 14900);
    ZTAplicaOperacao(CY{15050}, '*', 3, target);
    EXPECT_EQ(target.GetValor().int64, 45100);
    ZTAplicaOperacao(CY{15050}, '/', 0, target);
    EXPECT_EQ(target.GetValor().int64, 0);
}

}  // namespace
