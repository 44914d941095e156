#include "server/bench/raw_read.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace kelvo::bench {

namespace {

constexpr std::size_t kBuffer = 1u << 20;

// Reads the file whole; the bytes read, or -1 when it cannot be opened or read.
std::int64_t LeInteiro(const std::string& caminho, std::vector<char>& buffer) {
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    std::int64_t total = 0;
    ssize_t lidos = 0;
    while ((lidos = ::read(fd, buffer.data(), buffer.size())) > 0) total += lidos;
    ::close(fd);
    return lidos < 0 ? -1 : total;
}

// One pass over every file; false when one failed.
bool Passa(const std::vector<std::string>& caminhos, std::vector<char>& buffer, std::uint64_t& bytes) {
    bytes = 0;
    for (const std::string& caminho : caminhos) {
        const std::int64_t lidos = LeInteiro(caminho, buffer);
        if (lidos < 0) return false;
        bytes += static_cast<std::uint64_t>(lidos);
    }
    return true;
}

}  // namespace

LeituraBruta MedeLeituraBruta(const std::vector<std::string>& caminhos, int repeticoes) {
    LeituraBruta leitura;
    std::vector<char> buffer(kBuffer);
    if (!Passa(caminhos, buffer, leitura.bytes)) return leitura;
    std::vector<double> ms;
    for (int i = 0; i < std::max(1, repeticoes); ++i) {
        const auto inicio = std::chrono::steady_clock::now();
        if (!Passa(caminhos, buffer, leitura.bytes)) return leitura;
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count());
    }
    std::nth_element(ms.begin(), ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2), ms.end());
    leitura.medianaMs = ms[ms.size() / 2];
    leitura.lida = true;
    return leitura;
}

}  // namespace kelvo::bench
