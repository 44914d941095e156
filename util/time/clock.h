// The system's clock: the one routine through which every reading of the current moment passes,
// and the split of a file time into calendar fields.
//
// A file time counts 100-nanosecond units since 1 January 1601; the clock's file times are local
// wall-clock time (the process's time zone), not universal time. Reading the clock anywhere else
// is a fault: tests and the test clock rely on this single entry. Safe from any thread.
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

// The current local time as a file time; 0 when the computer's clock cannot be read.
[[nodiscard]] std::uint64_t ZTGetHoraAjustada();

// Breaks a file time into calendar fields and returns true; false (the record untouched) for a
// value of 2^63 or more, which the platform does not accept either.
bool ZTFileTimeParaSystemTime(std::uint64_t fileTime, ZTSystemTime& systemTime);
