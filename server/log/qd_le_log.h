// Reading the operations log back: every entry of QDLOG.DAT in a data directory, in file order,
// into holders owned by the caller (used by the log report and the one-time data migration).
//
// The log is read up to the length it had when reading began. Every count and length an entry
// claims is checked against the bytes that exist and against the largest batch (kQDLogMaxBloco)
// before anything is allocated for it, so a damaged file gives QD_E_LOG_DANIFICADO, never an
// over-read and never the end-of-file status that a reader would take as the log's normal end.
// Called on the server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/log/qd_log_entrada.h"
#include "server/record_file/record_file_codes.h"

#include <vector>

class CZTArqEx;

// An entry that does not fit the bytes of the log, or claims more than a batch can hold: the
// layer's "invalid file" message.
inline constexpr platform::HRESULT QD_E_LOG_DANIFICADO = platform::HResultFromMessage(ZT_ERR_ARQ_INVALIDO);

// Fills `entradas` with every entry of QDLOG.DAT in `pastaDados` (a missing, unlisted log is
// created empty). S_OK, also for a log of only its header byte; QD_E_LOG_DANIFICADO (the file
// marked as failed); or 0x80040000 | the record-file code of the open or a read. On failure
// `entradas` is empty.
[[nodiscard]] platform::HRESULT QDLeLog(const char* pastaDados, std::vector<CQDLogEntrada>& entradas);
// The same through `arquivo` (closed when it returns).
[[nodiscard]] platform::HRESULT QDLeLog(CZTArqEx& arquivo, const char* pastaDados,
                                        std::vector<CQDLogEntrada>& entradas);
