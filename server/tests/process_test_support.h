// Shared helpers of the tests that drive the real Vaultis process from client processes: pipes,
// whole reads and writes, and the waits for children and for the adopted server processes.
#pragma once

#include "platform/hresult.h"
#include "platform/tests/support/child_processes.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <vector>

namespace kelvo::testing {

inline bool Escreve(int fd, const void* dados, std::size_t tamanho) {
    return ::write(fd, dados, tamanho) == static_cast<ssize_t>(tamanho);
}

// Reads exactly `tamanho` bytes (a pipe may hand them over in pieces); false at an early end.
inline bool Le(int fd, void* dados, std::size_t tamanho) {
    auto* destino = static_cast<char*>(dados);
    while (tamanho > 0) {
        const ssize_t lidos = ::read(fd, destino, tamanho);
        if (lidos <= 0) return false;
        destino += lidos;
        tamanho -= static_cast<std::size_t>(lidos);
    }
    return true;
}

// A pipe whose ends close with the object.
struct Tubo {
    Tubo() { EXPECT_EQ(::pipe(fd), 0); }
    ~Tubo() {
        ::close(fd[0]);
        ::close(fd[1]);
    }
    Tubo(const Tubo&) = delete;
    Tubo& operator=(const Tubo&) = delete;
    int fd[2] = {-1, -1};
};

// Ends a client process after sending what it did through `relata`: the HRESULT of its work, the
// number of values (0 on failure) and the values.
[[noreturn]] inline void RelataEEncerra(int relata, platform::HRESULT hr, const std::vector<std::uint32_t>& valores) {
    const auto quantidade = platform::SUCCEEDED(hr) ? static_cast<std::uint32_t>(valores.size()) : 0u;
    if (!Escreve(relata, &hr, sizeof hr) || !Escreve(relata, &quantidade, sizeof quantidade)) ::_exit(4);
    if (quantidade && !Escreve(relata, valores.data(), quantidade * sizeof valores[0])) ::_exit(4);
    ::_exit(0);
}

// The most values a client report may announce; a larger count is a broken report.
constexpr std::uint32_t kMaxValoresRelato = 1'000'000;

// Reads what a client sent with RelataEEncerra; false when the pipe ended early or the count is
// beyond any report.
inline bool LeRelato(int fd, platform::HRESULT& hr, std::vector<std::uint32_t>& valores) {
    std::uint32_t quantidade = 0;
    if (!Le(fd, &hr, sizeof hr) || !Le(fd, &quantidade, sizeof quantidade)) return false;
    if (quantidade > kMaxValoresRelato) return false;
    valores.resize(quantidade);
    return quantidade == 0 || Le(fd, valores.data(), quantidade * sizeof valores[0]);
}

// Waits for the child `processo` to end (WaitForChild); its exit code, or -1.
inline int EsperaFim(pid_t processo) { return WaitForChild(processo); }

// Reaps every remaining child, which by then can only be server processes that the test adopted;
// their exit codes, or a last -1 for one that did not end (WaitForRemainingChildren).
inline std::vector<int> EsperaServidores() { return WaitForRemainingChildren(); }

}  // namespace kelvo::testing
