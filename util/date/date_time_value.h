// Dates as moments: local midnight of a date as a 64-bit or 32-bit time value, the local date of a
// time value, and the OLE date-time value of a day number.
//
// Time values count seconds since 1 January 1970 UTC; "local" follows the process's time zone
// (TZ), daylight saving decided by the run-time library. An OLE date-time value counts days since
// 30 December 1899 (midnight has no fraction). Failures raise platform::ComError as the framework's
// time class does. The zone conversions are those of platform/clock.h. Safe from any thread.
#pragma once

#include <cstdint>

// Local midnight of a date (full year) as a 64-bit time value. Raises ComError(E_FAIL) for a
// year before 1900 and ComError(E_INVALIDARG) when the run-time library cannot represent it.
[[nodiscard]] std::int64_t ZTMeiaNoiteLocal(int dia, int mes, int ano);

// Narrows a 64-bit time value to the 32-bit one; raises ComError(E_INVALIDARG) when it does not fit.
[[nodiscard]] std::int32_t ZTTimeTParaTimeT32(std::int64_t tempo);

// The local calendar date of a time value; false (and zeros) when the library cannot break it down.
bool ZTDataLocalDeTimeT(std::int64_t tempo, int& dia, int& mes, int& ano);

// OLE date-time value of the midnight of a valid day number.
[[nodiscard]] double ZTOleDataDeDiaNumero(std::uint32_t numero);
