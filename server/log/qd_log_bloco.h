// Assembling the block that one batch of log entries (QD_BATCH_GRAVA_LOG_PS) appends to
// QDLOG.DAT: the whole batch as the bytes of one write (layout in qd_log_layout.h).
//
// The time and the user come from the server: the batch's own `dataGravacaoLog` and `iUsuario`
// are ignored. The batch stays the caller's; pure function, safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>
#include <vector>

// Checks the batch and fills `bloco` with 40 x qtd + the sum of (cbLogData + 8 x nQtdPtrs + the
// sum of cbData) bytes: per entry its header (`agora`, lengths, operation cut to 16 bits,
// `usuario`, position, zeroed reserve), its data, then each item's header and bytes. S_OK, or
// E_INVALIDARG (bloco empty) for a count without its array or a block above kQDLogMaxBloco.
[[nodiscard]] platform::HRESULT QDMontaBlocoLog(const QD_BATCH_GRAVA_LOG_PS& batch, std::uint32_t agora,
                                                std::uint16_t usuario, std::vector<std::uint8_t>& bloco);
