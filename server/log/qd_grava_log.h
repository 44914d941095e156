// Writing the operations log: one batch of entries appended to QDLOG.DAT of a data directory as
// one block, in one write.
//
// The moment is read once per batch from the one clock (ZTGetAgora, so the test clock moves it)
// and the user is the session's; the batch's own time and user are ignored. The log's open in
// mode 'G' denies other writers, so the batches of two processes never interleave. A failed or
// short write cuts the file back to the length it had, so a batch is in the log whole or not at
// all; and before this process's first append to a log, and after a failed one, a torn tail left
// by an append cut short is cut off first (qd_log_cauda.h), so no batch lands behind it. Called on
// the server's thread; the batch stays the caller's.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>

class CZTArqEx;

// Appends `batch` to QDLOG.DAT in `pastaDados` (created through the control list when missing).
// S_OK; E_INVALIDARG for a batch refused by QDMontaBlocoLog; the clock's failure; or
// 0x80040000 | the record-file code of the open, a read or the cut of the log's end, the write or
// the close. A batch of no entries opens the file and appends nothing.
[[nodiscard]] platform::HRESULT QDGravaLog(const QD_BATCH_GRAVA_LOG_PS& batch, std::uint16_t usuario,
                                           const char* pastaDados);
// The same through `arquivo` (closed when it returns), so that a test can make its writes fail.
[[nodiscard]] platform::HRESULT QDGravaLog(CZTArqEx& arquivo, const QD_BATCH_GRAVA_LOG_PS& batch,
                                           std::uint16_t usuario, const char* pastaDados);
