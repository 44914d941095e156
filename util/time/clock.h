// The system's clock: the one routine through which every reading of the current moment passes,
// shifted by the test clock (util/time/test_clock.h), and the current moment as system-time
// records and file times, local and universal.
//
// The clock's file times are local wall-clock time of the process's time zone; the universal
// forms convert through that zone (daylight saving as the C library decides for that moment).
// Reading the computer's clock anywhere else is a fault: the test clock relies on this single
// entry. A failed conversion raises a CZTException (thrown by pointer, module 1, the platform's
// error ERROR_INVALID_PARAMETER) with the fixed text named below. Safe from any thread.
#pragma once

#include "util/time/system_time.h"

#include <cstdint>

// The current local time as a file time, shifted by the test clock when it is enabled: now −
// moment B + moment A. 0 when the computer's clock cannot be read. A shift that leaves the file
// times' range gives a value of 2^63 or more, which every conversion below refuses. An enabled
// test clock whose moment is not a valid date raises
// "Helper_SystemTimeToFileTime: SystemTimeToFileTime" on every call.
[[nodiscard]] std::uint64_t ZTGetHoraAjustada();

// The file time of a record; raises "Helper_SystemTimeToFileTime: SystemTimeToFileTime" when
// the record is not a moment the platform accepts (see ZTSystemTimeParaFileTime).
void Helper_SystemTimeToFileTime(const ZTSystemTime& systemTime, std::uint64_t& fileTime);

// ZTGetHoraAjustada as a local record; raises "GetCurrentTime_LocalTime: FileTimeToSystemTime".
[[nodiscard]] ZTSystemTime GetCurrentTime_LocalTime();

// ZTGetHoraAjustada converted from local to universal time, as a file time; raises
// "GetCurrentTime_SystemTimeAsFileTime: LocalFileTimeToFileTime" when it cannot be converted.
[[nodiscard]] std::uint64_t GetCurrentTime_SystemTimeAsFileTime();

// That universal time as a record; raises "GetCurrentTime_SystemTime: FileTimeToSystemTime"
// (or the error of GetCurrentTime_SystemTimeAsFileTime).
[[nodiscard]] ZTSystemTime GetCurrentTime_SystemTime();
