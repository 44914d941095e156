// Where a dotted code's levels begin: the index of its n-th '.'. Pure; safe from any thread.
#pragma once

#include <cstddef>
#include <string_view>

// The index of the `n`-th '.' of `texto` (n from 1); npos when it has fewer, or for n < 1.
[[nodiscard]] inline std::size_t QDPosicaoPontoCodigo(std::string_view texto, int n) {
    if (n < 1) return std::string_view::npos;
    std::size_t posicao = std::string_view::npos;
    for (int i = 0; i < n; ++i) {
        posicao = texto.find('.', posicao == std::string_view::npos ? 0 : posicao + 1);
        if (posicao == std::string_view::npos) return posicao;
    }
    return posicao;
}
