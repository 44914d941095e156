#include "util/money/money_text.h"
#include "util/money/zt_currency.h"
#include "util/money/zt_currency_ex.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

// Guards the shown form: rounding to the precision, grouping, the sign.
TEST(ZTFormataCy, TextByPrecision) {
    const struct { std::int64_t raw; short casas; const char* text; } cases[] = {
        {0, 0, "0"},
        {0, 4, "0,0000"},
        {12345000, 2, "1.234,50"},
        {-1250, 4, "-0,1250"},
        {-1250, 2, "-0,13"},
        {15000, 0, "2"},
        {-25000, 0, "-3"},
        {-49, 2, "0,00"},
        {1234567890000, 2, "123.456.789,00"},
        {std::numeric_limits<std::int64_t>::min(), 4, "-922.337.203.685.477,5808"},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(ZTFormataCy(CY{c.raw}, c.casas)), c.text) << c.raw;
    EXPECT_EQ(std::string(CZTCurrencyEx(true, false, CY{12345000}).Formata()), "1.234,50");
}

// Guards the reading of typed money: separators, sign anywhere, decimals cut, not rounded.
TEST(ZTTextoParaCy, ReadsBrazilianText) {
    const struct { const char* text; std::int64_t raw; } cases[] = {
        {"1.234,5", 12345000}, {"12", 120000},      {"-0,00005", 0},     {"0,00019", 1},
        {"12.5", 125000},      {"1.234.567", 1234}, {"5-", -50000}, {"-1-2", -120000},
        {"", 0},               {"R$ 3,25", 32500},  {"1,2,3", 123000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZTTextoParaCy(c.text).int64, c.raw) << c.text;
    }
    EXPECT_EQ(ZTTextoParaCy(nullptr).int64, 0);
    // Cut to 25 characters: the text's last two characters (and its ',') are lost.
    EXPECT_EQ(ZTTextoParaCy("12345678901234,9999999999999").int64, 123456789012349999);
    // Too many digits must raise, not wrap.
    EXPECT_THROW((void)ZTTextoParaCy("1234567890123456789012,34"), platform::ComError);
    CZTCurrency target;
    ZTTextoParaCZTCurrency("-7,5", target);
    EXPECT_EQ(target.GetValor().int64, -75000);
}

// Guards the bare digits and the buffer bound.
TEST(ZTCyParaDigitos, MagnitudeInTenThousandths) {
    char buffer[32];
    ASSERT_TRUE(ZTCyParaDigitos(CY{-125000}, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "125000");
    ASSERT_TRUE(ZTCyParaDigitos(CY{0}, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "00000");
    ASSERT_TRUE(ZTCyParaDigitos(CY{5000}, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "05000");
    EXPECT_FALSE(ZTCyParaDigitos(CY{125000}, buffer, 6));  // one byte short for the terminator
    EXPECT_STREQ(buffer, "");
}

// Guards the plain text: two to four decimals, the zero integer part, the sign.
TEST(ZTCyParaTexto, TwoToFourDecimals) {
    const struct { std::int64_t raw; const char* text; } cases[] = {
        {125000, "12,50"}, {1, "0,0001"}, {0, "0,00"}, {-12340, "-1,234"}, {-5000, "-0,50"}, {10, "0,001"}};
    for (const auto& c : cases) EXPECT_EQ(std::string(ZTCyParaTexto(CY{c.raw})), c.text) << c.raw;
    CZTCurrency money;
    money.SetValor(CY{125000});
    EXPECT_EQ(std::string(ZTCyParaTexto(money)), "12,50");
}

// Guards the integer forms and their overflow.
TEST(ZTCyParaInteiro, ScaledIntegers) {
    EXPECT_EQ(ZTCyParaInteiro(CY{15000}, 4), 15000);
    EXPECT_EQ(ZTCyParaInteiro(CY{15000}, 2), 150);
    EXPECT_EQ(ZTCyParaInteiro(CY{15050}, 2), 150);  // 150.5 to even
    EXPECT_EQ(ZTCyParaInteiro(CY{15150}, 2), 152);
    EXPECT_EQ(ZTInteiroParaCy(15000, 4).int64, 15000);
    EXPECT_EQ(ZTInteiroParaCy(150, 2).int64, 15000);
    EXPECT_THROW((void)ZTCyParaInteiro(CY{300000000000}, 4), platform::ComError);
}

}  // namespace
