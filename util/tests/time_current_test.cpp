#include "util/time/current_time.h"

#include "platform/hresult.h"
#include "platform/tests/support/test_environment.h"
#include "platform/tests/support/time_zone.h"
#include "util/tests/time_test_clock.h"
#include "util/time/clock.h"
#include "util/time/zt_data1950.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace {

using namespace zt_time_test;
using kelvo::testing::ScopedTimeZone;
using kelvo::testing::TestEnvironment;

using Dias = std::chrono::sys_days;

Dias Dia(int ano, int mes, int dia) {
    using namespace std::chrono;
    return year{ano} / month{static_cast<unsigned>(mes)} / day{static_cast<unsigned>(dia)};
}

std::string Texto(const char* formato, int a, int b, int c) {
    char texto[64];
    std::snprintf(texto, sizeof texto, formato, a, b, c);
    return texto;
}

// A pinned clock in a fixed zone for the tests of this file.
class CurrentTime : public ::testing::Test {
protected:
    TestEnvironment ambiente;
    ScopedTimeZone zona{kelvo::testing::kUtc};

    // Takes the reading between two readings of the local record and checks it against what the
    // test computes from either record (a second may tick between them).
    template <class T>
    void Confere(const char* nome, const std::function<T()>& leitura,
                 const std::function<T(const ZTSystemTime&)>& esperado) {
        const ZTSystemTime antes = GetCurrentTime_LocalTime();
        const T valor = leitura();
        const ZTSystemTime depois = GetCurrentTime_LocalTime();
        EXPECT_TRUE(valor == esperado(antes) || valor == esperado(depois)) << nome;
    }
};

// Guards the time of day in every form the programs read it, at a pinned 13:45:10.
TEST_F(CurrentTime, TimesOfDayOfThePinnedMoment) {
    RelogioFixado relogio(Momento(2024, 2, 1, 13, 45, 10));
    const ZTSystemTime agora = GetCurrentTime_LocalTime();
    EXPECT_EQ(agora.wHora, 13);
    EXPECT_EQ(agora.wMinuto, 45);
    auto hms = [](const ZTSystemTime& t) { return Texto("%02d:%02d:%02d", t.wHora, t.wMinuto, t.wSegundo); };
    auto segundos = [](const ZTSystemTime& t) { return std::int32_t{t.wHora * 3600 + t.wMinuto * 60 + t.wSegundo}; };
    Confere<std::int32_t>("minutos", ZTGetMinutosAgora,
                          [](const ZTSystemTime& t) { return std::int32_t{t.wHora * 60 + t.wMinuto}; });
    Confere<std::int32_t>("HHMM", ZTGetHHMMAgora,
                          [](const ZTSystemTime& t) { return std::int32_t{t.wHora * 100 + t.wMinuto}; });
    Confere<std::string>("HHMM texto", [] { return std::string(ZTGetHHMMAgoraTexto().GetString()); },
                         [](const ZTSystemTime& t) { return std::to_string(t.wHora * 100 + t.wMinuto); });
    Confere<std::int32_t>("HHMMSS", ZTGetHHMMSSAgora, [](const ZTSystemTime& t) {
        return std::int32_t{t.wHora * 10000 + t.wMinuto * 100 + t.wSegundo};
    });
    Confere<std::int32_t>("segundos", ZTGetSegundosAgora, segundos);
    Confere<std::string>("hora", [] { return std::string(ZTGetHoraAgoraTexto().GetString()); }, hms);
    Confere<std::string>("hora 2", [] { return std::string(ZTGetHoraAgoraTexto2().GetString()); }, hms);
    Confere<std::string>("hora buffer", [] {
        char texto[9];
        return std::string(ZTFormataHoraAgora(texto));
    }, hms);
    Confere<std::string>("data e hora", [] { return std::string(ZTGetDataHoraAgoraTexto(false).GetString()); },
                         [&](const ZTSystemTime& t) { return "01/02/24 " + hms(t); });

    // The milliseconds are the fourth field: 12 characters, the last three digits.
    char ms[13] = "xxxxxxxxxxxx";
    ZTFormataHoraMsAgora(ms);
    EXPECT_EQ(std::string(ms).size(), 12u);
    EXPECT_EQ(std::string(ms, 6), "13:45:");
    EXPECT_EQ(ms[8], '.');
}

// Guards today's date in every form: texts, the short day and month numbers and the 1850 counts,
// computed here from the calendar.
TEST_F(CurrentTime, TodayOfThePinnedMoment) {
    RelogioFixado relogio(Momento(2024, 2, 1, 13, 45, 10));
    EXPECT_EQ(ZTGetDataHojeTexto(true), "01/02/2024");
    EXPECT_EQ(ZTGetDataHojeTexto(false), "01/02/24");
    EXPECT_EQ(ZTGetMesAnoHojeTexto(true), "02/2024");
    EXPECT_EQ(ZTGetMesAnoHojeTexto(false), "02/24");
    // The day number counts 1 January 1848 as 2.
    EXPECT_EQ(ZTGetDataHoje(false), (Dia(2024, 2, 1) - Dia(1848, 1, 1)).count() + 2);
    // The 1850 count starts at 1 and has an extra 29 February 1900.
    EXPECT_EQ(ZTGetDataHoje(true), (Dia(2024, 2, 1) - Dia(1850, 1, 1)).count() + 2);
    EXPECT_EQ(ZTGetMesAnoHoje(false), 2 + 12 * (2024 - 1848));
    EXPECT_EQ(ZTGetMesAnoHoje(true), 2 + 12 * (2024 - 1850));
    EXPECT_EQ(CZTData1950().SetHoje().GetDias(), (Dia(2024, 2, 1) - Dia(1950, 1, 1)).count() + 1);
}

// Guards today in the short forms across the old end of the field: 5 June 2027 is stored as 1,
// the last day 5 June 2106 as 28855, and a day beyond is empty rather than a wrapped-round day.
TEST_F(CurrentTime, TodayStaysValidUntil2106) {
    struct Caso { int dia, mes, ano; std::int32_t data; std::int32_t mesAno; };
    const Caso casos[] = {
        {31, 12, 2026, 65380, 2148}, {4, 6, 2027, 65535, 2154}, {5, 6, 2027, 1, 2154},
        {1, 7, 2027, 27, 2155},      {5, 6, 2106, 28855, 3102}, {6, 6, 2106, 0, 3102},
        {1, 7, 2106, 0, 0},
    };
    for (const Caso& c : casos) {
        RelogioFixado relogio(Momento(c.ano, c.mes, c.dia, 12));
        EXPECT_EQ(ZTGetDataHoje(false), c.data) << c.dia << "/" << c.mes << "/" << c.ano;
        EXPECT_EQ(ZTGetMesAnoHoje(false), c.mesAno) << c.dia << "/" << c.mes << "/" << c.ano;
    }
}

// Guards the time values of now: seconds since 1970 as an unsigned 32-bit moment that keeps
// counting past 19 January 2038 (in ZTLeAgora too), 0 before 1970, E_INVALIDARG only after 2106.
TEST_F(CurrentTime, TimeValuesOfThePinnedMoment) {
    auto segundos = [](const ZTSystemTime& t) {
        return std::int64_t{(Dia(t.wAno, t.wMes, t.wDia) - Dia(1970, 1, 1)).count() * 86400 + t.wHora * 3600 +
                            t.wMinuto * 60 + t.wSegundo};
    };
    auto momento = [&](const ZTSystemTime& t) { return static_cast<std::uint32_t>(segundos(t)); };
    const ZTSystemTime pinados[] = {Momento(2024, 2, 1, 13, 45, 10), Momento(2040, 3, 1, 10), Momento(2106, 2, 7, 6)};
    for (const ZTSystemTime& pinado : pinados) {
        RelogioFixado relogio(pinado);
        Confere<std::int64_t>("CTime", ZTGetCTimeAgora, segundos);
        Confere<std::uint32_t>("time_t", ZTGetAgora, momento);
        Confere<std::uint32_t>("ZTLeAgora", [] {
            std::uint32_t agora = 0;
            EXPECT_EQ(ZTLeAgora(agora), platform::S_OK);
            return agora;
        }, momento);
    }
    {
        RelogioFixado relogio(Momento(1899, 12, 31, 23, 0));
        EXPECT_EQ(ZTGetCTimeAgora(), 0);
        EXPECT_EQ(ZTGetAgora(), 0u);
    }
    {
        RelogioFixado relogio(Momento(1960, 1, 1));
        EXPECT_EQ(ZTGetAgora(), 0u);
    }
    {
        RelogioFixado relogio(Momento(2106, 2, 8));
        platform::HRESULT hr = platform::S_OK;
        try {
            (void)ZTGetAgora();
        } catch (const platform::ComError& e) {
            hr = e.Error();
        }
        EXPECT_EQ(hr, platform::E_INVALIDARG);
        std::uint32_t agora = 7;
        EXPECT_EQ(ZTLeAgora(agora), platform::E_INVALIDARG);
        EXPECT_EQ(agora, 7u);
    }
}

// Guards the failures ZTLeAgora answers: the clock's errors as a caught error translates them
// (a CZTException's OS error as 0x80040000 | error, not 0x8007xxxx), the moment left as it was.
TEST_F(CurrentTime, LeAgoraAnswersTheClocksFailuresAsCaughtErrors) {
    const std::string real = TextoMomento(GetCurrentTime_LocalTime());
    struct Caso { std::string relogio; platform::HRESULT hr; };
    const Caso casos[] = {
        {"1;31/02/2030;08:00:00:000;" + real,
         platform::MakeHResult(0x80040000u | platform::ERROR_INVALID_PARAMETER)},  // an impossible moment
        {"1;08/02/2106;08:00:00:000;" + real, platform::E_INVALIDARG},  // beyond the 32-bit moment
    };
    for (const Caso& c : casos) {
        GravaRelogio(c.relogio);
        std::uint32_t agora = 12345;
        EXPECT_EQ(ZTLeAgora(agora), c.hr) << c.relogio;
        EXPECT_EQ(agora, 12345u) << c.relogio;
    }
    ApagaRelogio();
}

// Guards the OLE date of now: whole days from 30 December 1899 plus the time of day, and the
// negative form before it (−1.25 is 29 December 1899, 06:00).
TEST_F(CurrentTime, OleDateOfThePinnedMoment) {
    auto ole = [](const ZTSystemTime& t) {
        const double dias = static_cast<double>((Dia(t.wAno, t.wMes, t.wDia) - Dia(1899, 12, 30)).count());
        const double fracao = (t.wHora * 3600 + t.wMinuto * 60 + t.wSegundo) / 86400.0;
        return dias >= 0 ? dias + fracao : dias - fracao;
    };
    {
        RelogioFixado relogio(Momento(2024, 2, 1, 12, 0));
        Confere<double>("OLE", ZTGetOleDataAgora, ole);
        EXPECT_GE(ZTGetOleDataAgora(), 45323.5);
        EXPECT_LT(ZTGetOleDataAgora(), 45323.6);
    }
    {
        RelogioFixado relogio(Momento(1899, 12, 29, 6, 0));
        Confere<double>("OLE", ZTGetOleDataAgora, ole);
        EXPECT_LE(ZTGetOleDataAgora(), -1.25);
        EXPECT_GT(ZTGetOleDataAgora(), -1.26);
    }
}

// Guards the zone offset, also where local and universal time fall in different months (a
// difference of the calendar fields alone would give −2100 there instead of 300).
TEST(CurrentTimeZone, OffsetFromUniversalTime) {
    TestEnvironment ambiente;
    struct Caso { const char* tz; ZTSystemTime momento; int fuso; };
    const Caso casos[] = {
        {kelvo::testing::kUtc, Momento(2024, 2, 1, 12), 0},
        {kelvo::testing::kUtcMinus3, Momento(2024, 2, 1, 12), -300},
        {kelvo::testing::kUtcMinus3, Momento(2024, 1, 31, 22), -300},
        {kelvo::testing::kUtcPlus3, Momento(2030, 1, 1, 1), 300},
        {kelvo::testing::kUtcPlus0530, Momento(2024, 2, 1, 12), 530},
        {"<-0330>3:30", Momento(2024, 3, 1, 0, 10), -330},
        {kelvo::testing::kCentralEurope, Momento(2024, 1, 15, 12), 100},
        {kelvo::testing::kCentralEurope, Momento(2024, 7, 15, 12), 200},
    };
    for (const Caso& c : casos) {
        ScopedTimeZone tz(c.tz);
        RelogioFixado relogio(c.momento);
        EXPECT_EQ(ZTGetFusoHorario(), c.fuso) << c.tz << " " << TextoMomento(c.momento);
    }
}

}  // namespace
