// What both document layers do with a save's result block after the views heard it: free what
// the block owns and tell a single save from a batch. User-interface thread.
#pragma once

#include "framework/view/zt_fc_blocos.h"

#include <cstdint>

// Deletes the block's record copies: the single save's copy, or the batch's copies and their
// array (made with new[]). The pointers are null afterwards.
void ZTFCLiberaRegistros(ZTFC_BLOCO_RESULTADO& bloco);
// Deletes `quantidade` records and their new[] array (null: nothing).
void ZTFCLiberaLote(std::int32_t quantidade, CZTFCDados** registros);
// The extra value (0 when there is none), which is freed.
[[nodiscard]] std::int32_t ZTFCTomaExtra(ZTFC_BLOCO_RESULTADO& bloco);
// `linhaRegistro` for a single save's block, `linhaLote` for a batch's.
[[nodiscard]] std::int32_t ZTFCLinhaDoResultado(const ZTFC_BLOCO_RESULTADO& bloco, std::int32_t linhaRegistro,
                                                std::int32_t linhaLote);
