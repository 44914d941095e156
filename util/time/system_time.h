// System-time records and file times: the two forms in which the clock hands out a moment, and
// the pure calendar arithmetic between them.
//
// A file time counts 100-nanosecond units since 1 January 1601 of the proleptic Gregorian
// calendar; whether it is local or universal time is the caller's business (the clock's file
// times are local). Values of 2^63 or more are not file times, as on the original platform.
// Pure functions, safe from any thread.
#pragma once

#include <cstdint>

// A moment broken into calendar fields (the platform's system-time record).
struct ZTSystemTime {
    std::uint16_t wAno = 0;
    std::uint16_t wMes = 0;          // 1..12
    std::uint16_t wDia = 0;          // 1..31
    std::uint16_t wHora = 0;         // 0..23
    std::uint16_t wMinuto = 0;       // 0..59
    std::uint16_t wSegundo = 0;      // 0..59
    std::uint16_t wMilissegundo = 0; // 0..999
};

constexpr std::uint64_t ZT_FILETIME_POR_MILISSEGUNDO = 10'000;
constexpr std::uint64_t ZT_FILETIME_POR_SEGUNDO = 10'000'000;
constexpr std::uint64_t ZT_FILETIME_POR_DIA = ZT_FILETIME_POR_SEGUNDO * 86'400;
// The first value that is not a file time.
constexpr std::uint64_t ZT_FILETIME_LIMITE = 0x8000000000000000ULL;
// Seconds from 1 January 1601 to 1 January 1970, the origin of time values.
constexpr std::int64_t ZT_SEGUNDOS_1601_A_1970 = 11'644'473'600LL;

// Days from 1 January 1601 to a date (negative before it); any year, months and days taken as
// given within 1..12 and 1..31.
[[nodiscard]] std::int64_t ZTDiasDesde1601(std::int64_t ano, int mes, int dia);

// The file time of a record and true, when the record holds a moment the platform accepts: year
// 1601..30827, month 1..12, day within the month, hour below 24, minute and second below 60,
// milliseconds below 1000. Otherwise false and the file time untouched.
bool ZTSystemTimeParaFileTime(const ZTSystemTime& systemTime, std::uint64_t& fileTime);

// Breaks a file time into calendar fields and returns true; false (the record untouched) for a
// value of 2^63 or more, which the platform does not accept either.
bool ZTFileTimeParaSystemTime(std::uint64_t fileTime, ZTSystemTime& systemTime);
