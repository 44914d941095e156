// LeituraBruta (bruta: raw): how long reading a set of files whole takes with plain read() calls
// into one buffer, warm (one untimed pass first, so the files come from the page cache): the floor
// that a search over the same files can be held against. One thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo::bench {

struct LeituraBruta {
    bool lida = false;         // false when a file could not be read
    double medianaMs = 0;      // of the timed passes over all the files
    std::uint64_t bytes = 0;   // in one pass
};

// Reads every file of `caminhos` once untimed, then `repeticoes` (>= 1) timed passes.
[[nodiscard]] LeituraBruta MedeLeituraBruta(const std::vector<std::string>& caminhos, int repeticoes);

}  // namespace kelvo::bench
