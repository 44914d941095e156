#include "platform/system/clock.h"

#include "platform/tests/support/scoped_environment.h"
#include "platform/tests/support/time_zone.h"

#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <limits>
#include <string>

namespace {

using namespace kelvo::testing;

std::int64_t SecondsOfUtc(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    const sys_days date = std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
    return duration_cast<seconds>(date.time_since_epoch()).count() + hour * 3600 + minute * 60 + second;
}

bool operator==(const platform::CalendarFields& a, const platform::CalendarFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

// Guards the reading itself: universal seconds within two readings of time(), nanoseconds in range.
TEST(PlatformClock, ReadsTheUniversalWallClock) {
    // Bounded by the precise clock: time() may read the coarse clock, a tick behind.
    const auto now = [] {
        timespec ts{};
        ::clock_gettime(CLOCK_REALTIME, &ts);
        return static_cast<std::int64_t>(ts.tv_sec);
    };
    const std::int64_t before = now();
    platform::WallClockReading reading;
    ASSERT_TRUE(platform::ReadWallClock(reading));
    const std::int64_t after = now();
    EXPECT_GE(reading.seconds, before);
    EXPECT_LE(reading.seconds, after);
    EXPECT_GE(reading.nanoseconds, 0);
    EXPECT_LT(reading.nanoseconds, 1'000'000'000);
}

// Guards the break-down in both directions, in zones with and without daylight saving, and that a
// zone changed between two calls is followed.
TEST(PlatformClock, LocalAndUniversalFieldsFollowTheZone) {
    struct Case {
        const char* tz;
        std::int64_t moment;
        platform::CalendarFields local;
    };
    const Case cases[] = {
        {kUtc, SecondsOfUtc(2024, 2, 1, 13, 45, 10), {2024, 2, 1, 13, 45, 10}},
        {kUtcMinus3, SecondsOfUtc(2024, 2, 1, 1, 0, 0), {2024, 1, 31, 22, 0, 0}},
        {kUtcPlus0530, SecondsOfUtc(2026, 12, 31, 20, 0, 0), {2027, 1, 1, 1, 30, 0}},
        {kCentralEurope, SecondsOfUtc(2024, 7, 1, 10, 0, 0), {2024, 7, 1, 12, 0, 0}},
        {kCentralEurope, SecondsOfUtc(2024, 1, 1, 10, 0, 0), {2024, 1, 1, 11, 0, 0}},
    };
    for (const Case& c : cases) {
        ScopedTimeZone zone(c.tz);
        platform::CalendarFields local, universal;
        ASSERT_TRUE(platform::LocalFieldsOf(c.moment, local)) << c.tz;
        EXPECT_TRUE(local == c.local) << c.tz << " " << local.year << "-" << local.month << "-" << local.day << " "
                                      << local.hour << ":" << local.minute;
        ASSERT_TRUE(platform::UniversalFieldsOf(c.moment, universal));
        std::int64_t back = 0;
        ASSERT_TRUE(platform::UniversalOfLocalFields(local, back)) << c.tz;
        EXPECT_EQ(back, c.moment) << c.tz;
        EXPECT_EQ(SecondsOfUtc(universal.year, static_cast<unsigned>(universal.month),
                               static_cast<unsigned>(universal.day), universal.hour, universal.minute,
                               universal.second),
                  c.moment);
    }
}

// Guards the zone's cache: a TZ changed by the environment alone (nobody calls tzset) is followed
// at the very next conversion, back and forth between zones, and an unset TZ is seen again.
TEST(PlatformClock, ChangedZoneValueIsFollowedAtOnce) {
    const std::int64_t moment = SecondsOfUtc(2024, 7, 1, 10, 0, 0);
    ScopedEnvironment restore("TZ", nullptr);
    platform::CalendarFields machine;
    ASSERT_TRUE(platform::LocalFieldsOf(moment, machine));
    struct Case {
        const char* tz;  // null: unset
        int hour;
        int minute;
    };
    // A zone the machine's own is not, so that going back to an unset TZ shows.
    const Case away = machine.minute == 30 ? Case{kUtcMinus3, 7, 0} : Case{kUtcPlus0530, 15, 30};
    const Case cases[] = {
        {kUtc, 10, 0},           {kUtcMinus3, 7, 0}, {kUtcPlus0530, 15, 30}, {kUtcMinus3, 7, 0},
        {kCentralEurope, 12, 0}, {"", 10, 0},        {kUtcPlus3, 13, 0},     away,
        {nullptr, machine.hour, machine.minute},     away,                   {"", 10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tz ? c.tz : "(unset)");
        if (c.tz) {
            ::setenv("TZ", c.tz, 1);
        } else {
            ::unsetenv("TZ");
        }
        platform::CalendarFields local;
        ASSERT_TRUE(platform::LocalFieldsOf(moment, local));
        EXPECT_EQ(local.hour, c.hour);
        EXPECT_EQ(local.minute, c.minute);
    }
}

// Guards the conversion of local fields that avoids the library's mktime: across changes of
// daylight saving both ways (a gap and an overlap, also at midnight), on ordinary days and with
// minutes carried over, the moment is the one mktime gives.
TEST(PlatformClock, UniversalOfLocalFieldsAgreesWithTheLibrary) {
    struct Case {
        const char* tz;
        int year, month, day;  // a sweep of two days from this midnight
    };
    constexpr const char* kSouthern = "<-03>3<-02>,M10.3.0/0,M2.3.0/0";  // summer from October, at midnight
    const Case cases[] = {
        {kUtc, 2024, 6, 15},           {kUtcPlus0530, 2024, 12, 31},  {kCentralEurope, 2024, 3, 30},
        {kCentralEurope, 2024, 10, 26}, {kCentralEurope, 2024, 6, 15}, {kSouthern, 2024, 10, 19},
        {kSouthern, 2025, 2, 15},
    };
    for (const Case& c : cases) {
        ScopedTimeZone zone(c.tz);
        for (int minute = -90; minute < 48 * 60; minute += 10) {
            SCOPED_TRACE(std::string(c.tz) + " minute " + std::to_string(minute));
            const platform::CalendarFields fields{c.year, c.month, c.day, 0, minute, 30};
            std::int64_t ours = 0;
            ASSERT_TRUE(platform::UniversalOfLocalFields(fields, ours));
            std::tm parts{};
            parts.tm_year = c.year - 1900;
            parts.tm_mon = c.month - 1;
            parts.tm_mday = c.day;
            parts.tm_min = minute;
            parts.tm_sec = 30;
            parts.tm_isdst = -1;
            EXPECT_EQ(ours, static_cast<std::int64_t>(std::mktime(&parts)));
        }
    }
}

// Guards the far moments: before 1900 and after 2038 convert; moments beyond the library fail.
TEST(PlatformClock, FarMomentsConvertAndImpossibleOnesFail) {
    ScopedTimeZone zone(kUtc);
    const platform::CalendarFields old{1850, 3, 1, 0, 0, 0};
    std::int64_t seconds = 0;
    ASSERT_TRUE(platform::UniversalOfLocalFields(old, seconds));
    EXPECT_EQ(seconds, SecondsOfUtc(1850, 3, 1, 0, 0, 0));
    // One second before 1970 is -1, which mktime also uses for failure.
    ASSERT_TRUE(platform::UniversalOfLocalFields({1969, 12, 31, 23, 59, 59}, seconds));
    EXPECT_EQ(seconds, -1);
    ASSERT_TRUE(platform::UniversalOfLocalFields({30827, 12, 31, 23, 59, 59}, seconds));
    EXPECT_EQ(seconds, SecondsOfUtc(30827, 12, 31, 23, 59, 59));

    platform::CalendarFields fields;
    EXPECT_FALSE(platform::LocalFieldsOf(std::numeric_limits<std::int64_t>::max(), fields));
    EXPECT_FALSE(platform::UniversalFieldsOf(std::numeric_limits<std::int64_t>::max(), fields));
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_FALSE(platform::UniversalOfLocalFields({kMax, kMax, 1, 0, 0, 0}, seconds));
    EXPECT_FALSE(platform::UniversalOfLocalFields({kMin, 1, 1, 0, 0, 0}, seconds));
    EXPECT_FALSE(platform::UniversalOfLocalFields({2024, kMin, 1, 0, 0, 0}, seconds));
}

}  // namespace
