// The computer's wall clock and the process's time zone: the one place where the current
// moment is read from the operating system and where calendar fields are converted between
// local and universal time.
//
// Universal moments are seconds since 1 January 1970 UTC (64-bit, so far past 2038). "Local"
// follows the process's time zone (TZ); daylight saving is decided by the C library. A changed TZ
// value is followed at the next call. Each look at the zone file costs a system call, so the
// conversions look again at most once a second (except near a change of the zone's offset, where
// mktime decides and looks every time). Safe from any thread.
//
// The system's code does not call ReadWallClock directly: it reads the current moment through
// the util clock (util/time/clock.h), which applies the test clock.
#pragma once

#include <cstdint>

namespace platform {

// A moment broken into calendar fields (full year, month 1..12, day 1..31, hour 0..23,
// minute 0..59, second 0..60 where the library reports a leap second).
struct CalendarFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// A reading of the wall clock: whole seconds since 1970 UTC and the nanoseconds past them.
struct WallClockReading {
    std::int64_t seconds = 0;
    std::int32_t nanoseconds = 0;  // 0..999999999
};

// Reads the computer's wall clock; false when the operating system cannot give it.
[[nodiscard]] bool ReadWallClock(WallClockReading& reading);

// The local calendar fields of a universal moment; false when the library cannot break it down.
[[nodiscard]] bool LocalFieldsOf(std::int64_t seconds, CalendarFields& fields);
// The universal calendar fields of a universal moment; false when the library cannot.
[[nodiscard]] bool UniversalFieldsOf(std::int64_t seconds, CalendarFields& fields);
// The universal moment of local calendar fields (fields out of their ranges are carried over as
// the C library does); false when the moment cannot be represented.
[[nodiscard]] bool UniversalOfLocalFields(const CalendarFields& fields, std::int64_t& seconds);

}  // namespace platform
