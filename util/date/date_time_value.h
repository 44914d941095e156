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

// Narrows a 64-bit time value to a 32-bit moment (unsigned seconds since 1970, up to 7 February
// 2106 06:28:15): a time before 1970 gives 0, the first moment, since no moment lies before it; a
// time after the last moment raises ComError(E_INVALIDARG).
[[nodiscard]] std::uint32_t ZTMomento32(std::int64_t tempo);

// The local calendar date of a time value; false (and zeros) when the library cannot break it down.
bool ZTDataLocalDeTimeT(std::int64_t tempo, int& dia, int& mes, int& ano);

// OLE date-time value of the midnight of a valid day number.
[[nodiscard]] double ZTOleDataDeDiaNumero(std::uint32_t numero);
