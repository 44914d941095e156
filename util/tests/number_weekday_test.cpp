#include "util/number/weekday.h"

#include "platform/text/codepage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;

sys_days Dia(int ano, int mes, int dia) {
    return year{ano} / month{static_cast<unsigned>(mes)} / day{static_cast<unsigned>(dia)};
}

// The day number of a calendar date counted independently: 1 January 1848 is day 2.
std::uint32_t DiaNumero(sys_days d) { return static_cast<std::uint32_t>((d - Dia(1848, 1, 1)).count() + 2); }

// The stored short value of a date from 1927 on: the day number up to 4 June 2027 (65535), then
// counted again from 1.
std::uint32_t ValorCurto(sys_days d) {
    const std::uint32_t n = DiaNumero(d);
    return n > 65535 ? n - 65535 : n;
}

// The 1850 count of a date, counted independently: 1 January 1850 is 1, and from March 1900 on
// the count holds one day more than the calendar (its 29 February 1900).
std::uint32_t Contagem1850(sys_days d) {
    const int extra = d >= Dia(1900, 3, 1) ? 1 : 0;
    return static_cast<std::uint32_t>((d - Dia(1850, 1, 1)).count() + 1 + extra);
}

// The calendar's weekday as 1 = Sunday .. 7 = Saturday.
std::uint16_t DiaSemanaDoCalendario(sys_days d) { return static_cast<std::uint16_t>(weekday{d}.c_encoding() + 1); }

std::string Ansi(const char* utf8) { return platform::AnsiFromUtf8(utf8); }

struct DataConhecida {
    int dia, mes, ano;
    std::uint16_t diaSemana;  // worked out on a calendar, not by the code
};

// Dates whose weekdays are known, every weekday at least once.
const std::vector<DataConhecida>& DatasConhecidas() {
    static const std::vector<DataConhecida> datas = {
        {1, 1, 1927, 7},   // first short day: Saturday
        {4, 6, 2027, 6},   // last day of the original short range: Friday
        {5, 6, 2027, 7},   // first day stored below the original minimum: Saturday
        {5, 6, 2106, 7},   // last short day: Saturday
        {1, 1, 1990, 2},   // Monday
        {11, 9, 2001, 3},  // Tuesday
        {15, 11, 1989, 4}, // Wednesday
        {1, 2, 2024, 5},   // Thursday
        {29, 2, 2024, 5},  // Thursday, a leap day
        {3, 3, 2024, 1},   // Sunday
        {1, 1, 2000, 7},   // Saturday, the day after a century's end
        {29, 2, 2000, 3},  // Tuesday: 2000 is a leap year in the calendar too
        {28, 2, 1900, 4},  // Wednesday, last day before the count's extra day
        {1, 3, 1900, 5},   // Thursday, first day after it
        {31, 12, 1926, 6}, // Friday
    };
    return datas;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Weekday numbers

// Known dates in both numberings: guards a wrong base of either numbering or an off-by-one in the
// 1850 count's extra day.
TEST(ZTDiaDaSemana, KnownDatesInBothNumberings) {
    for (const auto& c : DatasConhecidas()) {
        const sys_days d = Dia(c.ano, c.mes, c.dia);
        SCOPED_TRACE(testing::Message() << c.dia << "/" << c.mes << "/" << c.ano);
        if (d >= Dia(1927, 1, 1)) {
            EXPECT_EQ(ZTDiaDaSemana(ValorCurto(d), false), c.diaSemana);
        }
        // Contagem1850 knows only the count's 29 February 1900, not that of 2100.
        if (d < Dia(2100, 3, 1)) {
            EXPECT_EQ(ZTDiaDaSemana(Contagem1850(d), true), c.diaSemana);
        }
    }
}

// The first and last short days by their raw numbers, and a few counts worked out by hand.
TEST(ZTDiaDaSemana, RawValuesWorkedOutByHand) {
    EXPECT_EQ(ZTDiaDaSemana(28856, false), 7);  // 1 January 1927
    EXPECT_EQ(ZTDiaDaSemana(65535, false), 6);  // 4 June 2027
    EXPECT_EQ(ZTDiaDaSemana(1, false), 7);      // 5 June 2027
    EXPECT_EQ(ZTDiaDaSemana(28855, false), 7);  // 5 June 2106
    EXPECT_EQ(ZTDiaDaSemana(54788, true), 7);   // 1 January 2000 in the 1850 count
    EXPECT_EQ(ZTDiaDaSemana(18321, true), 4);   // 28 February 1900
    EXPECT_EQ(ZTDiaDaSemana(18323, true), 5);   // 1 March 1900
}

namespace {

// Checks every day of [primeiro, ultimo] in one numbering against the calendar; stops reporting
// after five mismatches.
void ConfereComOCalendario(sys_days primeiro, sys_days ultimo, bool dias1850) {
    int falhas = 0;
    for (sys_days d = primeiro; d <= ultimo && falhas < 5; d += days{1}) {
        const std::uint32_t n = dias1850 ? Contagem1850(d) : ValorCurto(d);
        if (ZTDiaDaSemana(n, dias1850) != DiaSemanaDoCalendario(d)) {
            ++falhas;
            ADD_FAILURE() << (dias1850 ? "1850 count " : "short day ") << n << " gives " << ZTDiaDaSemana(n, dias1850);
        }
    }
}

}  // namespace

// Every short day against the calendar: guards the text round trip over the whole field, the
// values after 4 June 2027 included.
TEST(ZTDiaDaSemana, EveryShortDayMatchesTheCalendar) { ConfereComOCalendario(Dia(1927, 1, 1), Dia(2106, 6, 5), false); }

// Every 1850 count of 1850..2099 against the calendar: guards reading the count as a day number
// (off by one from March 1900 on) instead of through its text, and a check that cuts the years
// to the short dates' window (1850..1926 and 2027..2099 have weekdays too).
TEST(ZTDiaDaSemana, Every1850CountOfTwoCenturiesMatchesTheCalendar) {
    ConfereComOCalendario(Dia(1850, 1, 1), Dia(2099, 12, 31), true);
}

// The count's 29 February 1900 is no calendar date, so the date parser refuses its text: guards a
// weekday invented for it.
TEST(ZTDiaDaSemana, The1850CountsLeapDayOf1900IsRefused) {
    const std::uint32_t fantasma = Contagem1850(Dia(1900, 2, 28)) + 1;
    EXPECT_EQ(fantasma, 18322u);
    EXPECT_EQ(ZTDiaDaSemana(fantasma, true), ZT_DIA_SEMANA_TEXTO_INVALIDO);
    EXPECT_EQ(ZTNomeDiaDaSemana(fantasma, false, true), "");
    EXPECT_EQ(ZTNomeDiaDaSemana(fantasma, true, true), "");
}

// Values whose text the parser refuses give 0: the empty value and values beyond their numbering.
TEST(ZTDiaDaSemana, ValuesWhoseTextFailsTheParserGiveZero) {
    struct Caso {
        std::uint32_t valor;
        bool dias1850;
        const char* porque;
    };
    const Caso casos[] = {
        {0, false, "the empty short day (00/00/0000)"},
        {0, true, "the empty count (00/00/0)"},
        {65536u + 28856u, false, "beyond 16 bits: must not be cut to 1 January 1927"},
        {0x80000000u, true, "beyond the count's 32-bit range"},
        {0xFFFFFFFFu, true, "the largest value"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porque);
        EXPECT_EQ(ZTDiaDaSemana(c.valor, c.dias1850), ZT_DIA_SEMANA_TEXTO_INVALIDO);
        EXPECT_EQ(ZTNomeDiaDaSemana(c.valor, false, c.dias1850), "");
    }
    EXPECT_EQ(ZT_DIA_SEMANA_TEXTO_INVALIDO, 0);
}

// ---------------------------------------------------------------------------------------------
// Weekday names

// One week, Sunday to Saturday, in both numberings: guards the name table's order, its accents in
// Windows-1252 and the three-character cut (a byte cut, so "Sáb" keeps its accented letter).
TEST(ZTNomeDiaDaSemana, FullAndAbbreviatedNamesOfOneWeek) {
    struct Nome {
        int dia;  // of March 2024, a week that starts on a Sunday
        const char* completo;
        const char* abreviado;
    };
    const Nome semana[] = {
        {3, "Domingo", "Dom"},           {4, "Segunda-feira", "Seg"}, {5, "Terça-feira", "Ter"},
        {6, "Quarta-feira", "Qua"},      {7, "Quinta-feira", "Qui"},  {8, "Sexta-feira", "Sex"},
        {9, "Sábado", "Sáb"},
    };
    for (const auto& n : semana) {
        const sys_days d = Dia(2024, 3, n.dia);
        SCOPED_TRACE(n.completo);
        EXPECT_EQ(std::string(ZTNomeDiaDaSemana(DiaNumero(d), false, false)), Ansi(n.completo));
        EXPECT_EQ(std::string(ZTNomeDiaDaSemana(DiaNumero(d), true, false)), Ansi(n.abreviado));
        EXPECT_EQ(std::string(ZTNomeDiaDaSemana(Contagem1850(d), false, true)), Ansi(n.completo));
        EXPECT_EQ(std::string(ZTNomeDiaDaSemana(Contagem1850(d), true, true)), Ansi(n.abreviado));
    }
    EXPECT_EQ(Ansi("Sáb"), std::string("S\xE1" "b"));
}

// The flag says which numbering the value is in: the same number names different days.
TEST(ZTNomeDiaDaSemana, TheFlagChoosesTheNumbering) {
    const std::uint32_t n = DiaNumero(Dia(2024, 3, 3));  // a Sunday as a short day
    EXPECT_EQ(std::string(ZTNomeDiaDaSemana(n, true, false)), "Dom");
    EXPECT_EQ(ZTDiaDaSemana(n, true), DiaSemanaDoCalendario(Dia(1850, 1, 1) + days{n - 2}));
    EXPECT_NE(ZTDiaDaSemana(n, true), 1);
}
