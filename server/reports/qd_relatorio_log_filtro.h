// Which operations-log entries the log report lists: the request's user, period and option bits
// (CQDRelFlags), bit by bit:
//   0 inclusions, 1 exclusions, 2 changes (before and after), 3 viewings;
//   4 documents, 5 locations, 6 types, 9 properties (viewings pass these);
//   7 local viewings, 8 web viewings.
// Pure; safe from any thread.
#pragma once

#include "server/idl/records.h"

#include <cstdint>

// The day number (util/date/day_number.h) of the local date of a log time (an unsigned 32-bit
// moment); 0 when it has none.
[[nodiscard]] std::uint32_t QDRelLogDia(std::uint32_t dataGravacaoLog);

// True when `log` is listed for the request `rel`: `iShort3` 0 or the entry's user; `iShort1`
// and `iShort2` (stored short days, compared as the days they mean) not both set, or the entry's
// day within them; and its operation, record kind and viewing channel selected. An operation
// outside the enumeration is never listed.
[[nodiscard]] bool QDRelLogSelecionada(const QD_RELATORIO_PS& rel, const QD_LOG_PS& log);
