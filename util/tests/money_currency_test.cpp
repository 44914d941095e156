#include "util/money/zt_currency.h"

#include <gtest/gtest.h>

namespace {

CZTCurrency Valor(std::int64_t raw, bool duasCasas = false, bool arredonda = false) {
    CZTCurrency money;
    money.SetValor(CY{raw});
    if (duasCasas) money.SetDuasCasas();
    money.SetArredonda(arredonda);
    return money;
}

// Guards the four operations in each decimals mode, with and without the rounding step.
TEST(CZTCurrency, OperationsByDecimalsModeAndRounding) {
    const CZTCurrency three = Valor(30000);
    EXPECT_EQ(Valor(10000).DivideValor(three).GetValor().int64, 3333);
    EXPECT_EQ(Valor(10000, true).DivideValor(three).GetValor().int64, 3300);        // truncated
    EXPECT_EQ(Valor(20000, true, true).DivideValor(three).GetValor().int64, 6700);  // rounded first
    EXPECT_EQ(Valor(20000, true, false).DivideValor(three).GetValor().int64, 6600);
    EXPECT_EQ(Valor(20000, false, true).Divide(3).GetValor().int64, 6667);
    EXPECT_EQ(Valor(-20000, true, false).Divide(3).GetValor().int64, -6600);  // toward zero
    EXPECT_EQ(Valor(15050).Soma(Valor(10049)).GetValor().int64, 25099);
    EXPECT_EQ(Valor(15050, true).Soma(Valor(10049)).GetValor().int64, 25000);
    EXPECT_EQ(Valor(15050, true, true).Soma(Valor(10049)).GetValor().int64, 25100);
    EXPECT_EQ(Valor(15050, true).Subtrai(Valor(10049)).GetValor().int64, 5000);
    EXPECT_EQ(Valor(15000).Multiplica(Valor(15000)).GetValor().int64, 22500);
    EXPECT_EQ(Valor(15000, true).Multiplica(Valor(15000)).GetValor().int64, 22500);
    EXPECT_EQ(Valor(15050, true).Multiplica(Valor(10000)).GetValor().int64, 15000);
    // The settings travel with the result.
    const CZTCurrency result = Valor(15050, true).Soma(Valor(1));
    EXPECT_EQ(result.Soma(Valor(1)).GetValor().int64, 15000);
}

// Guards the percentage (operand × 100 ÷ value) and its division by zero.
TEST(CZTCurrency, Percentual) {
    EXPECT_EQ(Valor(2000000).Percentual(Valor(50000)).GetValor().int64, 25000);  // 5 of 200 is 2.5 %
    const CZTCurrency byZero = Valor(0).Percentual(Valor(50000));
    EXPECT_FALSE(byZero.IsValid());  // not a meaningless number
    EXPECT_EQ(byZero.GetValor().int64, 0);
    EXPECT_FALSE(Valor(10000).Divide(0).IsValid());
}

// Results beyond the money range must be marked invalid, not wrapped.
TEST(CZTCurrency, OverflowMarksInvalid) {
    const CZTCurrency big = Valor(9000000000000000000);
    EXPECT_FALSE(big.Soma(big).IsValid());
    EXPECT_FALSE(big.Multiplica(Valor(30000)).IsValid());
    EXPECT_FALSE(big.Soma(big).Soma(Valor(1)).IsValid());  // invalid stays invalid
    EXPECT_TRUE(big.Subtrai(big).IsValid());
}

// Guards AplicaOperacao with both operand kinds and unknown operators.
TEST(CZTCurrency, AplicaOperacao) {
    CZTCurrency money = Valor(100000);
    money.AplicaOperacao('+', Valor(50000));
    EXPECT_EQ(money.GetValor().int64, 150000);
    money.AplicaOperacao('-', 5);
    EXPECT_EQ(money.GetValor().int64, 100000);
    money.AplicaOperacao('*', 3);
    EXPECT_EQ(money.GetValor().int64, 300000);
    money.AplicaOperacao('/', 4);
    EXPECT_EQ(money.GetValor().int64, 75000);
    money.AplicaOperacao('/', Valor(25000));
    EXPECT_EQ(money.GetValor().int64, 30000);
    money.AplicaOperacao('x', 9);
    EXPECT_EQ(money.GetValor().int64, 30000);
    money.SetValorDouble(2.5);
    EXPECT_EQ(money.GetValor().int64, 25000);
    money.SetValorDouble(1e300);
    EXPECT_FALSE(money.IsValid());
}

}  // namespace
