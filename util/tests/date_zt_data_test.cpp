#include "util/date/zt_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

CZTData Em(int dia, int mes, int ano) { return CZTData().SetData(dia, mes, ano); }

// Guards the raw value rules: raw copies as given, SetValor only within the range.
TEST(CZTData, ValueSettersAndStatus) {
    EXPECT_EQ(CZTData::GetMinimo(), 2u);
    EXPECT_EQ(CZTData::GetMaximo(), 1048247u);
    EXPECT_EQ(CZTData(1).GetValor(), 1u);  // the raw constructor does not validate
    EXPECT_EQ(CZTData(1).GetStatus(), CZTData::invalida);
    EXPECT_EQ(CZTData(0).GetStatus(), CZTData::vazia);
    EXPECT_EQ(CZTData(2).GetStatus(), CZTData::valida);
    CZTData d(500);
    EXPECT_TRUE(d.SetValor(0));
    EXPECT_TRUE(d.IsVazia());
    EXPECT_TRUE(d.SetValor(1048247));
    EXPECT_TRUE(d.IsPreenchida());
    EXPECT_FALSE(d.SetValor(1048248));
    EXPECT_EQ(d.GetValor(), 0u);
    d = CZTData(700);
    EXPECT_FALSE(d.SetValor(1));
    EXPECT_EQ(d.GetValor(), 0u);
    EXPECT_EQ(Em(1, 1, 1848).GetValor(), 2u);
    EXPECT_EQ(Em(31, 12, 4717).GetValor(), 1048247u);
    EXPECT_EQ(Em(31, 12, 4718).GetValor(), 0u);
    EXPECT_EQ(d.SetData(5, 5, 2024).Limpa().GetValor(), 0u);
}

// Guards the short form both ways: the original values pass unchanged, 1..28855 are the days
// after 4 June 2027, and a date without a stored form gives 0 rather than a wrapped value.
TEST(CZTData, ShortDayNumbers) {
    struct Caso { std::uint16_t curta; CZTData data; };
    const Caso casos[] = {
        {28856, Em(1, 1, 1927)}, {65380, Em(31, 12, 2026)}, {65381, Em(1, 1, 2027)}, {65535, Em(4, 6, 2027)},
        {1, Em(5, 6, 2027)},     {28855, Em(5, 6, 2106)},   {0, CZTData()},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(CZTData().SetDataCurta(c.curta), c.data) << c.curta;
        EXPECT_EQ(c.data.GetDataCurta(), c.curta) << c.curta;
    }
    EXPECT_EQ(CZTData().SetDataCurta(65535).GetValor(), 65535u);
    EXPECT_EQ(Em(6, 6, 2106).GetDataCurta(), 0);
    EXPECT_EQ(Em(31, 12, 1926).GetDataCurta(), 0);
    EXPECT_EQ(CZTData(1).GetDataCurta(), 0);
}

// Guards the 1850 count and its phantom 29 February 1900.
TEST(CZTData, Counts1850ShiftAroundFebruary1900) {
    EXPECT_EQ(CZTData().SetDias1850(0).GetValor(), 0u);
    EXPECT_EQ(CZTData().GetDias1850(), 0);
    EXPECT_EQ(CZTData().SetDias1850(1), Em(1, 1, 1850));
    EXPECT_EQ(CZTData().SetDias1850(18321), Em(28, 2, 1900));
    EXPECT_EQ(CZTData().SetDias1850(18322), Em(28, 2, 1900));  // the 29 February that never was
    EXPECT_EQ(CZTData().SetDias1850(18323), Em(1, 3, 1900));
    EXPECT_EQ(Em(28, 2, 1900).GetDias1850(), 18321);
    EXPECT_EQ(Em(1, 3, 1900).GetDias1850(), 18323);
    EXPECT_EQ(Em(1, 1, 1850).GetDias1850(), 1);
    for (std::int32_t n : {1, 100, 18321, 18323, 30000, 1000000}) EXPECT_EQ(CZTData().SetDias1850(n).GetDias1850(), n) << n;
    EXPECT_EQ(CZTData().SetDias1850(1048247).GetValor(), 0u);  // past 4717
    EXPECT_EQ(CZTData().SetDias1850(-800).GetValor(), 0u);
}

// Guards the part setters: they rebuild through SetData, clamping the day.
TEST(CZTData, PartSettersClampTheDay) {
    EXPECT_EQ(Em(31, 1, 2024).SetMes(2), Em(29, 2, 2024));
    EXPECT_EQ(Em(29, 2, 2024).SetAno(2023), Em(28, 2, 2023));
    EXPECT_EQ(Em(29, 2, 2024).SetAno(25), Em(28, 2, 2025));
    EXPECT_EQ(Em(15, 4, 2024).SetDia(31), Em(30, 4, 2024));
    EXPECT_EQ(Em(15, 4, 2024).SetMes(13).GetValor(), 0u);
    EXPECT_EQ(CZTData().SetDia(5).GetValor(), 0u);  // no date has no month to put a day in
    const CZTData d = Em(7, 3, 1990);
    EXPECT_EQ(d.GetDia(), 7);
    EXPECT_EQ(d.GetMes(), 3);
    EXPECT_EQ(d.GetAno(), 1990);
    EXPECT_EQ(d.GetAno(false), 90);
    int dia = 9, mes = 9, ano = 9;
    EXPECT_FALSE(CZTData(1048248).Desmonta(dia, mes, ano));
    EXPECT_EQ(dia + mes + ano, 0);
    EXPECT_EQ(CZTData(1).GetAno(), 0);
}

// Guards the first and last day of a month, and that the Get forms leave the original alone.
TEST(CZTData, FirstAndLastDayOfTheMonth) {
    EXPECT_EQ(Em(15, 2, 2023).SetUltimoDiaMes(), Em(28, 2, 2023));
    EXPECT_EQ(Em(15, 2, 2024).SetUltimoDiaMes(), Em(29, 2, 2024));
    EXPECT_EQ(Em(15, 4, 2024).SetUltimoDiaMes(), Em(30, 4, 2024));
    EXPECT_EQ(Em(15, 4, 2024).SetPrimeiroDiaMes(), Em(1, 4, 2024));
    const CZTData d = Em(15, 12, 4717);
    EXPECT_EQ(d.GetUltimoDiaMes(), CZTData(1048247));
    EXPECT_EQ(d.GetPrimeiroDiaMes(), Em(1, 12, 4717));
    EXPECT_EQ(d, Em(15, 12, 4717));
}

// Guards SomaDias: out of range loses the date instead of clamping it.
TEST(CZTData, AddingDaysLosesTheDateOutOfRange) {
    EXPECT_EQ(CZTData(1048247).SomaDias(1).GetValor(), 0u);
    EXPECT_EQ(CZTData(2).SomaDias(-1).GetValor(), 0u);
    EXPECT_EQ(CZTData(2).SomaDias(1048245).GetValor(), 1048247u);
    EXPECT_EQ(Em(28, 2, 2024).SomaDias(1), Em(29, 2, 2024));
    EXPECT_EQ(Em(1, 3, 2024).SomaDias(-1), Em(29, 2, 2024));
    EXPECT_EQ(Em(1, 3, 2024).SomaDias(std::numeric_limits<std::int64_t>::max()).GetValor(), 0u);
    EXPECT_EQ(Em(1, 3, 2024).SomaDias(std::numeric_limits<std::int64_t>::min()).GetValor(), 0u);
    // No date plus days is still no date (not 5 January 1848).
    EXPECT_EQ(CZTData().SomaDias(5).GetValor(), 0u);
}

// Guards SomaMeses: the day is kept and clamped; leaving the range empties the date.
TEST(CZTData, AddingMonthsClampsTheDay) {
    EXPECT_EQ(Em(31, 1, 2024).SomaMeses(1), Em(29, 2, 2024));
    EXPECT_EQ(Em(31, 3, 2023).SomaMeses(-1), Em(28, 2, 2023));
    EXPECT_EQ(Em(15, 11, 2024).SomaMeses(3), Em(15, 2, 2025));
    EXPECT_EQ(Em(15, 1, 2024).SomaMeses(-13), Em(15, 12, 2022));
    EXPECT_EQ(Em(31, 1, 2024).SomaMeses(0), Em(31, 1, 2024));
    EXPECT_EQ(Em(1, 12, 4717).SomaMeses(1).GetValor(), 0u);
    EXPECT_EQ(Em(31, 1, 1848).SomaMeses(-1).GetValor(), 0u);
    // More months than 16 bits hold must not wrap round to a plausible date.
    EXPECT_EQ(Em(1, 1, 1848).SomaMeses(34439), Em(1, 12, 4717));
    EXPECT_EQ(Em(1, 1, 2000).SomaMeses(65536).GetValor(), 0u);
    EXPECT_EQ(Em(1, 1, 2000).SomaMeses(-65536).GetValor(), 0u);
    EXPECT_EQ(CZTData().SomaMeses(1).GetValor(), 0u);
}

// Guards SomaAnos: 29 February clamps, and a year never falls into the two-digit window.
TEST(CZTData, AddingYears) {
    EXPECT_EQ(Em(29, 2, 2024).SomaAnos(1), Em(28, 2, 2025));
    EXPECT_EQ(Em(29, 2, 2024).SomaAnos(-4), Em(29, 2, 2020));
    EXPECT_EQ(Em(1, 6, 1900).SomaAnos(-1850).GetValor(), 0u);  // year 50, not 1950
    EXPECT_EQ(Em(1, 6, 4717).SomaAnos(1).GetValor(), 0u);
    EXPECT_EQ(Em(1, 6, 2000).SomaAnos(std::numeric_limits<std::int64_t>::max()).GetValor(), 0u);
}

// Guards Soma: ten-thousandths of each unit, months before days, truncation toward zero.
TEST(CZTData, AddingAmountsInTenThousandths) {
    struct Caso { std::int64_t quantidade; int unidade; CZTData esperado; };
    const CZTData base = Em(15, 1, 2024);
    const Caso casos[] = {
        {15000, CZTData::unidadeMes, Em(1, 3, 2024)},       // one month, then 15 days
        {240000, CZTData::unidadeHora, Em(16, 1, 2024)},    // 24 hours
        {230000, CZTData::unidadeHora, base},               // 23 hours: no whole day
        {10000, CZTData::unidadeSemana, Em(22, 1, 2024)},
        {5000, CZTData::unidadeSemana, Em(18, 1, 2024)},    // half a week: 3 days
        {25000, CZTData::unidadeDia, Em(17, 1, 2024)},
        {-10000, CZTData::unidadeDia, Em(14, 1, 2024)},
        {15000, CZTData::unidadeAno, Em(15, 7, 2025)},      // six months, then one year
        {-15000, CZTData::unidadeAno, Em(15, 7, 2022)},
        {5000, CZTData::unidadeAno, Em(15, 7, 2024)},
        {10000, 6, base},                                   // unknown unit
        {10000, 0, base},
        {0, CZTData::unidadeDia, base},
    };
    for (const Caso& c : casos) {
        CZTData d = base;
        EXPECT_EQ(d.Soma(c.quantidade, c.unidade), c.esperado) << c.quantidade << " " << c.unidade;
    }
    EXPECT_EQ(Em(31, 1, 2024).Soma(10000, CZTData::unidadeMes), Em(29, 2, 2024));
    // Huge amounts lose the date without overflowing on the way.
    for (int unidade = 1; unidade <= 5; ++unidade) {
        EXPECT_EQ(CZTData(base).Soma(std::numeric_limits<std::int64_t>::max(), unidade).GetValor(), 0u) << unidade;
        EXPECT_EQ(CZTData(base).Soma(std::numeric_limits<std::int64_t>::min(), unidade).GetValor(), 0u) << unidade;
    }
}

// Guards postfix ++ (raw, unchecked) and the comparisons of raw numbers.
TEST(CZTData, IncrementAndComparisons) {
    CZTData d(1048247);
    const CZTData antigo = d++;
    EXPECT_EQ(antigo.GetValor(), 1048247u);
    EXPECT_EQ(d.GetValor(), 1048248u);
    EXPECT_LT(Em(1, 1, 2024), Em(2, 1, 2024));
    EXPECT_GT(Em(1, 1, 2025), Em(31, 12, 2024));
    EXPECT_NE(Em(1, 1, 2024), Em(2, 1, 2024));
    EXPECT_LE(CZTData(), Em(1, 1, 1848));
}

// Guards the weekday and its name cut to the buffer (accented names included).
TEST(CZTData, WeekdayNames) {
    EXPECT_EQ(CZTData(2).GetDiaSemana(), 7);
    EXPECT_EQ(CZTData(0).GetDiaSemana(), 0);
    struct Caso { CZTData data; int tamanho; bool abreviado; const char* texto; };
    const Caso casos[] = {
        {Em(5, 2, 2024), 20, false, "Segunda-feira"}, {Em(5, 2, 2024), 20, true, "Seg"},
        {Em(6, 2, 2024), 20, false, "Ter\xE7" "a-feira"}, {Em(6, 2, 2024), 5, true, "Ter"},
        {Em(10, 2, 2024), 20, true, "S\xE1" "b"},        {Em(5, 2, 2024), 6, false, "Segun"},
        {Em(5, 2, 2024), 4, true, "Seg"},                {Em(5, 2, 2024), 3, true, "Se"},
        {Em(5, 2, 2024), 1, false, ""},                  {CZTData(0), 20, false, ""},
        {Em(4, 2, 2024), 8, false, "Domingo"},
    };
    for (const Caso& c : casos) {
        char buffer[32];
        std::memset(buffer, 'X', sizeof buffer);
        EXPECT_STREQ(c.data.GetNomeDiaSemana(buffer, c.tamanho, c.abreviado), c.texto) << c.tamanho;
        for (int i = c.tamanho; i < static_cast<int>(sizeof buffer); ++i) {
            ASSERT_EQ(buffer[i], 'X');
        }
    }
}

// Guards the text forms of a date: fixed 12-character buffer, two-digit years stay two digits.
TEST(CZTData, FormatsByType) {
    const CZTData d = Em(1, 2, 1990);
    EXPECT_EQ(d.Formata(0, '/'), "01/02/90");
    EXPECT_EQ(d.Formata(3, '-'), "02-01-1990");
    EXPECT_EQ(d.Formata(5, '\0'), "19900201");
    EXPECT_EQ(d.Formata(7, '/'), "02/1990");
    EXPECT_EQ(Em(1, 2, 1900).Formata(0, '/'), "01/02/00");
    char buffer[12];
    EXPECT_STREQ(Em(1, 2, 1900).Formata(buffer, sizeof buffer, 0, '/', true), "01/02/1900");
    EXPECT_STREQ(d.Formata(buffer, 10, 1, '/', false), "");
}

// Guards the two parsers as the class uses them: rejected text leaves no date.
TEST(CZTData, ParsesText) {
    EXPECT_EQ(CZTData().SetTexto("1/2/2024"), Em(1, 2, 2024));
    EXPECT_EQ(CZTData().SetTexto(" 01/02/24"), Em(1, 2, 2024));
    EXPECT_EQ(CZTData(700).SetTexto("01022024").GetValor(), 0u);
    EXPECT_EQ(CZTData(700).SetTexto("02/2024").GetValor(), 0u);  // a date needs its day
    EXPECT_EQ(CZTData(700).SetTexto(nullptr).GetValor(), 0u);
    CZTData d(700);
    EXPECT_TRUE(d.SetTextoFormato("2024-02-01", 5, '-'));
    EXPECT_EQ(d, Em(1, 2, 2024));
    EXPECT_TRUE(d.SetTextoFormato("", 1, '/'));
    EXPECT_TRUE(d.IsVazia());
    d = CZTData(700);
    EXPECT_FALSE(d.SetTextoFormato("31/04/2024", 1, '/'));
    EXPECT_TRUE(d.IsVazia());
    d = CZTData(700);
    EXPECT_FALSE(d.SetTextoFormato("02/2024", 7, '/'));  // a month-year type makes no date
    EXPECT_TRUE(d.IsVazia());
}

}  // namespace
