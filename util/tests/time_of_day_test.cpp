#include "util/time/time_of_day.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

void EsperaPartes(const ZTPartesHora& p, int h, int m, int s) {
    EXPECT_EQ(p.horas, h);
    EXPECT_EQ(p.minutos, m);
    EXPECT_EQ(p.segundos, s);
}

// Guards the hh:mm validator: the hour limit, the minute limit that hour 0 does not have, and
// characters other than digits and ':'.
TEST(TimeOfDay, ValidaTextoHora) {
    struct Caso { const char* texto; bool valido; };
    const Caso casos[] = {
        {"23:59", true},  {"00:75", true},  {"0:0", true},    {"12", true},     {"", true},
        {"24:00", false}, {"12:60", false}, {"12h30", false}, {" 12:30", false}, {"-1:00", false},
        {nullptr, false}, {"99999999999:00", false},
    };
    for (const Caso& c : casos) EXPECT_EQ(ZTValidaTextoHora(c.texto), c.valido) << (c.texto ? c.texto : "null");
}

// Guards minutes from text, other characters skipped.
TEST(TimeOfDay, TextoHoraParaMinutos) {
    EXPECT_EQ(ZTTextoHoraParaMinutos("12:30"), 750);
    EXPECT_EQ(ZTTextoHoraParaMinutos("1:05"), 65);
    EXPECT_EQ(ZTTextoHoraParaMinutos(" 12h:30m"), 750);
    EXPECT_EQ(ZTTextoHoraParaMinutos("00:75"), 75);
    EXPECT_EQ(ZTTextoHoraParaMinutos(""), 0);
    EXPECT_EQ(ZTTextoHoraParaMinutos(nullptr), 0);
}

// Guards the texts of counts, and the buffer bound of the buffer form.
TEST(TimeOfDay, TextsOfCounts) {
    ZTPartesHora p;
    EXPECT_EQ(ZTSegundosParaTexto(3599, &p), "00:59:59");
    EsperaPartes(p, 0, 59, 59);
    EXPECT_EQ(ZTSegundosParaTexto(49510), "13:45:10");
    EXPECT_EQ(ZTFormataMinutos(750), "12:30");
    EXPECT_EQ(ZTFormataMinutos(59), "00:59");
    char texto[8];
    std::memset(texto, 'X', sizeof texto);
    EXPECT_STREQ(ZTMinutosParaTexto(750, texto, 6), "12:30");
    EXPECT_STREQ(ZTMinutosParaTexto(750, texto, 4), "12:");
    EXPECT_EQ(texto[6], 'X');
}

// Guards split and build of the four encodings as inverses of each other.
TEST(TimeOfDay, DesmontaAndMontaHora) {
    struct Caso { std::int32_t valor; bool compactado, comSegundos; int h, m, s; };
    const Caso casos[] = {
        {825, false, false, 13, 45, 0},
        {49510, false, true, 13, 45, 10},
        {1345, true, false, 13, 45, 0},
        {134510, true, true, 13, 45, 10},
        {0, true, true, 0, 0, 0},
        {86399, false, true, 23, 59, 59},
    };
    for (const Caso& c : casos) {
        int h = -1, m = -1, s = -1;
        ZTDesmontaHora(c.valor, c.compactado, c.comSegundos, h, m, s);
        EXPECT_EQ(h, c.h) << c.valor;
        EXPECT_EQ(m, c.m) << c.valor;
        EXPECT_EQ(s, c.s) << c.valor;
        EXPECT_EQ(ZTMontaHora(c.compactado, c.comSegundos, h, m, s), c.valor);
    }
    // Without seconds the seconds given are not counted.
    EXPECT_EQ(ZTMontaHora(true, false, 13, 45, 10), 1345);
    EXPECT_EQ(ZTMontaHora(true, true, 2147483, 0, 0), 21474830000LL);
}

// Guards each conversion with its parts, and the seconds added taken as 59 from 60 on.
TEST(TimeOfDay, Conversions) {
    ZTPartesHora p;
    EXPECT_EQ(ZTHHMMSSParaHHMM(134510, &p), 1345);
    EsperaPartes(p, 13, 45, 10);
    EXPECT_EQ(ZTHHMMParaHHMMSS(1345, 10, &p), 134510);
    EsperaPartes(p, 13, 45, 10);
    EXPECT_EQ(ZTHHMMParaHHMMSS(1345, 60, &p), 134559);
    EsperaPartes(p, 13, 45, 59);
    EXPECT_EQ(ZTHHMMParaHHMMSS(1345, 65535), 134559);
    EXPECT_EQ(ZTSegundosParaMinutos(3599, &p), 59);
    EsperaPartes(p, 0, 59, 59);
    EXPECT_EQ(ZTMinutosParaSegundos(59, 59, &p), 3599);
    EsperaPartes(p, 0, 59, 59);
    EXPECT_EQ(ZTMinutosParaSegundos(59, 60), 3599);
    EXPECT_EQ(ZTSegundosParaHHMMSS(49510, &p), 134510);
    EsperaPartes(p, 13, 45, 10);
    EXPECT_EQ(ZTHHMMSSParaSegundos(134510, &p), 49510);
    EsperaPartes(p, 13, 45, 10);
    EXPECT_EQ(ZTMinutosParaHHMM(825, &p), 1345);
    EsperaPartes(p, 13, 45, 0);
    EXPECT_EQ(ZTHHMMParaMinutos(1345, &p), 825);
    EsperaPartes(p, 13, 45, 0);
    EXPECT_EQ(ZTMinutosParaHHMM(65535), 109215);
    EXPECT_EQ(ZTSegundosParaHHMMSS(2147483647), 5965230000LL + 1400 + 7);
}

// Guards the packed and counted forms against each other over a whole day.
TEST(TimeOfDay, EveryMomentOfADayRoundTrips) {
    for (std::int32_t s = 0; s < 86400; ++s) {
        ASSERT_EQ(ZTHHMMSSParaSegundos(static_cast<std::int32_t>(ZTSegundosParaHHMMSS(s))), s);
        if (s % 60 == 0) {
            const auto minutos = static_cast<std::uint16_t>(s / 60);
            ASSERT_EQ(ZTHHMMParaMinutos(static_cast<std::uint16_t>(ZTMinutosParaHHMM(minutos))), minutos);
            ASSERT_EQ(ZTSegundosParaMinutos(ZTMinutosParaSegundos(minutos, 0)), minutos);
        }
    }
}

}  // namespace
