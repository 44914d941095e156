// The current moment in the forms the programs need: time values, OLE dates, texts, today's day
// numbers and the packed times of day. Every routine reads the clock (util/time/clock.h) once per
// call, so the test clock shifts them all, and raises what the clock raises.
//
// The local time is that of the process's time zone. Text buffers must hold the number of
// characters stated plus the terminating zero. Safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>

// The current local time as a 64-bit time value (seconds since 1970 UTC); 0 for a year before
// 1900 or a moment the C library cannot represent.
[[nodiscard]] std::int64_t ZTGetCTimeAgora();
// The current local time as an OLE date-time value (days since 30 December 1899, the time of day
// as the fraction, whole seconds).
[[nodiscard]] double ZTGetOleDataAgora();
// The current moment as a 32-bit moment: unsigned seconds since 1970, so it neither fails nor
// wraps before 7 February 2106 06:28:15; 0 before 1970; raises platform::ComError(E_INVALIDARG)
// after that last moment.
[[nodiscard]] std::uint32_t ZTGetAgora();
// ZTGetAgora for callers that answer HRESULTs (the server's methods): S_OK with the moment in
// `agora`, or what the clock raised as ZTHResultDeExcecao translates it (a CZTException's system
// error as 0x80040000 | error, 0x8004EA61 without one); `agora` is left as it was then.
[[nodiscard]] platform::HRESULT ZTLeAgora(std::uint32_t& agora);

// hh:mm:ss (8 characters) / hh:mm:ss.mmm (12 characters) into the buffer; returns the buffer.
char* ZTFormataHoraAgora(char* buffer);
char* ZTFormataHoraMsAgora(char* buffer);
// hh:mm:ss as a string.
[[nodiscard]] CZTString ZTGetHoraAgoraTexto();
// dd/mm/yyyy, or dd/mm/yy (year mod 100) without the four-digit flag.
[[nodiscard]] CZTString ZTGetDataHojeTexto(bool quatroDigitos);
// The same without its first three characters: mm/yyyy or mm/yy.
[[nodiscard]] CZTString ZTGetMesAnoHojeTexto(bool quatroDigitos);
// "%s %s" of the date text and hh:mm:ss.
[[nodiscard]] CZTString ZTGetDataHoraAgoraTexto(bool quatroDigitos);

// Today as a day count from 1850 (dias1850), else as the stored short day value (0 when today
// lies beyond the short dates).
[[nodiscard]] std::int32_t ZTGetDataHoje(bool dias1850);
// This month as a month count from 1850 (meses1850), else as the short month number (0 beyond).
[[nodiscard]] std::int32_t ZTGetMesAnoHoje(bool meses1850);

// Minutes since midnight; hours × 100 + minutes; the latter as "%d".
[[nodiscard]] std::int32_t ZTGetMinutosAgora();
[[nodiscard]] std::int32_t ZTGetHHMMAgora();
[[nodiscard]] CZTString ZTGetHHMMAgoraTexto();
// Hours × 10000 + minutes × 100 + seconds; seconds since midnight.
[[nodiscard]] std::int32_t ZTGetHHMMSSAgora();
[[nodiscard]] std::int32_t ZTGetSegundosAgora();
// "%02d:%02d:%02d" of the seconds since midnight.
[[nodiscard]] CZTString ZTGetHoraAgoraTexto2();

// The local time's distance from universal time now, as hours × 100 + minutes (negative west of
// Greenwich: −3 h 30 is −330).
[[nodiscard]] int ZTGetFusoHorario();
