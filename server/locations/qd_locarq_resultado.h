// How the location and mask operations turn what the record-file layer says into their results
// and back: a message code becomes 0x80040000 | code, an interface position becomes a record
// position, a file's record count the last position a loop may visit. Safe from any thread
// (the record count asks the file).
#pragma once

#include "platform/hresult.h"
#include "server/record_file/zt_arq_ex.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// S_OK for 0, else the HRESULT of the layer's message code.
[[nodiscard]] inline platform::HRESULT QDHResultLocArq(int codigo) {
    return codigo == 0 ? platform::S_OK : platform::HResultFromMessage(static_cast<std::uint32_t>(codigo));
}

// The record file's position for an interface position: the layer's positions are signed 32-bit,
// so a larger one becomes negative and the layer answers it with its bad-position code (16012).
[[nodiscard]] inline std::int32_t QDPosicaoArqLocArq(std::uint32_t lPosicao) {
    return static_cast<std::int32_t>(lPosicao);
}

// The last data position of `arquivo` that a loop from 1 may read: its record count, and never
// beyond the largest signed 32-bit position (0 when the file cannot be opened).
[[nodiscard]] inline std::int32_t QDUltimaPosicaoLocArq(CZTArqEx& arquivo) {
    const std::int64_t quantidade = arquivo.RecordCount();
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(quantidade, 0, std::numeric_limits<std::int32_t>::max()));
}
