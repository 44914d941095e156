#include "util/date/day_number.h"

#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace {

using namespace std::chrono;

// An independent count of the numbering: 1 January 1848 is day 2.
std::int64_t DiaPeloCalendario(year_month_day data) {
    return (sys_days{data} - sys_days{year{1848} / January / 1}).count() + 2;
}

// Walks every valid day once; the reference calendar is the standard library's.
TEST(DayNumber, WholeRangeSplitsRebuildsAndAdvancesWithTheCalendar) {
    const sys_days primeiro = year{1848} / January / 1;
    const sys_days ultimo = year{4717} / December / 31;
    std::uint32_t n = ZT_DIA_MINIMO;
    int falhas = 0;
    for (sys_days dia = primeiro; dia <= ultimo && falhas < 5; dia += days{1}, ++n) {
        const year_month_day ymd{dia};
        const int esperadoDia = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const int esperadoMes = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int esperadoAno = static_cast<int>(ymd.year());
        int d = -1, m = -1, a = -1;
        const bool ok = ZTDesmontaDiaNumero(n, d, m, a);
        const bool igual = ok && d == esperadoDia && m == esperadoMes && a == esperadoAno &&
                           ZTCalculaDiaNumero(d, m, a) == n &&
                           ZTDiaSemana(n) == static_cast<int>(weekday{dia}.c_encoding()) + 1;
        if (!igual) {
            ++falhas;
            ADD_FAILURE() << "day " << n << " split as " << d << "/" << m << "/" << a << ", expected "
                          << esperadoDia << "/" << esperadoMes << "/" << esperadoAno;
        }
    }
    EXPECT_EQ(falhas, 0);
    EXPECT_EQ(n - 1, ZT_DIA_MAXIMO);  // the range ends exactly on 31 December 4717
}

// The values other parts of the system rely on (short dates, stored records).
TEST(DayNumber, KnownDatesHaveTheirNumbers) {
    struct Caso { int dia, mes, ano; std::uint32_t numero; };
    const Caso casos[] = {
        {1, 1, 1848, 2},         {31, 12, 4717, 1048247}, {1, 1, 1927, 28856},
        {31, 12, 2026, 65380},   {1, 1, 1850, 733},       {1, 3, 1900, 19054},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTCalculaDiaNumero(c.dia, c.mes, c.ano), c.numero) << c.dia << "/" << c.mes << "/" << c.ano;
        EXPECT_EQ(ZTCalculaDiaNumero(c.dia, c.mes, c.ano),
                  DiaPeloCalendario(year{c.ano} / month{static_cast<unsigned>(c.mes)} / day{static_cast<unsigned>(c.dia)}));
    }
}

// Guards the clamp: a day past the month's end is its last day, 29 February only in leap years.
TEST(DayNumber, DayIsClampedToTheMonth) {
    EXPECT_EQ(ZTCalculaDiaNumero(31, 2, 2024), ZTCalculaDiaNumero(29, 2, 2024));
    EXPECT_EQ(ZTCalculaDiaNumero(29, 2, 2023), ZTCalculaDiaNumero(28, 2, 2023));
    EXPECT_EQ(ZTCalculaDiaNumero(29, 2, 1900), ZTCalculaDiaNumero(28, 2, 1900));
    EXPECT_EQ(ZTCalculaDiaNumero(31, 4, 2024), ZTCalculaDiaNumero(30, 4, 2024));
    EXPECT_EQ(ZTCalculaDiaNumero(99, 12, 2024), ZTCalculaDiaNumero(31, 12, 2024));
    EXPECT_EQ(ZTCalculaDiaNumero(29, 2, 2000) + 1, ZTCalculaDiaNumero(1, 3, 2000));
}

// Guards the refusals: nothing outside the rules may become some other date.
TEST(DayNumber, InvalidPartsGiveNoDate) {
    struct Caso { int dia, mes, ano; };
    const Caso casos[] = {{0, 1, 2024}, {1, 0, 2024}, {1, 13, 2024}, {1, 1, 1847}, {31, 12, 1847},
                          {1, 1, 4718}, {-1, 1, 2024}, {1, -1, 2024}, {1, 1, 100}, {1, 1, -5}};
    for (const Caso& c : casos) EXPECT_EQ(ZTCalculaDiaNumero(c.dia, c.mes, c.ano), 0u) << c.dia << "/" << c.mes << "/" << c.ano;
}

// Guards the split of numbers outside the range: zeros, never a made-up date.
TEST(DayNumber, NumbersOutsideTheRangeDoNotSplit) {
    for (std::uint32_t n : {0u, 1u, ZT_DIA_MAXIMO + 1, 0xFFFFFFFFu}) {
        int d = 9, m = 9, a = 9;
        EXPECT_FALSE(ZTDesmontaDiaNumero(n, d, m, a)) << n;
        EXPECT_EQ(d, 0);
        EXPECT_EQ(m, 0);
        EXPECT_EQ(a, 0);
        EXPECT_EQ(ZTDiaSemana(n), 0) << n;
    }
}

// Guards the two-digit window: 80 years back and 19 ahead of the clock's year, so it moves with
// the (test) clock; years that are not two-digit stay as they are.
TEST(DayNumber, TwoDigitYearsFollowTheWindowOfTheClock) {
    struct Caso { int anoDoRelogio, entrada, ano; };
    const Caso casos[] = {
        {2026, 45, 2045},  {2026, 46, 1946}, {2026, 0, 2000},   {2026, 27, 2027}, {2026, 28, 2028},
        {2026, 99, 1999},  {2031, 50, 2050}, {2031, 51, 1951},  {2031, 0, 2000},  {2099, 18, 2118},
        {2099, 19, 2019},  {2026, 100, 100}, {2026, 1848, 1848}, {2026, -1, -1},
    };
    for (const Caso& c : casos) {
        const zt_time_test::HojeFixado hoje(zt_time_test::Momento(c.anoDoRelogio, 3, 1, 12));
        EXPECT_EQ(ZTJanelaAno(c.entrada), c.ano) << c.entrada << " in " << c.anoDoRelogio;
        EXPECT_EQ(ZTCalculaDiaNumero(1, 1, c.entrada), ZTCalculaDiaNumero(1, 1, c.ano)) << c.entrada;
        EXPECT_EQ(ZTCalculaMesNumero(1, c.entrada), ZTCalculaMesNumero(1, c.ano)) << c.entrada;
    }
}

// Guards when the clock is read: only for a year that is widened, so that four-digit years and
// refused dates never depend on (or fail with) the clock. An enabled test clock with an impossible
// moment raises on every reading.
TEST(DayNumber, OnlyWideningReadsTheClock) {
    kelvo::testing::TestEnvironment ambiente;
    zt_time_test::GravaRelogio("1;31/2/2026;0:0:0:0;1/1/2026;0:0:0:0");
    EXPECT_EQ(zt_time_test::TextoDaExcecao([] { (void)ZTCalculaDiaNumero(1, 2, 24); }),
              "Helper_SystemTimeToFileTime: SystemTimeToFileTime");
    const auto fevereiro2024 = static_cast<std::uint32_t>(DiaPeloCalendario(year{2024} / 2 / 1));
    EXPECT_EQ(zt_time_test::TextoDaExcecao([&] {
                  EXPECT_EQ(ZTCalculaDiaNumero(1, 2, 2024), fevereiro2024);
                  EXPECT_EQ(ZTCalculaDiaNumero(0, 2, 24), 0u);
                  EXPECT_EQ(ZTCalculaMesNumero(13, 24), 0);
                  EXPECT_EQ(ZTJanelaAno(2024), 2024);
              }),
              "");
}

// Guards the Gregorian rule, centuries included.
TEST(DayNumber, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(ZTIsAnoBissexto(2024));
    EXPECT_TRUE(ZTIsAnoBissexto(2000));
    EXPECT_TRUE(ZTIsAnoBissexto(1848));
    EXPECT_FALSE(ZTIsAnoBissexto(1900));
    EXPECT_FALSE(ZTIsAnoBissexto(2023));
    EXPECT_FALSE(ZTIsAnoBissexto(2100));
    EXPECT_EQ(ZTDiasDoMes(2, 2024), 29);
    EXPECT_EQ(ZTDiasDoMes(2, 2100), 28);
    EXPECT_EQ(ZTDiasDoMes(4, 2024), 30);
    EXPECT_EQ(ZTDiasDoMes(12, 2024), 31);
    EXPECT_EQ(ZTDiasDoMes(13, 2024), 0);
    EXPECT_EQ(ZTDiasDoMes(0, 2024), 0);
}

// Guards the weekday formula and the exact (Windows-1252) names.
TEST(DayNumber, WeekdaysAndTheirNames) {
    EXPECT_EQ(ZTDiaSemana(2), 7);                                  // 1 January 1848 was a Saturday
    EXPECT_EQ(ZTDiaSemana(ZTCalculaDiaNumero(1, 2, 2024)), 5);     // a Thursday
    EXPECT_EQ(ZTDiaSemana(ZTCalculaDiaNumero(4, 2, 2024)), 1);     // a Sunday
    const char* nomes[] = {"Domingo", "Segunda-feira", "Ter\xE7" "a-feira", "Quarta-feira", "Quinta-feira",
                           "Sexta-feira", "S\xE1" "bado"};
    for (int i = 1; i <= 7; ++i) EXPECT_STREQ(ZTNomeDiaSemana(i), nomes[i - 1]);
    EXPECT_STREQ(ZTNomeDiaSemana(0), "");
    EXPECT_STREQ(ZTNomeDiaSemana(8), "");
}

// Every month number splits back to the month and year that built it.
TEST(MonthNumber, WholeRangeRoundTrips) {
    std::uint32_t n = 0;
    for (int ano = 1848; ano <= 4717; ++ano) {
        for (int mes = 1; mes <= 12; ++mes) {
            ++n;
            ASSERT_EQ(ZTCalculaMesNumero(mes, ano), n) << mes << "/" << ano;
            int m = 0, a = 0;
            ASSERT_TRUE(ZTDesmontaMesNumero(n, m, a));
            ASSERT_EQ(m, mes);
            ASSERT_EQ(a, ano);
        }
    }
    EXPECT_EQ(n, ZT_MES_MAXIMO);
}

// Guards the refusals and the window of month numbers.
TEST(MonthNumber, LimitsAndRefusals) {
    EXPECT_EQ(ZTCalculaMesNumero(1, 1848), 1);
    EXPECT_EQ(ZTCalculaMesNumero(12, 4717), 34440);
    EXPECT_EQ(ZTCalculaMesNumero(5, 24), ZTCalculaMesNumero(5, 2024));
    EXPECT_EQ(ZTCalculaMesNumero(13, 2000), 0);
    EXPECT_EQ(ZTCalculaMesNumero(0, 2000), 0);
    EXPECT_EQ(ZTCalculaMesNumero(12, 1847), 0);
    EXPECT_EQ(ZTCalculaMesNumero(1, 4718), 0);
    int m = 9, a = 9;
    EXPECT_FALSE(ZTDesmontaMesNumero(0, m, a));
    EXPECT_EQ(m, 0);
    EXPECT_EQ(a, 0);
    EXPECT_FALSE(ZTDesmontaMesNumero(34441, m, a));
}

}  // namespace
