// Walking the operations log: the one routine through which every reader of QDLOG.DAT (the log
// report, the data migration) and the writer's check of the log's end see its entries.
//
// The walk reads from byte 1 up to the length the file had when it began. An entry that runs past
// that end is a torn tail, the remains of an append cut short (a killed process, a full disk): it
// ends the log, and every complete entry before it stands. A length no writer makes (an entry
// beyond kQDLogMaxEntrada) is damage. Every count and length is checked before anything is
// allocated for it. Called on the server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/log/qd_log_entrada.h"
#include "server/record_file/record_file_codes.h"

#include <cstdint>
#include <functional>

class CZTArqEx;

// An entry that claims more than the writer ever makes: the layer's "invalid file" message.
inline constexpr platform::HRESULT QD_E_LOG_DANIFICADO = platform::HResultFromMessage(ZT_ERR_ARQ_INVALIDO);

// Hands every complete entry of the open log `arquivo` to `recebe`, in file order, and sets
// `fimCompletas` to the byte after the last of them (the file's length when no tail is torn;
// never more than 1 for a log without entries). S_OK, also for a torn tail; QD_E_LOG_DANIFICADO;
// or 0x80040000 | the record-file code of a seek or a read.
[[nodiscard]] platform::HRESULT QDPercorreLog(CZTArqEx& arquivo, const std::function<void(CQDLogEntrada&&)>& recebe,
                                              std::uint64_t& fimCompletas);
