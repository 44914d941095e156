#include "util/date/date_parse.h"

#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

namespace {

using zt_time_test::DiaDe2026;
using zt_time_test::HojeFixado;

struct Lido { int dia = -1, mes = -1, ano = -1; };

// Guards the accepting paths of the digit-state parser (blanks, short fields, the window of the
// pinned 2026).
TEST(DateParseStates, AcceptsTypedDates) {
    const HojeFixado hoje(DiaDe2026());
    struct Caso { const char* texto; int dia, mes, ano; };
    const Caso casos[] = {
        {"1/2/2024", 1, 2, 2024},        {" 01/02/24", 1, 2, 2024},   {"01/02/2024 ", 1, 2, 2024},
        {"\t1 / 2 / 2024\t", 1, 2, 2024}, {"29/02/2024", 29, 2, 2024}, {"29/2/2000", 29, 2, 2000},
        {"1/1/1848", 1, 1, 1848},        {"31/12/4717", 31, 12, 4717}, {"31/12/26", 31, 12, 2026},
        {"1/1/27", 1, 1, 2027},          {"1/1/45", 1, 1, 2045},      {"1/1/46", 1, 1, 1946},
        {"1/1/0", 1, 1, 2000},
    };
    for (const Caso& c : casos) {
        Lido l;
        EXPECT_TRUE(ZTLeTextoDataEstados(c.texto, &l.dia, &l.mes, &l.ano, false)) << c.texto;
        EXPECT_EQ(l.dia, c.dia) << c.texto;
        EXPECT_EQ(l.mes, c.mes) << c.texto;
        EXPECT_EQ(l.ano, c.ano) << c.texto;
    }
}

// Guards the rejecting paths: bad characters, bad shapes and impossible dates; outputs end zeroed.
TEST(DateParseStates, RejectsBadTextAndImpossibleDates) {
    const char* casos[] = {
        "01022024",    // a third digit after two day digits
        "31/04/2024",  // April has 30 days
        "29/02/2023", "29/02/1900", "1/1/1847", "1/1/4718", "1/13/2024", "0/1/2024", "1/0/2024",
        "", "   ", "abc", "1-2-2024", "1/2/", "/1/2024", "1//2024", "1/2/20245", "1/2/100", "1 2/3/2024",
        "1/2/2024x", "1/2/2 024",
    };
    for (const char* texto : casos) {
        Lido l;
        EXPECT_FALSE(ZTLeTextoDataEstados(texto, &l.dia, &l.mes, &l.ano, false)) << texto;
        EXPECT_EQ(l.dia, 0) << texto;
        EXPECT_EQ(l.mes, 0) << texto;
        EXPECT_EQ(l.ano, 0) << texto;
    }
    EXPECT_FALSE(ZTLeTextoDataEstados(nullptr, nullptr, nullptr, nullptr, false));
}

// Guards the two-field form: month and year, refused when the caller asks for a day.
TEST(DateParseStates, MonthYearTextNeedsNoDay) {
    Lido l;
    EXPECT_TRUE(ZTLeTextoDataEstados("05/2024", nullptr, &l.mes, &l.ano, false));
    EXPECT_EQ(l.mes, 5);
    EXPECT_EQ(l.ano, 2024);
    EXPECT_TRUE(ZTLeTextoDataEstados("5/99", nullptr, &l.mes, &l.ano, false));
    EXPECT_EQ(l.ano, 1999);
    EXPECT_FALSE(ZTLeTextoDataEstados("05/2024", &l.dia, &l.mes, &l.ano, false));
    EXPECT_EQ(l.mes, 0);
    // A year field of five digits is no year.
    EXPECT_FALSE(ZTLeTextoDataEstados("05/20245", nullptr, &l.mes, &l.ano, false));
    EXPECT_FALSE(ZTLeTextoDataEstados("05/100", nullptr, &l.mes, &l.ano, false));
    // With three fields the day is still checked even when nobody asks for it.
    EXPECT_FALSE(ZTLeTextoDataEstados("31/04/2024", nullptr, &l.mes, &l.ano, false));
    EXPECT_TRUE(ZTLeTextoDataEstados("30/04/2024", nullptr, &l.mes, &l.ano, false));
    EXPECT_EQ(l.mes, 4);
}

// Guards the thirteenth month: only where allowed, and never with a day.
TEST(DateParseStates, ThirteenthMonthOnlyWhenAllowed) {
    Lido l;
    EXPECT_FALSE(ZTLeTextoDataEstados("13/2024", nullptr, &l.mes, &l.ano, false));
    EXPECT_TRUE(ZTLeTextoDataEstados("13/2024", nullptr, &l.mes, &l.ano, true));
    EXPECT_EQ(l.mes, 13);
    EXPECT_FALSE(ZTLeTextoDataEstados("14/2024", nullptr, &l.mes, &l.ano, true));
    EXPECT_FALSE(ZTLeTextoDataEstados("1/13/2024", &l.dia, &l.mes, &l.ano, true));
    EXPECT_FALSE(ZTLeTextoDataEstados("1/13/2024", nullptr, &l.mes, &l.ano, true));
}

// Guards field order by type, trimming and the window of the typed parser (pinned 2026).
TEST(DateParseFormat, ReadsEveryDateType) {
    const HojeFixado hoje(DiaDe2026());
    struct Caso { const char* texto; int tipo; char separador; int dia, mes, ano; };
    const Caso casos[] = {
        {"01/02/2024", 1, '/', 1, 2, 2024},      {" 01 / 02 / 24 ", 0, '/', 1, 2, 2024},
        {"02.01.24", 2, '.', 1, 2, 2024},        {"02-01-2024", 3, '-', 1, 2, 2024},
        {"24/02/01", 4, '/', 1, 2, 2024},        {"2024-02-01", 5, '-', 1, 2, 2024},
        {"01/02/2024/", 1, '/', 1, 2, 2024},     {"\t29/2/2000\t/ ", 1, '/', 29, 2, 2000},
        {"01/02/27", 0, '/', 1, 2, 2027},        {"01/02/45", 0, '/', 1, 2, 2045},
        {"01/02/46", 0, '/', 1, 2, 1946},
    };
    for (const Caso& c : casos) {
        Lido l;
        EXPECT_TRUE(ZTLeTextoDataFormato(c.texto, l.dia, l.mes, l.ano, c.tipo, c.separador)) << c.texto;
        EXPECT_EQ(l.dia, c.dia) << c.texto;
        EXPECT_EQ(l.mes, c.mes) << c.texto;
        EXPECT_EQ(l.ano, c.ano) << c.texto;
    }
}

// Guards the refusals of the typed parser; outputs end zeroed.
TEST(DateParseFormat, RejectsBadFieldsAndDates) {
    struct Caso { const char* texto; int tipo; char separador; };
    const Caso casos[] = {
        {"01/02/2024/x", 1, '/'}, {"01/02/2024/5", 1, '/'}, {"01/0a/2024", 1, '/'}, {"01//2024", 1, '/'},
        {"01/02", 1, '/'},        {"31/04/2024", 1, '/'},   {"29/02/2023", 1, '/'}, {"01/13/2024", 1, '/'},
        {"01/02/4718", 1, '/'},   {"01/02/1847", 1, '/'},   {"00/02/2024", 1, '/'}, {"01/02/2024", 6, '-'},
        {"01/02/2024", 10, '/'},  {"01/02/2024", -1, '/'},  {"01-02-2024", 1, '/'}, {"   ", 1, '/'},
        {"01/02/99999999999999999999", 1, '/'},
    };
    for (const Caso& c : casos) {
        Lido l;
        EXPECT_FALSE(ZTLeTextoDataFormato(c.texto, l.dia, l.mes, l.ano, c.tipo, c.separador)) << c.texto;
        EXPECT_EQ(l.dia, 0) << c.texto;
        EXPECT_EQ(l.mes, 0) << c.texto;
        EXPECT_EQ(l.ano, 0) << c.texto;
    }
}

// Guards the empty text: accepted as no date, not refused.
TEST(DateParseFormat, EmptyTextIsNoDate) {
    Lido l;
    EXPECT_TRUE(ZTLeTextoDataFormato("", l.dia, l.mes, l.ano, 1, '/'));
    EXPECT_EQ(l.dia + l.mes + l.ano, 0);
    EXPECT_TRUE(ZTLeTextoDataFormato(nullptr, l.dia, l.mes, l.ano, 1, '/'));
    EXPECT_TRUE(ZTLeTextoMesAnoFormato("", l.mes, l.ano, 7, '/'));
    EXPECT_EQ(l.mes + l.ano, 0);
}

// Guards the month-year types and their field order.
TEST(DateParseFormat, ReadsMonthYearTypes) {
    struct Caso { const char* texto; int tipo; int mes, ano; };
    const Caso casos[] = {{"02/24", 6, 2, 2024}, {"02/2024", 7, 2, 2024}, {"24/02", 8, 2, 2024},
                          {"2024/02", 9, 2, 2024}, {" 2 / 1927 /", 7, 2, 1927}};
    for (const Caso& c : casos) {
        Lido l;
        EXPECT_TRUE(ZTLeTextoMesAnoFormato(c.texto, l.mes, l.ano, c.tipo, '/')) << c.texto;
        EXPECT_EQ(l.mes, c.mes) << c.texto;
        EXPECT_EQ(l.ano, c.ano) << c.texto;
        // The date parser hands month-year types over and gives no day.
        EXPECT_TRUE(ZTLeTextoDataFormato(c.texto, l.dia, l.mes, l.ano, c.tipo, '/')) << c.texto;
        EXPECT_EQ(l.dia, 0);
        EXPECT_EQ(l.mes, c.mes);
    }
    const char* ruins[] = {"13/2024", "0/2024", "02/1847", "02/2024/x", "02", "x2/2024"};
    for (const char* texto : ruins) {
        Lido l;
        EXPECT_FALSE(ZTLeTextoMesAnoFormato(texto, l.mes, l.ano, 7, '/')) << texto;
        EXPECT_EQ(l.mes, 0);
        EXPECT_EQ(l.ano, 0);
    }
    Lido l;
    EXPECT_FALSE(ZTLeTextoMesAnoFormato("02/2024", l.mes, l.ano, 1, '/'));
}

}  // namespace
