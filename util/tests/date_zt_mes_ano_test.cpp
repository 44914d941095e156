#include "util/date/zt_mes_ano.h"

#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

CZTMesAno Em(int mes, int ano) { return CZTMesAno().SetMesAno(mes, ano); }

// Guards the month number and its limits; two-digit years through the window of the pinned 2026.
TEST(CZTMesAno, MonthNumbersAndLimits) {
    const zt_time_test::HojeFixado hoje(zt_time_test::DiaDe2026());
    EXPECT_EQ(CZTMesAno().GetValor(), 0);
    EXPECT_EQ(Em(1, 1848).GetValor(), 1);
    EXPECT_EQ(Em(12, 4717).GetValor(), 34440);
    EXPECT_EQ(Em(2, 2024).GetValor(), 2 + 12 * (2024 - 1848));
    EXPECT_EQ(Em(2, 24).GetValor(), Em(2, 2024).GetValor());
    EXPECT_EQ(Em(2, 27).GetValor(), Em(2, 2027).GetValor());
    EXPECT_EQ(Em(2, 45).GetValor(), Em(2, 2045).GetValor());
    EXPECT_EQ(Em(2, 46).GetValor(), Em(2, 1946).GetValor());
    EXPECT_EQ(Em(13, 2000).GetValor(), 0);
    EXPECT_EQ(Em(0, 2000).GetValor(), 0);
    EXPECT_EQ(Em(12, 1847).GetValor(), 0);
    EXPECT_EQ(Em(1, 4718).GetValor(), 0);
    CZTMesAno m;
    EXPECT_TRUE(m.SetValor(34440));
    EXPECT_EQ(m.GetStatus(), CZTData::valida);
    EXPECT_FALSE(m.SetValor(34441));
    EXPECT_EQ(m.GetStatus(), CZTData::vazia);
    EXPECT_TRUE(m.SetValor(1));
    EXPECT_FALSE(m.SetValor(70000));  // must not wrap round to a 16-bit month
    EXPECT_TRUE(m.IsVazia());
    EXPECT_TRUE(m.SetValor(0));
    EXPECT_FALSE(m.IsPreenchida());
}

// Guards the short and 1850 forms.
TEST(CZTMesAno, ShortAnd1850Forms) {
    EXPECT_EQ(CZTMesAno().SetMesAnoCurto(949).GetValor(), Em(1, 1927).GetValor());
    EXPECT_EQ(CZTMesAno().SetMesAnoCurto(2148).GetValor(), Em(12, 2026).GetValor());
    EXPECT_EQ(CZTMesAno().SetMesAnoCurto(2155).GetValor(), Em(7, 2027).GetValor());
    // The month of the short dates' last day, June 2106, is the last short month.
    EXPECT_EQ(CZTMesAno().SetMesAnoCurto(3102).GetValor(), Em(6, 2106).GetValor());
    EXPECT_EQ(CZTMesAno().SetMesAnoCurto(948).GetValor(), 0);
    EXPECT_EQ(CZTMesAno().SetMesAnoCurto(3103).GetValor(), 0);
    EXPECT_EQ(CZTMesAno().SetMeses1850(1).GetValor(), Em(1, 1850).GetValor());
    EXPECT_EQ(CZTMesAno().SetMeses1850(2154).GetValor(), 2178);
    EXPECT_EQ(CZTMesAno().SetMeses1850(2155).GetValor(), 0);
    EXPECT_EQ(CZTMesAno().SetMeses1850(0).GetValor(), 0);
    EXPECT_EQ(CZTMesAno().SetMeses1850(-1).GetValor(), 0);
}

// Guards the split: multiples of 12 are December of the year before the next.
TEST(CZTMesAno, SplitsAndParts) {
    struct Caso { std::uint16_t valor; int mes, ano; };
    const Caso casos[] = {{1, 1, 1848}, {12, 12, 1848}, {13, 1, 1849}, {24, 12, 1849}, {34440, 12, 4717}};
    for (const Caso& c : casos) {
        CZTMesAno m;
        ASSERT_TRUE(m.SetValor(c.valor));
        int mes = 0, ano = 0;
        EXPECT_TRUE(m.Desmonta(mes, ano));
        EXPECT_EQ(mes, c.mes) << c.valor;
        EXPECT_EQ(ano, c.ano) << c.valor;
        EXPECT_EQ(m.GetMes(), c.mes);
        EXPECT_EQ(m.GetAno(), c.ano);
        EXPECT_EQ(m.GetAno(false), c.ano % 100);
    }
    int mes = 9, ano = 9;
    EXPECT_FALSE(CZTMesAno().Desmonta(mes, ano));
    EXPECT_EQ(mes + ano, 0);
}

// Guards the part setters: an empty month stays empty instead of becoming a month of 1848.
TEST(CZTMesAno, PartSetters) {
    EXPECT_EQ(Em(2, 2024).SetMes(12).GetValor(), Em(12, 2024).GetValor());
    EXPECT_EQ(Em(2, 2024).SetAno(1999).GetValor(), Em(2, 1999).GetValor());
    EXPECT_EQ(Em(2, 2024).SetAno(99).GetValor(), Em(2, 1999).GetValor());
    EXPECT_EQ(Em(2, 2024).SetMes(13).GetValor(), 0);
    EXPECT_EQ(CZTMesAno().SetMes(5).GetValor(), 0);
    EXPECT_EQ(CZTMesAno().SetAno(2024).GetValor(), 0);
}

// Guards the month of a date and the days that bound a month.
TEST(CZTMesAno, FromAndToDates) {
    CZTMesAno m;
    m = CZTData().SetData(15, 2, 2024);
    EXPECT_EQ(m.GetValor(), Em(2, 2024).GetValor());
    m = CZTData();
    EXPECT_TRUE(m.IsVazia());
    EXPECT_EQ(Em(2, 2024).GetPrimeiroDia(), CZTData().SetData(1, 2, 2024));
    EXPECT_EQ(Em(2, 2024).GetUltimoDia(), CZTData().SetData(29, 2, 2024));
    EXPECT_EQ(Em(2, 2100).GetUltimoDia(), CZTData().SetData(28, 2, 2100));
    EXPECT_EQ(Em(12, 4717).GetUltimoDia(), CZTData(1048247));
    EXPECT_TRUE(CZTMesAno().GetPrimeiroDia().IsVazia());
}

// Guards Soma at both ends of the range and across years.
TEST(CZTMesAno, AddingMonths) {
    EXPECT_EQ(Em(12, 4717).Soma(1).GetValor(), 0);
    EXPECT_EQ(Em(1, 1848).Soma(-1).GetValor(), 0);
    EXPECT_EQ(Em(1, 1848).Soma(34439).GetValor(), 34440);
    EXPECT_EQ(Em(11, 2024).Soma(3).GetValor(), Em(2, 2025).GetValor());
    EXPECT_EQ(Em(1, 2024).Soma(-1).GetValor(), Em(12, 2023).GetValor());
    EXPECT_EQ(Em(1, 2024).Soma(0).GetValor(), Em(1, 2024).GetValor());
    EXPECT_EQ(Em(1, 2024).Soma(-32768).GetValor(), 0);
    EXPECT_EQ(CZTMesAno().Soma(5).GetValor(), 0);  // no month plus months is still no month
}

// Guards the month-year texts of every type.
TEST(CZTMesAno, FormatsByType) {
    const CZTMesAno m = Em(2, 1990);
    struct Caso { int tipo; char separador; const char* texto; };
    const Caso casos[] = {{6, '/', "02/90"}, {7, '/', "02/1990"}, {8, '-', "90-02"}, {9, '\0', "199002"},
                          {0, '/', "02/90"}, {1, '/', "02/1990"}, {4, '/', "90/02"}, {5, '/', "1990/02"},
                          {10, '/', ""}};
    for (const Caso& c : casos) EXPECT_EQ(m.Formata(c.tipo, c.separador), c.texto) << c.tipo;
    EXPECT_EQ(Em(2, 1900).Formata(6, '/'), "02/00");
}

// Guards the typed month text: digits only with the '/' put back, or the text as typed.
TEST(CZTMesAno, ParsesText) {
    struct Caso { const char* texto; bool comBarra; int mes, ano; };
    const Caso casos[] = {
        {"022024", false, 2, 2024}, {"02/2024", false, 2, 2024}, {"02/2024", true, 2, 2024},
        {"0224", false, 2, 2024},   {" 2/99", true, 2, 1999},    {"1/2/2024", true, 2, 2024},
        {"132024", false, 0, 0},    {"2", false, 0, 0},          {"", false, 0, 0},
        {"022024", true, 0, 0},     {"02/1847", true, 0, 0},     {nullptr, false, 0, 0},
    };
    for (const Caso& c : casos) {
        CZTMesAno m;
        m.SetMesAno(5, 2000);
        m.SetTexto(c.texto, c.comBarra);
        EXPECT_EQ(m.GetValor(), c.mes ? Em(c.mes, c.ano).GetValor() : 0) << (c.texto ? c.texto : "(null)");
    }
    CZTMesAno m = Em(5, 2000);
    EXPECT_TRUE(m.SetTextoFormato("2024-02", 9, '-'));
    EXPECT_EQ(m.GetValor(), Em(2, 2024).GetValor());
    EXPECT_TRUE(m.SetTextoFormato("", 7, '/'));
    EXPECT_TRUE(m.IsVazia());
    m = Em(5, 2000);
    EXPECT_FALSE(m.SetTextoFormato("02/2024", 1, '/'));
    EXPECT_TRUE(m.IsVazia());
}

}  // namespace
