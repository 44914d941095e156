#include "util/time/short_date_text.h"

#include "util/tests/time_test_clock.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using zt_time_test::DiaDe2026;
using zt_time_test::HojeFixado;

std::string Data(std::uint16_t numero, bool quatro) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return ZTDataParaTexto(numero, texto, quatro);
}

std::string MesAno(std::uint16_t numero, bool quatro) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return ZTMesAnoParaTexto(numero, texto, quatro);
}

// Guards the texts of stored values: both year widths, the empty forms, 1927 and 2027 told apart
// by their four-digit years, and the values after 4 June 2027 printed as the days they mean.
TEST(ShortDateText, NumbersAsText) {
    struct Caso { std::uint16_t numero; const char* curto; const char* longo; };
    const Caso casos[] = {
        {0, "00/00/00", "00/00/0000"},
        {ZTMontaData(1, 2, 2024), "01/02/24", "01/02/2024"},
        {28856, "01/01/27", "01/01/1927"},
        {65381, "01/01/27", "01/01/2027"},
        {65535, "04/06/27", "04/06/2027"},
        {1, "05/06/27", "05/06/2027"},
        {28855, "05/06/06", "05/06/2106"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Data(c.numero, false), c.curto) << c.numero;
        EXPECT_EQ(Data(c.numero, true), c.longo) << c.numero;
    }
    EXPECT_EQ(MesAno(0, false), "00/00");
    EXPECT_EQ(MesAno(0, true), "00/0000");
    EXPECT_EQ(MesAno(2154, true), "06/2027");
    EXPECT_EQ(MesAno(3102, true), "06/2106");
    EXPECT_EQ(MesAno(949, false), "01/27");
    EXPECT_EQ(MesAno(ZTMontaMesAno(2, 2024), true), "02/2024");
}

// Guards the four-digit texts of every day that a short date holds: each prints and parses back
// to its own stored value (the eight-digit year range 1927..2106 and no window involved).
TEST(ShortDateText, EveryFourDigitTextParsesBack) {
    using namespace std::chrono;
    const auto Valor = [](year_month_day d) {
        return ZTDataCurtaDaData(static_cast<int>(static_cast<unsigned>(d.day())),
                                 static_cast<int>(static_cast<unsigned>(d.month())), static_cast<int>(d.year()));
    };
    const sys_days primeiro = year{1927} / January / 1;
    const sys_days ultimo = year{2106} / June / 5;
    for (sys_days d = primeiro; d <= ultimo; d += days{1}) {
        const std::uint16_t valor = Valor(year_month_day{d});
        ASSERT_NE(valor, 0);
        ASSERT_EQ(ZTTextoParaData(Data(valor, true).c_str()), valor) << Data(valor, true);
    }
    EXPECT_EQ(Data(65535, true), "04/06/2027");
    EXPECT_EQ(ZTTextoParaData("04/06/2027"), 65535);
    EXPECT_EQ(ZTTextoParaData("05/06/2027"), 1);
    EXPECT_EQ(ZTTextoParaData("05/06/2106"), 28855);
    EXPECT_EQ(ZTTextoParaData("06/06/2106"), 0);
}

// Guards the texts of fields: two-digit years widened through the window, long years cut, fields
// that cannot be shown refused, and never a byte past the 11 the buffer must have.
TEST(ShortDateText, FieldsAsTextStayInsideTheBuffer) {
    const HojeFixado hoje(DiaDe2026());
    char texto[16];
    EXPECT_STREQ(ZTCamposDataParaTexto(1, 2, 24, texto, true), "01/02/2024");
    EXPECT_STREQ(ZTCamposDataParaTexto(1, 2, 45, texto, true), "01/02/2045");
    EXPECT_STREQ(ZTCamposDataParaTexto(1, 2, 46, texto, true), "01/02/1946");
    EXPECT_STREQ(ZTCamposDataParaTexto(1, 2, 2024, texto, false), "01/02/24");
    EXPECT_STREQ(ZTCamposDataParaTexto(0, 0, 0, texto, true), "00/00/0000");
    EXPECT_STREQ(ZTCamposMesAnoParaTexto(2, 24, texto, true), "02/2024");
    EXPECT_STREQ(ZTCamposMesAnoParaTexto(2, 2024, texto, false), "02/24");
    for (const auto& campos : {std::array<int, 3>{100, 1, 2024}, std::array<int, 3>{1, -1, 2024},
                               std::array<int, 3>{1, 1, 10000}}) {
        std::memset(texto, 'X', sizeof texto);
        EXPECT_STREQ(ZTCamposDataParaTexto(campos[0], campos[1], campos[2], texto, true), "");
    }
    std::memset(texto, 'X', sizeof texto);
    ZTCamposDataParaTexto(99, 99, 9999, texto, true);
    EXPECT_STREQ(texto, "99/99/9999");
    EXPECT_EQ(std::string(texto + ZT_TEXTO_DATA_CURTA, 5), "XXXXX");
}

// Guards record fields: read at any alignment, formatted like the numbers.
TEST(ShortDateText, RecordFieldsAsText) {
    unsigned char registro[3] = {0xEE, 0, 0};
    const std::uint16_t data = 65535;
    std::memcpy(registro + 1, &data, sizeof data);
    char texto[ZT_TEXTO_DATA_CURTA];
    EXPECT_STREQ(ZTFormataData(registro + 1, texto, true), "04/06/2027");
    EXPECT_EQ(ZTFormataCampoData(registro + 1, false), "04/06/27");
    const std::uint16_t mes = 2154;
    std::memcpy(registro + 1, &mes, sizeof mes);
    EXPECT_STREQ(ZTFormataMesAno(registro + 1, texto, true), "06/2027");
    EXPECT_STREQ(ZTFormataData(nullptr, texto, false), "00/00/00");
}

// Guards the parser: digits only, the year range of eight digits, the window of the pinned 2026,
// the clamped day, four-digit 1927 kept apart from 2027, and dates beyond the field left empty.
TEST(ShortDateText, TextoParaDataParsesDigits) {
    const HojeFixado hoje(DiaDe2026());
    struct Caso { const char* texto; std::uint16_t esperado; };
    const Caso casos[] = {
        {"01/02/2024", ZTMontaData(1, 2, 2024)}, {"010224", ZTMontaData(1, 2, 2024)},
        {"01-02-24", ZTMontaData(1, 2, 2024)},   {"01/02/2124", 0},
        {"01/02/2107", 0},                       {"01/02/2106", ZTDataCurtaDaData(1, 2, 2106)},
        {"01/02/1824", 0},                       {"31/12/1926", 0},
        {"31/04/24", ZTMontaData(30, 4, 2024)},  {"04/06/27", 65535},
        {"05/06/27", 1},                         {"01/01/27", 65381},
        {"01/01/1927", 28856},                   {"01/01/45", ZTDataCurtaDaData(1, 1, 2045)},
        {"01/01/46", ZTDataCurtaDaData(1, 1, 1946)}, {"01/13/24", 0},
        {"", 0},                                 {nullptr, 0},
    };
    for (const Caso& c : casos) EXPECT_EQ(ZTTextoParaData(c.texto), c.esperado) << (c.texto ? c.texto : "null");

    int d = -1, m = -1, a = -1;
    EXPECT_TRUE(ZTLeTextoData("31/02/2024", d, m, a));
    EXPECT_EQ(d, 29);
    EXPECT_EQ(m, 2);
    EXPECT_EQ(a, 2024);
    EXPECT_FALSE(ZTLeTextoData("01/02/2124", d, m, a));
    EXPECT_EQ(d + m + a, 0);
    EXPECT_TRUE(ZTLeTextoData("05/06/2106", d, m, a));
    EXPECT_EQ(a, 2106);
}

// Guards the month-year parser: characters 1-2 and 4-5, the window.
TEST(ShortDateText, TextoParaMesAnoReadsFixedPlaces) {
    const HojeFixado hoje(DiaDe2026());
    EXPECT_EQ(ZTTextoParaMesAno("02/24"), ZTMontaMesAno(2, 2024));
    EXPECT_EQ(ZTTextoParaMesAno("06/27"), 2154);
    EXPECT_EQ(ZTTextoParaMesAno("01/45"), ZTMontaMesAno(1, 2045));
    EXPECT_EQ(ZTTextoParaMesAno("01/46"), ZTMontaMesAno(1, 1946));
    EXPECT_EQ(ZTTextoParaMesAno("00/00"), 0);
    EXPECT_EQ(ZTTextoParaMesAno(""), 0);
    EXPECT_EQ(ZTTextoParaMesAno(nullptr), 0);
    int m = -1, a = -1;
    EXPECT_TRUE(ZTLeTextoMesAno("12/26", m, a));
    EXPECT_EQ(m, 12);
    EXPECT_EQ(a, 2026);
    EXPECT_FALSE(ZTLeTextoMesAno("", m, a));
    EXPECT_EQ(m + a, 0);
}

// Guards the validator of date edits: lengths of months, 29 February by the calendar (2100 has
// none), the eight-digit year range, month-year texts with a 13th month on request, and dates and
// months beyond the field refused; two-digit years through the window of the pinned 2026.
TEST(ShortDateText, ValidaTextoData) {
    const HojeFixado hoje(DiaDe2026());
    struct Caso { const char* texto; bool mesAno, permite13, valido; };
    const Caso casos[] = {
        {"01/02/2024", false, false, true},  {"29/02/2024", false, false, true},
        {"29/02/2023", false, false, false}, {"31/04/2024", false, false, false},
        {"30/04/24", false, false, true},    {"00/04/24", false, false, false},
        {"01/13/2024", false, false, false}, {"01/02/2124", false, false, false},
        {"31/12/26", false, false, true},    {"01/01/27", false, false, true},
        {"04/06/2027", false, false, true},  {"05/06/27", false, false, true},
        {"31/12/27", false, false, true},    {"01/01/1927", false, false, true},
        {"05/06/2106", false, false, true},  {"06/06/2106", false, false, false},
        {"29/02/2100", false, false, false}, {"29/02/2096", false, false, true},
        {"29/02/00", false, false, true},    {"31/12/1926", false, false, false},
        {"02/24", true, false, true},        {"13/24", true, false, false},
        {"13/24", true, true, true},         {"00/24", true, false, false},
        {"06/27", true, false, true},        {"07/27", true, false, true},
        {"12", true, false, true},           {"12/2024", true, false, false},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTValidaTextoData(c.texto, c.mesAno, c.permite13), c.valido)
            << c.texto << " mesAno " << c.mesAno << " 13 " << c.permite13;
    }
}

// Guards the ISO reader: the date from its places, the packed time, and the lengths that leave
// either out.
TEST(ShortDateText, LeDataHoraISO) {
    struct Caso { const char* texto; std::uint16_t data; std::int32_t hora; };
    const Caso casos[] = {
        {"2024-02-01 13:45:10", ZTMontaData(1, 2, 2024), 134510},
        {"2027-06-04 23:59:59", 65535, 235959},
        {"2027-06-05 00:00:00", 1, 0},
        {"2106-06-05 12:00:00", 28855, 120000},
        {"1927-01-01 00:00:01", 28856, 1},
        {"2024-02-01 13:45:1", ZTMontaData(1, 2, 2024), 134501},
        {"2024-02-01 13:45", ZTMontaData(1, 2, 2024), 0},
        {"2024-02-01", ZTMontaData(1, 2, 2024), 0},
        {"2024-02-0", 0, 0},
        {"", 0, 0},
        {nullptr, 0, 0},
    };
    for (const Caso& c : casos) {
        std::uint16_t data = 7;
        std::int32_t hora = 7;
        ZTLeDataHoraISO(c.texto, data, hora);
        EXPECT_EQ(data, c.data) << (c.texto ? c.texto : "null");
        EXPECT_EQ(hora, c.hora) << (c.texto ? c.texto : "null");
    }
}

}  // namespace
