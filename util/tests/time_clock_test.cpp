#include "util/time/clock.h"

#include "platform/system/clock.h"
#include "platform/tests/support/test_environment.h"
#include "platform/tests/support/time_zone.h"
#include "util/date/zt_data.h"
#include "util/date/zt_mes_ano.h"
#include "util/tests/time_test_clock.h"
#include "util/time/current_time.h"
#include "util/time/test_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

using namespace zt_time_test;
using kelvo::testing::ScopedTimeZone;
using kelvo::testing::TestEnvironment;

constexpr std::uint64_t kPorSegundo = ZT_FILETIME_POR_SEGUNDO;
constexpr std::uint64_t kPorHora = 3600 * kPorSegundo;
constexpr std::uint64_t kEpoch1970 = 116444736000000000ULL;

constexpr const char* kErroHelper = "Helper_SystemTimeToFileTime: SystemTimeToFileTime";
constexpr const char* kErroLocal = "GetCurrentTime_LocalTime: FileTimeToSystemTime";
constexpr const char* kErroUniversal = "GetCurrentTime_SystemTimeAsFileTime: LocalFileTimeToFileTime";

std::int64_t SegundosUtc(int ano, int mes, int dia, int hora = 0, int minuto = 0, int segundo = 0) {
    using namespace std::chrono;
    const sys_days d = year{ano} / month{static_cast<unsigned>(mes)} / day{static_cast<unsigned>(dia)};
    return duration_cast<seconds>(d.time_since_epoch()).count() + hora * 3600 + minuto * 60 + segundo;
}

std::uint64_t FileTime(const ZTSystemTime& t) {
    std::uint64_t ft = 0;
    EXPECT_TRUE(ZTSystemTimeParaFileTime(t, ft));
    return ft;
}

void EsperaCampos(const ZTSystemTime& t, int ano, int mes, int dia, int hora, int minuto) {
    EXPECT_EQ(t.wAno, ano);
    EXPECT_EQ(t.wMes, mes);
    EXPECT_EQ(t.wDia, dia);
    EXPECT_EQ(t.wHora, hora);
    EXPECT_EQ(t.wMinuto, minuto);
}

// ---------------------------------------------------------------------------------------------
// File times and records

// Guards the split of file times, the platform's limit included.
TEST(Clock, FileTimesSplitIntoCalendarFields) {
    struct Caso { std::uint64_t fileTime; int ano, mes, dia, hora, minuto, segundo, ms; };
    const Caso casos[] = {
        {0, 1601, 1, 1, 0, 0, 0, 0},
        {kEpoch1970, 1970, 1, 1, 0, 0, 0, 0},
        {kEpoch1970 + static_cast<std::uint64_t>(SegundosUtc(2024, 2, 29, 13, 45, 10)) * kPorSegundo + 1239999,
         2024, 2, 29, 13, 45, 10, 123},
        {kEpoch1970 + static_cast<std::uint64_t>(SegundosUtc(2100, 3, 1)) * kPorSegundo, 2100, 3, 1, 0, 0, 0, 0},
        {0x7FFFFFFFFFFFFFFFULL, 30828, 9, 14, 2, 48, 5, 477},
    };
    for (const Caso& c : casos) {
        ZTSystemTime st;
        ASSERT_TRUE(ZTFileTimeParaSystemTime(c.fileTime, st)) << c.fileTime;
        EsperaCampos(st, c.ano, c.mes, c.dia, c.hora, c.minuto);
        EXPECT_EQ(st.wSegundo, c.segundo);
        EXPECT_EQ(st.wMilissegundo, c.ms);
    }
    ZTSystemTime st;
    st.wAno = 1234;
    EXPECT_FALSE(ZTFileTimeParaSystemTime(0x8000000000000000ULL, st));
    EXPECT_EQ(st.wAno, 1234);
}

// Guards the record-to-file-time conversion: exact values, the round trip, and every field refused
// outside the platform's ranges (the day by the Gregorian month length).
TEST(Clock, RecordsConvertToFileTimesOnlyWhenValid) {
    EXPECT_EQ(FileTime(Momento(1601, 1, 1)), 0u);
    EXPECT_EQ(FileTime(Momento(1970, 1, 1)), kEpoch1970);
    EXPECT_EQ(FileTime(Momento(2024, 2, 29, 13, 45, 10, 123)),
              kEpoch1970 + static_cast<std::uint64_t>(SegundosUtc(2024, 2, 29, 13, 45, 10)) * kPorSegundo + 1230000);
    for (std::uint64_t ft : {0ULL, kEpoch1970 + 1234567890ULL * kPorSegundo, 0x7FF0000000000000ULL}) {
        ZTSystemTime st;
        ASSERT_TRUE(ZTFileTimeParaSystemTime(ft, st));
        EXPECT_EQ(FileTime(st), ft / 10000 * 10000);
    }

    const ZTSystemTime invalidos[] = {
        Momento(1600, 12, 31), Momento(30828, 1, 1),  Momento(2024, 0, 1),      Momento(2024, 13, 1),
        Momento(2024, 1, 0),   Momento(2023, 2, 29),  Momento(2100, 2, 29),     Momento(2024, 4, 31),
        Momento(2024, 1, 1, 24), Momento(2024, 1, 1, 0, 60), Momento(2024, 1, 1, 0, 0, 60),
        Momento(2024, 1, 1, 0, 0, 0, 1000),
    };
    for (const ZTSystemTime& t : invalidos) {
        std::uint64_t ft = 77;
        EXPECT_FALSE(ZTSystemTimeParaFileTime(t, ft)) << TextoMomento(t);
        EXPECT_EQ(ft, 77u);
        EXPECT_EQ(TextoDaExcecao([&] { Helper_SystemTimeToFileTime(t, ft); }), kErroHelper) << TextoMomento(t);
    }
    // The Gregorian leap rule, not the every-fourth-year one: 2000 has a 29 February.
    EXPECT_EQ(FileTime(Momento(2000, 2, 29)) + 24 * kPorHora, FileTime(Momento(2000, 3, 1)));
}

// ---------------------------------------------------------------------------------------------
// The real clock

// The system's seconds as the clock reads them. time() reads a coarser clock that may still show
// the previous second when the fine one has passed it.
std::int64_t SegundosDoSistema() {
    timespec agora{};
    ::clock_gettime(CLOCK_REALTIME, &agora);
    return agora.tv_sec;
}

// Guards the clock: local wall-clock time, the zone's offset applied, between two readings of the
// system's clock.
TEST(Clock, ReadsLocalWallClockTime) {
    TestEnvironment ambiente;
    struct Caso { const char* tz; std::int64_t deslocamento; };
    const Caso casos[] = {{kelvo::testing::kUtc, 0},
                          {kelvo::testing::kUtcMinus3, -3 * 3600},
                          {kelvo::testing::kUtcPlus0530, 5 * 3600 + 1800}};
    for (const Caso& c : casos) {
        ScopedTimeZone tz(c.tz);
        const std::int64_t antes = SegundosDoSistema();
        const auto agora = static_cast<std::int64_t>(ZTGetHoraAjustada());
        const std::int64_t depois = SegundosDoSistema();
        const std::int64_t segundos =
            (agora - static_cast<std::int64_t>(kEpoch1970)) / static_cast<std::int64_t>(kPorSegundo) - c.deslocamento;
        EXPECT_GE(segundos, antes) << c.tz;
        EXPECT_LE(segundos, depois) << c.tz;
    }
}

// Guards SetHoje of both classes: today's local date, read through the clock.
TEST(Clock, TodayComesFromTheClock) {
    TestEnvironment ambiente;
    ScopedTimeZone tz(kelvo::testing::kUtcMinus3);
    const std::time_t antes = std::time(nullptr);
    const CZTData hoje = CZTData().SetHoje();
    CZTMesAno mes;
    mes.SetHoje();
    const std::time_t depois = std::time(nullptr);
    const CZTData diaAntes = CZTData().SetTimeT(static_cast<std::int32_t>(antes));
    const CZTData diaDepois = CZTData().SetTimeT(static_cast<std::int32_t>(depois));
    EXPECT_TRUE(hoje == diaAntes || hoje == diaDepois);
    CZTMesAno mesAntes, mesDepois;
    mesAntes = diaAntes;
    mesDepois = diaDepois;
    EXPECT_TRUE(mes.GetValor() == mesAntes.GetValor() || mes.GetValor() == mesDepois.GetValor());
    EXPECT_TRUE(hoje.IsValida());
}

// ---------------------------------------------------------------------------------------------
// The test clock

// Guards the simulated moment: 08:00 on 1 January 2030 when set now, 09:00 when set an hour ago
// (time keeps flowing from moment B on).
TEST(TestClock, ShiftsTheClockToTheSimulatedMoment) {
    TestEnvironment ambiente;
    struct Caso { std::uint64_t passado; int hora; };
    for (const Caso c : {Caso{0, 8}, Caso{kPorHora, 9}}) {
        RelogioFixado relogio(Momento(2030, 1, 1, 8), c.passado);
        const std::uint64_t lido = ZTGetHoraAjustada();
        EXPECT_GE(lido, relogio.Minimo());
        EXPECT_LE(lido, relogio.Maximo());
        const ZTSystemTime local = GetCurrentTime_LocalTime();
        EsperaCampos(local, 2030, 1, 1, c.hora, 0);
        EXPECT_EQ(CZTData().SetHoje(), CZTData().SetData(1, 1, 2030));
    }
}

// Guards the fields that switch the test clock off: enable 0, only 14 fields, a wrong separator.
// Each is ignored without a message and the real local time comes back.
TEST(TestClock, DisabledOrShortValuesAreIgnored) {
    TestEnvironment ambiente;
    ScopedTimeZone tz(kelvo::testing::kUtc);
    const std::string real = ";15/06/2024;10:30:00:000";
    const std::string valores[] = {
        "0;01/01/2030;08:00:00:000" + real,
        "1;01/01/2030;08:00:00:000;15/06/2024;10:30:00",
        "1;01/01/2030;08:00:00:000;15/06/2024;10:30:00:",
        "1;01/01/2030;08:00:00.000" + real,
        "1;01/01/2030;08:00:00:000;15-06-2024;10:30:00:000",
        "1;01/01/2030;08:00:00:000;15/06/2024;10:30:00:-1",
        "",
    };
    for (const std::string& valor : valores) {
        GravaRelogio(valor);
        const std::int64_t antes = NanossegundosDoRelogio() / 100;
        const auto lido = static_cast<std::int64_t>(ZTGetHoraAjustada()) - static_cast<std::int64_t>(kEpoch1970);
        const std::int64_t depois = NanossegundosDoRelogio() / 100;
        EXPECT_GE(lido, antes) << valor;
        EXPECT_LE(lido, depois) << valor;
    }
}

// Guards the scanner against the layout: blanks before numbers and trailing text pass, as with
// scanf; huge numbers saturate instead of wrapping round to a valid value.
TEST(TestClock, ValueTextIsScannedLikeTheLayout) {
    ZTRelogioTeste r;
    ASSERT_TRUE(ZTInterpretaRelogioTeste("7; 1/ 2/2030;8:0:0:5;15/6/2024;10:30:0:0 trailing", r));
    EXPECT_EQ(r.ativo, 7u);
    EXPECT_EQ(r.simulado.dia, 1u);
    EXPECT_EQ(r.simulado.mes, 2u);
    EXPECT_EQ(r.simulado.ano, 2030u);
    EXPECT_EQ(r.simulado.milissegundo, 5u);
    EXPECT_EQ(r.real.dia, 15u);
    EXPECT_EQ(r.real.minuto, 30u);
    ASSERT_TRUE(ZTInterpretaRelogioTeste("1;1/1/99999999999;0:0:0:0;1/1/2024;0:0:0:0", r));
    EXPECT_EQ(r.simulado.ano, 0xFFFFFFFFu);
    EXPECT_FALSE(ZTInterpretaRelogioTeste(nullptr, r));
    EXPECT_FALSE(ZTInterpretaRelogioTeste("1;1/1/2030;0:0:0:0;1/1/2024;0:0:0", r));
}

// Guards an enabled value with an impossible moment: every reading of the clock raises the fixed
// text, whichever moment is wrong and however (a year beyond 16 bits must not wrap to 2000).
TEST(TestClock, InvalidMomentRaisesOnEveryReading) {
    TestEnvironment ambiente;
    const std::string valores[] = {
        "1;31/02/2030;08:00:00:000;15/06/2024;10:30:00:000",
        "1;01/01/2030;08:00:00:000;15/13/2024;10:30:00:000",
        "1;01/01/2030;24:00:00:000;15/06/2024;10:30:00:000",
        "1;01/01/67536;08:00:00:000;15/06/2024;10:30:00:000",
        "1;01/01/1600;08:00:00:000;15/06/2024;10:30:00:000",
    };
    for (const std::string& valor : valores) {
        GravaRelogio(valor);
        EXPECT_EQ(TextoDaExcecao([] { (void)ZTGetHoraAjustada(); }), kErroHelper) << valor;
        EXPECT_EQ(TextoDaExcecao([] { (void)GetCurrentTime_LocalTime(); }), kErroHelper) << valor;
        EXPECT_EQ(TextoDaExcecao([] { CZTData().SetHoje(); }), kErroHelper) << valor;
        EXPECT_EQ(TextoDaExcecao([] { (void)ZTGetDataHoje(false); }), kErroHelper) << valor;
    }
}

// Guards the reading at every call and the place of the value: a change takes effect at once, a
// removed value ends the shift, and neither the process environment nor the current user's
// store is consulted.
TEST(TestClock, ValueIsReadFromTheMachineStoreAtEveryCall) {
    TestEnvironment ambiente;
    const std::string real = TextoMomento(GetCurrentTime_LocalTime());
    GravaRelogio("1;01/01/2030;08:00:00:000;" + real);
    EXPECT_EQ(GetCurrentTime_LocalTime().wAno, 2030);
    GravaRelogio("1;01/01/2040;08:00:00:000;" + real);
    EXPECT_EQ(GetCurrentTime_LocalTime().wAno, 2040);
    ApagaRelogio();
    const int anoReal = GetCurrentTime_LocalTime().wAno;
    EXPECT_LT(anoReal, 2040);

    const std::string valor = "1;01/01/2050;08:00:00:000;01/01/2020;00:00:00:000";
    ASSERT_EQ(setenv(ZT_VALOR_RELOGIO_TESTE, valor.c_str(), 1), 0);
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CURRENT_USER, ZT_CHAVE_RELOGIO_TESTE, ZT_VALOR_RELOGIO_TESTE,
                                    valor.c_str()),
              0u);
    EXPECT_EQ(GetCurrentTime_LocalTime().wAno, anoReal);
    unsetenv(ZT_VALOR_RELOGIO_TESTE);
}

// Guards a shift before 1601: the result is no file time, and the local record refuses it with its
// own text instead of showing a wrapped-round date.
TEST(TestClock, ShiftBeforeTheFirstFileTimeIsRefused) {
    TestEnvironment ambiente;
    const std::uint64_t amanha = ZTGetHoraAjustada() + 24 * kPorHora;
    ZTSystemTime b;
    ASSERT_TRUE(ZTFileTimeParaSystemTime(amanha, b));
    GravaRelogio("1;01/01/1601;00:00:00:000;" + TextoMomento(b));
    EXPECT_GE(ZTGetHoraAjustada(), ZT_FILETIME_LIMITE);
    EXPECT_EQ(TextoDaExcecao([] { (void)GetCurrentTime_LocalTime(); }), kErroLocal);
    EXPECT_EQ(TextoDaExcecao([] { (void)GetCurrentTime_SystemTime(); }), kErroUniversal);
}

// ---------------------------------------------------------------------------------------------
// Universal time

// Guards the local-to-universal conversion through the zone of the moment, daylight saving
// included, with the fraction of the second kept.
TEST(Clock, UniversalTimeFollowsTheZoneOfTheMoment) {
    TestEnvironment ambiente;
    struct Caso { const char* tz; ZTSystemTime local; ZTSystemTime universal; };
    const Caso casos[] = {
        {kelvo::testing::kUtc, Momento(2024, 2, 1, 13, 45, 10), Momento(2024, 2, 1, 13, 45, 10)},
        {kelvo::testing::kUtcMinus3, Momento(2024, 2, 1, 22, 0), Momento(2024, 2, 2, 1, 0)},
        {kelvo::testing::kUtcPlus3, Momento(2030, 1, 1, 1, 0), Momento(2029, 12, 31, 22, 0)},
        {kelvo::testing::kCentralEurope, Momento(2024, 7, 1, 12, 0), Momento(2024, 7, 1, 10, 0)},
        {kelvo::testing::kCentralEurope, Momento(2024, 1, 1, 12, 0), Momento(2024, 1, 1, 11, 0)},
    };
    for (const Caso& c : casos) {
        ScopedTimeZone tz(c.tz);
        RelogioFixado relogio(c.local);
        const std::uint64_t universal = GetCurrentTime_SystemTimeAsFileTime();
        const std::uint64_t esperado = FileTime(c.universal) + (relogio.Minimo() - FileTime(c.local));
        EXPECT_GE(universal, esperado) << c.tz;
        EXPECT_LE(universal, esperado + (relogio.Maximo() - relogio.Minimo())) << c.tz;
        const ZTSystemTime campos = GetCurrentTime_SystemTime();
        EsperaCampos(campos, c.universal.wAno, c.universal.wMes, c.universal.wDia, c.universal.wHora,
                     c.universal.wMinuto);
    }
}

// Guards the universal conversion at the first file time: local midnight of 1 January 1601 east
// of Greenwich is still 1600 in universal time, which no file time holds.
TEST(Clock, UniversalTimeBefore1601IsRefused) {
    TestEnvironment ambiente;
    ScopedTimeZone tz(kelvo::testing::kUtcPlus3);
    RelogioFixado relogio(Momento(1601, 1, 1, 0, 0, 0));
    EXPECT_EQ(TextoDaExcecao([] { (void)GetCurrentTime_SystemTimeAsFileTime(); }), kErroUniversal);
    EXPECT_EQ(TextoDaExcecao([] { (void)GetCurrentTime_SystemTime(); }), kErroUniversal);
    EsperaCampos(GetCurrentTime_LocalTime(), 1601, 1, 1, 0, 0);
}

}  // namespace
