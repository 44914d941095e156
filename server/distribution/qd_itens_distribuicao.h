// The items of one distribution list: reading its run of QDDISTIT.DAT and writing it anew, with
// the header record (QD_DISTRIBUICAO_ARQ) that says where the run lies.
//
// Counts and first positions come from the header as stored and are checked against the item
// file before anything is allocated or written, so that a damaged header neither makes the
// server allocate what no list can hold nor write far beyond the end of the file. Operates on
// an item file opened by the caller; the server's one thread.
#pragma once

#include "server/distribution/qd_distribuicao_arq.h"
#include "server/record_file/zt_arq_ex.h"

#include <cstdint>
#include <span>
#include <vector>

// Reads the document positions of `lista` from `itens` (QDDISTIT.DAT) into `posicoes`. 0; 16021
// when the count is above QD_DISTRIBUICAO_MAX_ITENS or the run is not wholly inside the file
// (nothing allocated then); or a read's code (`posicoes` empty on failure).
[[nodiscard]] int QDLeItensDistribuicao(CZTArqEx& itens, const QD_DISTRIBUICAO_ARQ& lista,
                                        std::vector<std::uint32_t>& posicoes);

// Writes `posicoes` as the run of `lista` and stores the run's count and first position in
// `lista`. The stored run is rewritten in place when the new list is not longer and that run lies
// wholly inside the file; otherwise the items are appended at the end of the file (a new list, a
// longer one, or a header that points outside the file). 0; 16021 for more than
// QD_DISTRIBUICAO_MAX_ITENS items or none (nothing written); or the first failing write's code
// (`lista` unchanged then, items written before it stay written).
[[nodiscard]] int QDGravaItensDistribuicao(CZTArqEx& itens, std::span<const std::uint32_t> posicoes,
                                           QD_DISTRIBUICAO_ARQ& lista);
