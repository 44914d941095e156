// The free-place count of archive locations as documents come and go: a document stored in a
// location takes one of its places, a document deleted from it or moved out gives one back.
//
// Works on QDLOCARQ.DAT opened by the caller in mode 'G', so that one deletion of many documents
// opens it once. The server's one thread.
#pragma once

#include "server/record_file/zt_arq_ex.h"

#include <cstdint>

// Adds `delta` to the available count (nQtdDisponivel) of the location at `lPosLocArq` and
// writes the record back. With `soComMaximo`, a location without a maximum (nQtdMaximaDocs not
// above 0) is read and written back unchanged. The count stops at the limits of its 32 bits
// instead of wrapping. 0, 16021 for position 0 or one past the file, or the failing read's or
// write's code.
[[nodiscard]] int QDSomaDisponivelLocArq(CZTArqEx& locais, std::uint32_t lPosLocArq, std::int32_t delta,
                                         bool soComMaximo);
