// The operations-log entries of documents: each holds the 256-byte document record and, for an
// inclusion or a change, one item with the document's user codes (none when it has no users).
// The server's one thread.
#pragma once

#include "outside/pendora/qd_batch_grava_log.h"
#include "server/document/qd_doc_arq.h"

#include <cstdint>
#include <span>

// Adds to `lote` the entry `operacao` for the document at `lPosicao`: its record `arq` and, when
// `usuarios` is not empty, a QD_TYPE_LOG_USUARIO item of their codes. S_OK or the batch's failure.
[[nodiscard]] platform::HRESULT QDAdicionaLogDoc(CQDBatchGravaLog& lote, QD_E_OPERACAO_LOG operacao,
                                                 std::uint32_t lPosicao, const QD_DOC_ARQ& arq,
                                                 std::span<const std::uint16_t> usuarios = {});
