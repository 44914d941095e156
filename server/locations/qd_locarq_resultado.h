// How the location and mask operations hand an interface position to the record-file layer.
// Pure; safe from any thread.
#pragma once

#include <cstdint>

// The record file's position for an interface position: the layer's positions are signed 32-bit,
// so a larger one becomes negative and the layer answers it with its bad-position code (16012).
[[nodiscard]] inline std::int32_t QDPosicaoArqLocArq(std::uint32_t lPosicao) {
    return static_cast<std::int32_t>(lPosicao);
}
