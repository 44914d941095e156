// Reading the operations log back: every entry of QDLOG.DAT in a data directory, in file order,
// into holders owned by the caller (used by the log report and the one-time data migration).
//
// The log is read up to the length it had when reading began, through QDPercorreLog: a torn tail
// (an entry running past the end, left by an append cut short) ends the log and every complete
// entry before it is read; a length no writer makes is damage, QD_E_LOG_DANIFICADO, never the
// end-of-file status that a reader would take as the log's normal end. Called on the server's
// thread.
#pragma once

#include "platform/hresult.h"
#include "server/log/qd_log_entrada.h"
#include "server/log/qd_percorre_log.h"

#include <vector>

class CZTArqEx;

// Fills `entradas` with every complete entry of QDLOG.DAT in `pastaDados` (a missing, unlisted
// log is created empty). S_OK, also for a log of only its header byte and for a torn tail;
// QD_E_LOG_DANIFICADO (the file marked as failed); or 0x80040000 | the record-file code of the
// open or a read. On failure `entradas` is empty.
[[nodiscard]] platform::HRESULT QDLeLog(const char* pastaDados, std::vector<CQDLogEntrada>& entradas);
// The same through `arquivo` (closed when it returns).
[[nodiscard]] platform::HRESULT QDLeLog(CZTArqEx& arquivo, const char* pastaDados,
                                        std::vector<CQDLogEntrada>& entradas);
