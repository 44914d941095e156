#include "platform/hresult.h"
#include "util/date/date_time_value.h"
#include "util/date/zt_data.h"

#include "platform/tests/support/time_zone.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>

namespace {

using namespace std::chrono;

using FusoHorario = kelvo::testing::ScopedTimeZone;
using kelvo::testing::kUtc;
constexpr const char* kMenos3 = kelvo::testing::kUtcMinus3;
constexpr const char* kEuropaCentral = kelvo::testing::kCentralEurope;

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

// Guards the 32-bit moments: unsigned, so past 19 January 2038 they keep counting; no time for no
// date, 0 before 1970, E_FAIL before 1900, E_INVALIDARG after 7 February 2106.
TEST(DateMoments, TimeValuesOfUnrepresentableDatesRaise) {
    FusoHorario tz(kUtc);
    EXPECT_EQ(CZTData().GetCTime(), 0);
    EXPECT_EQ(CZTData(1).GetCTime(), 0);
    EXPECT_EQ(CZTData(1048248).GetTimeT(), 0);
    EXPECT_EQ(ErroDe([] { (void)Em(31, 12, 1899).GetCTime(); }), platform::E_FAIL);
    EXPECT_EQ(ErroDe([] { (void)Em(1, 1, 1848).GetTimeT(); }), platform::E_FAIL);
    EXPECT_EQ(Em(1, 2, 2024).GetTimeT(), MeiaNoiteUtc(1, 2, 2024));
    EXPECT_EQ(Em(19, 1, 2038).GetTimeT(), MeiaNoiteUtc(19, 1, 2038));
    EXPECT_EQ(Em(20, 1, 2038).GetTimeT(), MeiaNoiteUtc(20, 1, 2038));
    EXPECT_EQ(Em(7, 2, 2106).GetTimeT(), MeiaNoiteUtc(7, 2, 2106));
    EXPECT_EQ(Em(1, 1, 1970).GetTimeT(), 0u);
    EXPECT_EQ(Em(31, 12, 1969).GetTimeT(), 0u);
    EXPECT_EQ(Em(14, 12, 1901).GetTimeT(), 0u);
    EXPECT_EQ(ErroDe([] { (void)Em(8, 2, 2106).GetTimeT(); }), platform::E_INVALIDARG);
    EXPECT_EQ(ErroDe([] { (void)Em(8, 2, 2106).GetCTime(); }), platform::S_OK);
    EXPECT_EQ(ZTMomento32(-1), 0u);
    EXPECT_EQ(ZTMomento32(4294967295LL), 4294967295u);
    EXPECT_EQ(ErroDe([] { (void)ZTMomento32(4294967296LL); }), platform::E_INVALIDARG);
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

// Guards SetTimeT: the local date of the unsigned moment (after 2038 too), 0 for time 0.
TEST(DateMoments, DateOfATimeValueIsLocal) {
    const auto t = static_cast<std::uint32_t>(MeiaNoiteUtc(1, 2, 2024));
    {
        FusoHorario tz(kUtc);
        EXPECT_EQ(CZTData().SetTimeT(t), Em(1, 2, 2024));
        EXPECT_EQ(CZTData().SetTimeT(t + 86399), Em(1, 2, 2024));
        EXPECT_EQ(CZTData().SetTimeT(static_cast<std::uint32_t>(MeiaNoiteUtc(1, 3, 2040))), Em(1, 3, 2040));
        EXPECT_EQ(CZTData().SetTimeT(4294967295u), Em(7, 2, 2106));
        EXPECT_TRUE(CZTData(700).SetTimeT(0).IsVazia());
    }
    {
        FusoHorario tz(kMenos3);
        EXPECT_EQ(CZTData().SetTimeT(t), Em(31, 1, 2024));
    }
}

}  // namespace
