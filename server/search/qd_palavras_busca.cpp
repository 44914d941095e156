#include "server/search/qd_palavras_busca.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

std::uint64_t Oito(const char* p) {
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, p, sizeof bytes);
    return bytes;
}

// Whether `palavra` (at least two bytes, first and last seen to match) sits at `p`. A word of 8
// to 16 bytes is two overlapping 8-byte comparisons, not a call.
bool Confere(const char* p, std::string_view palavra) {
    const std::size_t n = palavra.size();
    if (n < 8 || n > 16) return std::memcmp(p + 1, palavra.data() + 1, n - 2) == 0;
    return Oito(p) == Oito(palavra.data()) && Oito(p + n - 8) == Oito(palavra.data() + n - 8);
}

// The occurrences that start at `inicio` or later, one place at a time, none before `proxima`
// (the end of the last one found).
std::int64_t ContaDesde(std::string_view texto, std::string_view palavra, std::size_t inicio, std::size_t proxima) {
    std::int64_t n = 0;
    const std::size_t ultimo = texto.size() - palavra.size();
    for (std::size_t i = std::max(inicio, proxima); i <= ultimo; ++i) {
        if (texto[i] != palavra.front() || texto[i + palavra.size() - 1] != palavra.back()) continue;
        if (palavra.size() > 1 && !Confere(texto.data() + i, palavra)) continue;
        ++n;
        i += palavra.size() - 1;
    }
    return n;
}

#if defined(__SSE2__)
// The occurrences in the blocks of sixteen starting places that lie wholly inside `texto`; where
// the blocks end in `fim`.
std::int64_t ContaEmBlocos(std::string_view texto, std::string_view palavra, std::size_t& fim, std::size_t& proxima) {
    const std::size_t n = palavra.size();
    const char* const p = texto.data();
    const __m128i primeira = _mm_set1_epi8(palavra.front());
    const __m128i ultima = _mm_set1_epi8(palavra.back());
    std::int64_t achadas = 0;
    std::size_t i = 0;
    for (; i + n - 1 + 16 <= texto.size(); i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + n - 1));
        auto mascara = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, primeira), _mm_cmpeq_epi8(b, ultima))));
        while (mascara != 0) {
            const std::size_t k = i + static_cast<std::size_t>(__builtin_ctz(mascara));
            mascara &= mascara - 1;
            if (k < proxima || (n > 1 && !Confere(p + k, palavra))) continue;
            ++achadas;
            proxima = k + n;
        }
    }
    fim = i;
    return achadas;
}
#endif

}  // namespace

std::int64_t QDContaPalavra(std::string_view texto, std::string_view palavra) {
    if (palavra.empty() || palavra.size() > texto.size()) return 0;
    std::size_t proxima = 0;
    std::size_t fim = 0;
    std::int64_t n = 0;
#if defined(__SSE2__)
    n = ContaEmBlocos(texto, palavra, fim, proxima);
#endif
    return n + ContaDesde(texto, palavra, fim, proxima);
}

void CQDPalavrasBusca::Conta(std::string_view texto, std::span<std::int64_t> acertos) const {
    for (std::size_t i = 0; i < m_palavras.size(); ++i) acertos[i] += QDContaPalavra(texto, m_palavras[i]);
}

bool CQDPalavrasBusca::ContaSeTodas(std::string_view texto, std::span<std::int64_t> acertos) const {
    const auto todas = [&] {
        const auto fim = acertos.begin() + static_cast<std::ptrdiff_t>(m_palavras.size());
        return std::none_of(acertos.begin(), fim, [](std::int64_t n) { return n == 0; });
    };
    if (m_palavras.size() > kMaxAntecipadas) {
        Conta(texto, acertos);
        return todas();
    }
    std::uint64_t contadas = 0;  // a bit per word counted in the first round
    for (std::size_t i = 0; i < m_palavras.size(); ++i) {
        if (acertos[i] != 0) continue;
        acertos[i] = QDContaPalavra(texto, m_palavras[i]);
        if (acertos[i] == 0) return false;
        contadas |= std::uint64_t{1} << i;
    }
    for (std::size_t i = 0; i < m_palavras.size(); ++i) {
        if (!(contadas & (std::uint64_t{1} << i))) acertos[i] += QDContaPalavra(texto, m_palavras[i]);
    }
    return true;
}
