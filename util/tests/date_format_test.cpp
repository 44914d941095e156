#include "util/date/date_format.h"

#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Data(int dia, int mes, int ano, int tipo, char separador, bool quatroDigitos = false, int tamanho = 12) {
    char buffer[32];
    std::memset(buffer, 'X', sizeof buffer);
    return ZTFormataDataTipo(dia, mes, ano, buffer, tamanho, tipo, separador, quatroDigitos);
}

std::string MesAno(int mes, int ano, int tipo, char separador, bool quatroDigitos = false, int tamanho = 10) {
    char buffer[32];
    std::memset(buffer, 'X', sizeof buffer);
    return ZTFormataMesAnoTipo(mes, ano, buffer, tamanho, tipo, separador, quatroDigitos);
}

// Guards field order, padding and separators of every date type.
TEST(DateFormat, EveryTypeOrdersAndPadsItsFields) {
    struct Caso { int tipo; char separador; const char* texto; };
    const Caso casos[] = {
        {0, '/', "01/02/90"}, {1, '/', "01/02/1990"}, {2, '/', "02/01/90"},   {3, '-', "02-01-1990"},
        {4, '.', "90.02.01"}, {5, '\0', "19900201"},  {5, '-', "1990-02-01"}, {0, '\0', "010290"},
        {6, '/', "02/90"},    {7, '/', "02/1990"},    {8, '/', "90/02"},      {9, '\0', "199002"},
    };
    for (const Caso& c : casos) EXPECT_EQ(Data(1, 2, 1990, c.tipo, c.separador), c.texto) << c.tipo;
}

// Guards the century rule: two-digit types widen only when asked and outside what the window of
// the clock's year reads back (1946..2045 in 2026, 1951..2050 in 2031).
TEST(DateFormat, FourDigitFlagFollowsTheWindowOfTheClock) {
    struct Caso { int anoDoRelogio, ano; const char* texto; };
    const Caso casos[] = {
        {2026, 1945, "01/02/1945"}, {2026, 1946, "01/02/46"}, {2026, 2045, "01/02/45"}, {2026, 2046, "01/02/2046"},
        {2031, 1950, "01/02/1950"}, {2031, 1951, "01/02/51"}, {2031, 2050, "01/02/50"}, {2031, 2051, "01/02/2051"},
    };
    for (const Caso& c : casos) {
        const zt_time_test::HojeFixado hoje(zt_time_test::Momento(c.anoDoRelogio, 3, 1, 12));
        EXPECT_EQ(Data(1, 2, c.ano, 0, '/', true), c.texto) << c.anoDoRelogio;
        EXPECT_EQ(MesAno(2, c.ano, 6, '/', true), c.texto + 3) << c.anoDoRelogio;
    }
}

// Guards the other cases of the century rule, with the clock pinned in 2026.
TEST(DateFormat, FourDigitFlagWidensYearsOutsideTheWindow) {
    const zt_time_test::HojeFixado hoje(zt_time_test::DiaDe2026());
    EXPECT_EQ(Data(1, 2, 1990, 0, '/', true), "01/02/90");
    EXPECT_EQ(Data(1, 2, 1927, 0, '/', true), "01/02/1927");
    EXPECT_EQ(Data(1, 2, 2026, 2, '/', true), "02/01/26");
    EXPECT_EQ(Data(1, 2, 2028, 2, '/', true), "02/01/28");
    EXPECT_EQ(MesAno(2, 1927, 6, '/', true), "02/1927");
    EXPECT_EQ(MesAno(2, 2027, 6, '/', true), "02/27");
    EXPECT_EQ(Data(1, 2, 1900, 0, '/', true), "01/02/1900");
    EXPECT_EQ(Data(1, 2, 2050, 4, '/', true), "2050/02/01");
    EXPECT_EQ(Data(1, 2, 1900, 0, '/', false), "01/02/00");
    EXPECT_EQ(MesAno(2, 1900, 6, '/', true), "02/1900");
    EXPECT_EQ(MesAno(2, 2050, 8, '/', true), "2050/02");
    EXPECT_EQ(MesAno(2, 2020, 8, '/', true), "20/02");
}

// Guards the refusals: out-of-rule input leaves an empty text, not a wrong one.
TEST(DateFormat, RefusedInputLeavesAnEmptyText) {
    EXPECT_EQ(Data(32, 2, 1990, 1, '/'), "");
    EXPECT_EQ(Data(1, 13, 1990, 1, '/'), "");
    EXPECT_EQ(Data(1, 2, 101, 1, '/'), "");
    EXPECT_EQ(Data(1, 2, 1847, 1, '/'), "");
    EXPECT_EQ(Data(1, 2, 4718, 1, '/'), "");
    EXPECT_EQ(Data(-1, 2, 1990, 1, '/'), "");
    EXPECT_EQ(Data(1, 2, 1990, 10, '/'), "");
    EXPECT_EQ(Data(1, 2, 1990, -1, '/'), "");
    EXPECT_EQ(Data(1, 2, 100, 1, '/'), "01/02/0100");  // 0..100 are accepted as written
    EXPECT_EQ(Data(0, 0, 0, 0, '/'), "00/00/00");
    EXPECT_EQ(MesAno(13, 1990, 7, '/'), "");
    EXPECT_EQ(MesAno(2, 4718, 7, '/'), "");
    EXPECT_EQ(MesAno(2, 1990, 10, '/'), "");
}

// Guards the minimum buffers: 11 for four-digit dates, 9 for the others, 8 and 6 for months.
TEST(DateFormat, ShortBuffersAreRefused) {
    EXPECT_EQ(Data(1, 2, 1990, 1, '/', false, 10), "");
    EXPECT_EQ(Data(1, 2, 1990, 1, '/', false, 11), "01/02/1990");
    EXPECT_EQ(Data(1, 2, 1990, 0, '\0', false, 8), "");
    EXPECT_EQ(Data(1, 2, 1990, 0, '/', false, 9), "01/02/90");
    EXPECT_EQ(MesAno(2, 1990, 9, '/', false, 7), "");
    EXPECT_EQ(MesAno(2, 1990, 9, '/', false, 8), "1990/02");
    EXPECT_EQ(MesAno(2, 1990, 6, '/', false, 5), "");
    EXPECT_EQ(MesAno(2, 1990, 6, '/', false, 6), "02/90");
    // A two-digit type widened by the flag needs the room of a four-digit one.
    EXPECT_EQ(Data(1, 2, 1900, 0, '/', true, 9), "");
    EXPECT_EQ(MesAno(2, 1900, 6, '/', true, 6), "");
}

// Guards against writing past the caller's buffer, whatever the type, flag and length.
TEST(DateFormat, NeverWritesPastTheGivenLength) {
    for (int tipo = -1; tipo <= 10; ++tipo) {
        for (int tamanho = 0; tamanho <= 12; ++tamanho) {
            for (bool quatro : {false, true}) {
                char buffer[24];
                std::memset(buffer, 'X', sizeof buffer);
                ZTFormataDataTipo(31, 12, 1900, buffer, tamanho, tipo, '/', quatro);
                for (int i = tamanho; i < static_cast<int>(sizeof buffer); ++i) {
                    ASSERT_EQ(buffer[i], 'X') << tipo << " " << tamanho;
                }
                if (tamanho > 0) {
                    EXPECT_NE(std::memchr(buffer, '\0', static_cast<size_t>(tamanho)), nullptr);
                }
                std::memset(buffer, 'X', sizeof buffer);
                ZTFormataMesAnoTipo(12, 1900, buffer, tamanho, tipo, '/', quatro);
                for (int i = tamanho; i < static_cast<int>(sizeof buffer); ++i) {
                    ASSERT_EQ(buffer[i], 'X') << tipo << " " << tamanho;
                }
            }
        }
    }
    EXPECT_EQ(ZTFormataDataTipo(1, 2, 1990, nullptr, 12, 1, '/', false), nullptr);
}

// Guards the mapping of date types onto month-year types.
TEST(DateFormat, DateTypesMapOntoMonthYearTypes) {
    struct Caso { int tipo; const char* texto; };
    const Caso casos[] = {{0, "02/90"}, {2, "02/90"}, {1, "02/1990"}, {3, "02/1990"}, {4, "90/02"}, {5, "1990/02"},
                          {6, "02/90"}, {7, "02/1990"}, {8, "90/02"}, {9, "1990/02"}};
    for (const Caso& c : casos) EXPECT_EQ(MesAno(2, 1990, c.tipo, '/'), c.texto) << c.tipo;
}

}  // namespace
