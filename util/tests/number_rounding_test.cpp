#include "util/number/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

struct Caso {
    double x;
    int casas;
    double esperado;
};

// Rounds the dyadic value sinal * k / 2^s at `casas` decimals, ties away from zero, in exact integer
// arithmetic, and reads the result back: an oracle that shares nothing with the code under test.
double ArredondaDiadico(bool negativo, std::uint64_t k, int s, int casas) {
    unsigned __int128 escala = 1;
    for (int n = 0; n < casas; ++n) escala *= 10;
    const unsigned __int128 numerador = static_cast<unsigned __int128>(k) * escala;
    const unsigned __int128 denominador = static_cast<unsigned __int128>(1) << s;
    unsigned __int128 q = numerador / denominador;
    if (2 * (numerador % denominador) >= denominador) ++q;
    std::string digitos;
    do {
        digitos.insert(digitos.begin(), static_cast<char>('0' + static_cast<int>(q % 10)));
        q /= 10;
    } while (q != 0);
    while (static_cast<int>(digitos.size()) <= casas) digitos.insert(digitos.begin(), '0');
    std::string texto = negativo ? "-" : "";
    texto += digitos.substr(0, digitos.size() - static_cast<std::size_t>(casas));
    if (casas > 0) texto += "." + digitos.substr(digitos.size() - static_cast<std::size_t>(casas));
    return std::strtod(texto.c_str(), nullptr);
}

// Guards the tie rule: exact binary halves go away from zero at every precision and sign, where
// glibc's printf would go to even (2.5 -> 2, 0.125 -> 0.12, 0.0625 -> 0.062).
TEST(ZTArredondaDouble, ExactTiesGoAwayFromZero) {
    const Caso casos[] = {
        {0.5, 0, 1.0},        {1.5, 0, 2.0},         {2.5, 0, 3.0},          {3.5, 0, 4.0},
        {-0.5, 0, -1.0},      {-1.5, 0, -2.0},       {-2.5, 0, -3.0},        {0.25, 1, 0.3},
        {0.75, 1, 0.8},       {1.25, 1, 1.3},        {-0.25, 1, -0.3},       {0.125, 2, 0.13},
        {0.375, 2, 0.38},     {0.625, 2, 0.63},      {-0.125, 2, -0.13},     {-0.375, 2, -0.38},
        {0.0625, 3, 0.063},   {-0.0625, 3, -0.063},  {0.03125, 4, 0.0313},   {-0.03125, 4, -0.0313},
        {123456789.125, 2, 123456789.13},            {0.9990234375, 9, 0.999023438},
    };
    for (const auto& c : casos) EXPECT_EQ(ZTArredondaDouble(c.x, c.casas), c.esperado) << c.x << " at " << c.casas;
}

// Guards the use of the exact binary value: decimal literals stored just below (or above) the tie
// must round by where they really are, not by their literal text.
TEST(ZTArredondaDouble, NearTiesRoundByTheirExactValue) {
    const Caso casos[] = {
        {2.675, 2, 2.67},  {1.005, 2, 1.0},    {1.015, 2, 1.01},   {1.025, 2, 1.02}, {0.285, 2, 0.28},
        {1.335, 2, 1.33},  {0.615, 2, 0.61},   {-2.675, 2, -2.67}, {0.35, 1, 0.3},   {1.0005, 3, 1.0},
        {2.345, 2, 2.35},  {1.115, 2, 1.11},   {8.345, 2, 8.35},   {0.45, 1, 0.5},   {-2.345, 2, -2.35},
        {0.055, 2, 0.06},
    };
    for (const auto& c : casos) EXPECT_EQ(ZTArredondaDouble(c.x, c.casas), c.esperado) << c.x << " at " << c.casas;
}

// Guards the carry: rounding up a run of nines must reach (and add) the leading digit.
TEST(ZTArredondaDouble, CarryPropagatesThroughNines) {
    const Caso casos[] = {
        {9.5, 0, 10.0},          {99.5, 0, 100.0},     {-99.5, 0, -100.0},   {9.96875, 4, 9.9688},
        {99.9921875, 6, 99.992188}, {0.9990234375, 3, 0.999}, {9.9990234375, 3, 9.999}, {0.99951171875, 3, 1.0},
        {999.99951171875, 3, 1000.0}, {4503599627370495.5, 0, 4503599627370496.0},
    };
    for (const auto& c : casos) EXPECT_EQ(ZTArredondaDouble(c.x, c.casas), c.esperado) << c.x << " at " << c.casas;
}

// Guards the precision rules: a negative count means six decimals (so 2^-7 at six is a tie),
// and a count at or past the exact expansion gives the value itself.
TEST(ZTArredondaDouble, PrecisionEdges) {
    EXPECT_EQ(ZTArredondaDouble(0.0078125, -1), 0.007813);
    EXPECT_EQ(ZTArredondaDouble(0.0078125, -7), 0.007813);
    EXPECT_EQ(ZTArredondaDouble(1.23456789, -1), 1.234568);
    EXPECT_EQ(ZTArredondaDouble(0.1, 17), 0.1);
    EXPECT_EQ(ZTArredondaDouble(0.1, 1000), 0.1);
    EXPECT_EQ(ZTArredondaDouble(0.1, std::numeric_limits<int>::max()), 0.1);
    EXPECT_EQ(ZTArredondaDouble(0.1, 1), 0.1);
    EXPECT_EQ(ZTArredondaDouble(0.1, 0), 0.0);
    EXPECT_EQ(ZTArredondaDouble(1e300, 2), 1e300);
    EXPECT_EQ(ZTArredondaDouble(-0.001, 2), 0.0);
}

// Guards the longest expansions (1074 decimals of the smallest subnormal) against a short buffer.
TEST(ZTArredondaDouble, SubnormalsUseTheWholeExpansion) {
    const double menor = std::numeric_limits<double>::denorm_min();  // 4.94...e-324
    EXPECT_EQ(ZTArredondaDouble(menor, 323), 0.0);
    EXPECT_EQ(ZTArredondaDouble(menor, 324), menor);                 // 5e-324 reads back as itself
    EXPECT_EQ(ZTArredondaDouble(menor, 1073), menor);
    EXPECT_EQ(ZTArredondaDouble(menor, 1074), menor);
    EXPECT_EQ(ZTArredondaDouble(-menor, 324), -menor);
    const double menorNormal = std::numeric_limits<double>::min();   // 2.2250738585072014e-308
    EXPECT_EQ(ZTArredondaDouble(menorNormal, 307), 0.0);
    EXPECT_EQ(ZTArredondaDouble(menorNormal, 308), 2e-308);
    EXPECT_EQ(ZTArredondaDouble(menorNormal, 310), 2.23e-308);
}

// Guards that values that are no numbers pass through instead of becoming text garbage.
TEST(ZTArredondaDouble, NanAndInfinitiesComeBackUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ZTArredondaDouble(inf, 2), inf);
    EXPECT_EQ(ZTArredondaDouble(-inf, 0), -inf);
    EXPECT_TRUE(std::isnan(ZTArredondaDouble(std::numeric_limits<double>::quiet_NaN(), 2)));
}

// Guards every rounding branch against an exact integer oracle over many dyadic values, about half
// of which are exact ties at the precision asked.
TEST(ZTArredondaDouble, AgreesWithExactOracleOnDyadicValues) {
    std::mt19937_64 gerador(20240611);
    int empates = 0;
    for (int n = 0; n < 20000; ++n) {
        const int s = 1 + static_cast<int>(gerador() % 12);
        const int casas = static_cast<int>(gerador() % 9);
        const std::uint64_t k = gerador() % (std::uint64_t{1} << 40);
        const bool negativo = (gerador() & 1) != 0;
        const double x = (negativo ? -1.0 : 1.0) * std::ldexp(static_cast<double>(k), -s);
        // A tie: k * 10^casas / 2^s has a remainder of exactly half.
        unsigned __int128 escalado = k;
        for (int c = 0; c < casas; ++c) escalado *= 10;
        const unsigned __int128 denominador = static_cast<unsigned __int128>(1) << s;
        if (2 * (escalado % denominador) == denominador) ++empates;
        ASSERT_EQ(ZTArredondaDouble(x, casas), ArredondaDiadico(negativo, k, s, casas)) << x << " at " << casas;
    }
    EXPECT_GT(empates, 1000);
}

// Guards the float form: the float's own exact value decides (1.335f is above the tie, the double
// 1.335 below it), and the result is the double read back, narrowed.
TEST(ZTArredondaFloat, RoundsTheFloatsExactValue) {
    const struct { float x; int casas; double texto; } casos[] = {
        {2.5f, 0, 3.0},     {-2.5f, 0, -3.0},   {0.5f, 0, 1.0},    {0.125f, 2, 0.13},  {0.375f, 2, 0.38},
        {-0.0625f, 3, -0.063}, {2.675f, 2, 2.67}, {1.005f, 2, 1.0}, {1.335f, 2, 1.34}, {0.045f, 2, 0.05},
        {0.055f, 2, 0.05},  {1.115f, 2, 1.12},  {2.345f, 2, 2.35},  {0.1f, 1, 0.1},     {0.0078125f, -1, 0.007813},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ZTArredondaFloat(c.x, c.casas), static_cast<float>(c.texto)) << c.x << " at " << c.casas;
    // The same literals as doubles fall on the other side of the tie.
    EXPECT_EQ(ZTArredondaDouble(1.335, 2), 1.33);
    EXPECT_EQ(ZTArredondaDouble(1.115, 2), 1.11);
    EXPECT_EQ(ZTArredondaDouble(0.045, 2), 0.04);
    EXPECT_EQ(ZTArredondaDouble(0.055, 2), 0.06);
}

// Guards NaN, infinities and a precision past the float's expansion.
TEST(ZTArredondaFloat, EdgesComeBackUnchanged) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ZTArredondaFloat(inf, 2), inf);
    EXPECT_EQ(ZTArredondaFloat(-inf, 2), -inf);
    EXPECT_TRUE(std::isnan(ZTArredondaFloat(std::numeric_limits<float>::quiet_NaN(), 0)));
    EXPECT_EQ(ZTArredondaFloat(0.1f, 40), 0.1f);
    EXPECT_EQ(ZTArredondaFloat(std::numeric_limits<float>::max(), 0), std::numeric_limits<float>::max());
}

CY Raw(std::int64_t raw) { return CyFromRaw(raw); }

// Guards the money form: it rounds through the double, so money ties follow their double
// neighbour (2.675 is below the tie as a double) and binary-exact ties go away from zero.
TEST(ZTArredondaCy, RoundsThroughDouble) {
    const struct { std::int64_t raw; int casas; std::int64_t esperado; } casos[] = {
        {1250, 2, 1300},          {-1250, 2, -1300},     {25000, 0, 30000},      {-25000, 0, -30000},
        {26750, 2, 26700},        {23450, 2, 23500},     {12345678, 2, 12345700}, {12345678, 0, 12350000},
        {12345678, 4, 12345678},  {12345678, -1, 12345678}, {625, 3, 630},       {0, 2, 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ZTArredondaCy(Raw(c.raw), c.casas).int64, c.esperado) << c.raw << " at " << c.casas;
}

// Guards the top of the money range: a rounded value past it throws DISP_E_OVERFLOW instead of
// wrapping, and the last values that fit still come back.
TEST(ZTArredondaCy, OverflowAtTheBounds) {
    auto codigo = [](std::int64_t raw, int casas) {
        try {
            (void)ZTArredondaCy(Raw(raw), casas);
        } catch (const platform::ComError& e) {
            return e.Error();
        }
        return platform::S_OK;
    };
    // 922337203685477.5 rounds to ...478, one unit past the largest money value.
    EXPECT_EQ(codigo(9223372036854775000, 0), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(codigo(-9223372036854775000, 0), platform::DISP_E_OVERFLOW);
    // The largest money value is coarser as a double (it becomes ...477.625) and cannot come back.
    EXPECT_EQ(codigo(std::numeric_limits<std::int64_t>::max(), 4), platform::DISP_E_OVERFLOW);
    // 922337203685477.4 rounds to ...477, which still fits (as the money the double ...477 makes).
    CY alto;
    ASSERT_EQ(money::CyFromR8(922337203685477.0, &alto), platform::S_OK);
    EXPECT_EQ(ZTArredondaCy(Raw(9223372036854774000), 0).int64, alto.int64);
    EXPECT_EQ(ZTArredondaCy(Raw(-9223372036854774000), 0).int64, -alto.int64);
}

}  // namespace
