// Event-log entries of the content layer: what the server notes about its run-as identity and
// about a backup folder of stored contents that it had to keep.
//
// Entries go to the event log (platform/event_log.h) under the server's name "Vaultis", event id
// 0, with the one text given (Windows-1252). A failing log is silent. Safe from any thread.
#pragma once

#include "platform/system/event_log.h"

// The event source of the document server's own entries.
inline constexpr const char* QD_FONTE_EVENTOS = "Vaultis";

// Writes one entry of type `tipo` (EVENTLOG_WARNING_TYPE, EVENTLOG_ERROR_TYPE, ...) with `texto`.
void QDRegistraEventoConteudo(platform::WORD tipo, const char* texto);
