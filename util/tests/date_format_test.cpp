#include "util/date/date_format.h"

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

// Guards the century rule: two-digit types widen only when asked and outside what the window
// reads back (1928..2027: a two-digit 27 is 2027, so 1927 needs its century).
TEST(DateFormat, FourDigitFlagWidensYearsOutsideTheWindow) {
    EXPECT_EQ(Data(1, 2, 1990, 0, '/', true), "01/02/90");
    EXPECT_EQ(Data(1, 2, 1927, 0, '/', true), "01/02/1927");
    EXPECT_EQ(Data(1, 2, 1928, 0, '/', true), "01/02/28");
    EXPECT_EQ(Data(1, 2, 2026, 2, '/', true), "02/01/26");
    EXPECT_EQ(Data(1, 2, 2027, 2, '/', true), "02/01/27");
    EXPECT_EQ(Data(1, 2, 2028, 2, '/', true), "02/01/2028");
    EXPECT_EQ(MesAno(2, 1927, 6, '/', true), "02/1927");
    EXPECT_EQ(MesAno(2, 2027, 6, '/', true), "02/27");
    EXPECT_EQ(Data(1, 2, 1900, 0, '/', true), "01/02/1900");
    EXPECT_EQ(Data(1, 2, 2030, 4, '/', true), "2030/02/01");
    EXPECT_EQ(Data(1, 2, 1900, 0, '/', false), "01/02/00");
    EXPECT_EQ(MesAno(2, 1900, 6, '/', true), "02/1900");
    EXPECT_EQ(MesAno(2, 2030, 8, '/', true), "2030/02");
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
