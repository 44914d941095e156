#include "platform/hresult.h"
#include "util/date/date_time_value.h"
#include "util/date/zt_data.h"
#include "util/date/zt_mes_ano.h"
#include "util/time/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

using namespace std::chrono;

// Sets the process's time zone for one test and puts the previous one back.
class FusoHorario {
public:
    explicit FusoHorario(const char* tz) {
        if (const char* antigo = std::getenv("TZ")) antigo_ = antigo;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~FusoHorario() {
        if (antigo_) {
            setenv("TZ", antigo_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    FusoHorario(const FusoHorario&) = delete;
    FusoHorario& operator=(const FusoHorario&) = delete;

private:
    std::optional<std::string> antigo_;
};

constexpr const char* kUtc = "UTC0";
constexpr const char* kMenos3 = "<-03>3";                       // UTC−3 all year
constexpr const char* kEuropaCentral = "CET-1CEST,M3.5.0,M10.5.0/3";  // UTC+1, summer UTC+2

// Seconds of a UTC midnight, from the standard library's calendar.
std::int64_t MeiaNoiteUtc(int dia, int mes, int ano) {
    const sys_days d = year{ano} / month{static_cast<unsigned>(mes)} / day{static_cast<unsigned>(dia)};
    return duration_cast<seconds>(d.time_since_epoch()).count();
}

CZTData Em(int dia, int mes, int ano) { return CZTData().SetData(dia, mes, ano); }

template <class F>
platform::HRESULT ErroDe(F f) {
    try {
        f();
    } catch (const platform::ComError& e) {
        return e.Error();
    }
    return platform::S_OK;
}

// Guards local midnight in zones with and without daylight saving.
TEST(DateMoments, LocalMidnightFollowsTheTimeZone) {
    {
        FusoHorario tz(kUtc);
        EXPECT_EQ(Em(1, 1, 1970).GetCTime(), 0);
        EXPECT_EQ(Em(1, 2, 2024).GetCTime(), MeiaNoiteUtc(1, 2, 2024));
        EXPECT_EQ(Em(1, 1, 1900).GetCTime(), MeiaNoiteUtc(1, 1, 1900));
        EXPECT_EQ(Em(31, 12, 4717).GetCTime(), MeiaNoiteUtc(31, 12, 4717));
    }
    {
        FusoHorario tz(kMenos3);
        EXPECT_EQ(Em(1, 2, 2024).GetCTime(), MeiaNoiteUtc(1, 2, 2024) + 3 * 3600);
    }
    {
        FusoHorario tz(kEuropaCentral);
        EXPECT_EQ(Em(1, 2, 2024).GetCTime(), MeiaNoiteUtc(1, 2, 2024) - 3600);
        EXPECT_EQ(Em(1, 7, 2024).GetCTime(), MeiaNoiteUtc(1, 7, 2024) - 2 * 3600);
    }
}

// Guards the failures: no time for no date, E_FAIL before 1900, E_INVALIDARG beyond 32 bits.
TEST(DateMoments, TimeValuesOfUnrepresentableDatesRaise) {
    FusoHorario tz(kUtc);
    EXPECT_EQ(CZTData().GetCTime(), 0);
    EXPECT_EQ(CZTData(1).GetCTime(), 0);
    EXPECT_EQ(CZTData(1048248).GetTimeT(), 0);
    EXPECT_EQ(ErroDe([] { (void)Em(31, 12, 1899).GetCTime(); }), platform::E_FAIL);
    EXPECT_EQ(ErroDe([] { (void)Em(1, 1, 1848).GetTimeT(); }), platform::E_FAIL);
    EXPECT_EQ(Em(1, 2, 2024).GetTimeT(), MeiaNoiteUtc(1, 2, 2024));
    EXPECT_EQ(Em(19, 1, 2038).GetTimeT(), MeiaNoiteUtc(19, 1, 2038));
    EXPECT_EQ(Em(14, 12, 1901).GetTimeT(), MeiaNoiteUtc(14, 12, 1901));
    EXPECT_EQ(ErroDe([] { (void)Em(20, 1, 2038).GetTimeT(); }), platform::E_INVALIDARG);
    EXPECT_EQ(ErroDe([] { (void)Em(13, 12, 1901).GetTimeT(); }), platform::E_INVALIDARG);
    EXPECT_EQ(ErroDe([] { (void)Em(20, 1, 2038).GetCTime(); }), platform::S_OK);
    EXPECT_EQ(ZTTimeTParaTimeT32(-2147483648LL), -2147483647 - 1);
    EXPECT_EQ(ErroDe([] { (void)ZTTimeTParaTimeT32(2147483648LL); }), platform::E_INVALIDARG);
}

// Guards the OLE value: whole days from 30 December 1899, zero for no date, invalid for a bad value.
TEST(DateMoments, OleDatesCountDaysFrom1899) {
    struct Caso { CZTData data; double ole; };
    const Caso casos[] = {
        {Em(30, 12, 1899), 0.0}, {Em(31, 12, 1899), 1.0}, {Em(1, 1, 1900), 2.0}, {Em(1, 2, 2024), 45323.0},
        {Em(1, 1, 1848), static_cast<double>((sys_days{year{1848} / 1 / 1} - sys_days{year{1899} / 12 / 30}).count())},
        {Em(31, 12, 4717), static_cast<double>((sys_days{year{4717} / 12 / 31} - sys_days{year{1899} / 12 / 30}).count())},
    };
    for (const Caso& c : casos) {
        double ole = -1;
        EXPECT_TRUE(c.data.GetOleData(ole));
        EXPECT_EQ(ole, c.ole) << c.data.GetValor();
    }
    double ole = -1;
    EXPECT_TRUE(CZTData().GetOleData(ole));
    EXPECT_EQ(ole, 0.0);
    EXPECT_FALSE(CZTData(1).GetOleData(ole));
    EXPECT_TRUE(std::isnan(ole));
}

// Guards SetTimeT: the local date of the moment, 0 for time 0.
TEST(DateMoments, DateOfATimeValueIsLocal) {
    const std::int64_t t = MeiaNoiteUtc(1, 2, 2024);
    {
        FusoHorario tz(kUtc);
        EXPECT_EQ(CZTData().SetTimeT(static_cast<std::int32_t>(t)), Em(1, 2, 2024));
        EXPECT_EQ(CZTData().SetTimeT(static_cast<std::int32_t>(t + 86399)), Em(1, 2, 2024));
        EXPECT_EQ(CZTData().SetTimeT(-1), Em(31, 12, 1969));
        EXPECT_TRUE(CZTData(700).SetTimeT(0).IsVazia());
    }
    {
        FusoHorario tz(kMenos3);
        EXPECT_EQ(CZTData().SetTimeT(static_cast<std::int32_t>(t)), Em(31, 1, 2024));
    }
}

// Guards the split of file times, the platform's limit included.
TEST(Clock, FileTimesSplitIntoCalendarFields) {
    constexpr std::uint64_t kPorSegundo = 10'000'000;
    constexpr std::uint64_t kEpoch1970 = 116444736000000000ULL;
    struct Caso { std::uint64_t fileTime; int ano, mes, dia, hora, minuto, segundo, ms; };
    const Caso casos[] = {
        {0, 1601, 1, 1, 0, 0, 0, 0},
        {kEpoch1970, 1970, 1, 1, 0, 0, 0, 0},
        {kEpoch1970 + static_cast<std::uint64_t>(MeiaNoiteUtc(29, 2, 2024)) * kPorSegundo +
             (13 * 3600 + 45 * 60 + 10) * kPorSegundo + 1239999,
         2024, 2, 29, 13, 45, 10, 123},
        {0x7FFFFFFFFFFFFFFFULL, 30828, 9, 14, 2, 48, 5, 477},
    };
    for (const Caso& c : casos) {
        ZTSystemTime st;
        ASSERT_TRUE(ZTFileTimeParaSystemTime(c.fileTime, st)) << c.fileTime;
        EXPECT_EQ(st.wAno, c.ano);
        EXPECT_EQ(st.wMes, c.mes);
        EXPECT_EQ(st.wDia, c.dia);
        EXPECT_EQ(st.wHora, c.hora);
        EXPECT_EQ(st.wMinuto, c.minuto);
        EXPECT_EQ(st.wSegundo, c.segundo);
        EXPECT_EQ(st.wMilissegundo, c.ms);
    }
    ZTSystemTime st;
    st.wAno = 1234;
    EXPECT_FALSE(ZTFileTimeParaSystemTime(0x8000000000000000ULL, st));
    EXPECT_EQ(st.wAno, 1234);
}

// Guards the clock: local wall-clock time, the zone's offset applied, between two readings of time().
TEST(Clock, ReadsLocalWallClockTime) {
    constexpr std::int64_t kPorSegundo = 10'000'000;
    constexpr std::int64_t kEpoch1970 = 116444736000000000LL;
    struct Caso { const char* tz; std::int64_t deslocamento; };
    const Caso casos[] = {{kUtc, 0}, {kMenos3, -3 * 3600}, {"<+0530>-5:30", 5 * 3600 + 1800}};
    for (const Caso& c : casos) {
        FusoHorario tz(c.tz);
        const std::int64_t antes = std::time(nullptr);
        const auto agora = static_cast<std::int64_t>(ZTGetHoraAjustada());
        const std::int64_t depois = std::time(nullptr);
        const std::int64_t segundos = (agora - kEpoch1970) / kPorSegundo - c.deslocamento;
        EXPECT_GE(segundos, antes) << c.tz;
        EXPECT_LE(segundos, depois) << c.tz;
    }
}

// Guards SetHoje of both classes: today's local date, read through the clock.
TEST(Clock, TodayComesFromTheClock) {
    FusoHorario tz(kMenos3);
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

}  // namespace
