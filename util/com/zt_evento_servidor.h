// Event-log entries about a COM server: what the activation routine writes when a server is
// slow or missing.
//
// Entries go to the event log (platform/event_log.h) under the source "Quorvel". Failures of
// the log are silent. Safe from any thread.
#pragma once

#include "platform/com/guid.h"
#include "platform/system/event_log.h"
#include "platform/hresult.h"

// The event source of the suite's entries.
inline constexpr const char* ZT_FONTE_EVENTOS = "Quorvel";

// Writes one entry of type `tipo` (EVENTLOG_ERROR_TYPE, EVENTLOG_WARNING_TYPE, ...), category 0,
// event id `hr`, with two strings: `texto`, then "\nHR: 0x%X (%s)\nCLSID: %s\nPrograma: %s\n"
// filled with the result, its system text (one line, at most 255 characters), the class id and
// the running program's path.
void ZTRegistraEventoServidor(const platform::CLSID& clsid, platform::HRESULT hr, platform::WORD tipo,
                              const char* texto);
