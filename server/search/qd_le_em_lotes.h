// Reading many records through the client library in bounded batches: the quick search reads
// every type and location this way, so that at no time more than one batch of records is held
// in memory, however many the company has.
//
// One array of `lote` objects is reused from batch to batch (each read hands its records over to
// the objects, freeing what they held before). The server's one thread.
#pragma once

#include "platform/hresult.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Reads the records at `posicoes` with `le(n, pPos, objetos)` in calls of at most `lote` (at
// least 1), and hands each object read, with its position, to `usa(objeto, posicao)`, in the
// order of `posicoes`. S_OK, or the first failure of `le` or `usa`, which ends the reading.
template <class Objeto, class Le, class Usa>
[[nodiscard]] platform::HRESULT QDLeEmLotes(std::span<const std::uint32_t> posicoes, std::size_t lote, Le&& le,
                                            Usa&& usa) {
    lote = std::max<std::size_t>(lote, 1);
    std::vector<Objeto> objetos(std::min(lote, posicoes.size()));
    for (std::size_t inicio = 0; inicio < posicoes.size(); inicio += lote) {
        const std::size_t n = std::min(lote, posicoes.size() - inicio);
        const platform::HRESULT hr = le(static_cast<std::uint32_t>(n), posicoes.data() + inicio, objetos.data());
        if (platform::FAILED(hr)) return hr;
        for (std::size_t i = 0; i < n; ++i) {
            if (const platform::HRESULT usado = usa(objetos[i], posicoes[inicio + i]); platform::FAILED(usado)) return usado;
        }
    }
    return platform::S_OK;
}
