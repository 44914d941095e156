// The operations-log entries of document types: the 128-byte type record as the entry's data and,
// where the entry carries them, the three lists as items (users, processes, fields; a list of no
// bytes adds no item).
//
// The entries go into a batch that the operation sends at its end. The server's thread.
#pragma once

#include "outside/pendora/qd_batch_grava_log.h"
#include "platform/hresult.h"
#include "server/types/qd_tipdoc_arq.h"
#include "server/types/qd_tipdoc_listas.h"

#include <cstdint>

// Adds to `lote` the entry `operacao` for the type at `lPosicao` with `tipo` as its data and the
// lists of `listas` as its items (none when `listas` is null). S_OK or the batch's failure.
[[nodiscard]] platform::HRESULT QDAdicionaLogTipDoc(CQDBatchGravaLog& lote, QD_E_OPERACAO_LOG operacao,
                                                    std::uint32_t lPosicao, const QD_TIPDOC_ARQ& tipo,
                                                    const QDListasTipDoc* listas);
