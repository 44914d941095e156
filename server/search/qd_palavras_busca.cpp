#include "server/search/qd_palavras_busca.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
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

#if defined(__x86_64__)
// The occurrences in the blocks of `Bloco::kBytes` starting places from `fim` on that lie wholly
// inside `texto`; where the blocks end in `fim`. Each block finds the places where the word's first, second and
// last letters all sit at once, so that few places are compared in full.
template <class Bloco>
[[gnu::always_inline]] inline std::int64_t ContaEmBlocos(std::string_view texto, std::string_view palavra,
                                                         std::size_t& fim, std::size_t& proxima) {
    const std::size_t n = palavra.size();
    const char* const p = texto.data();
    const std::size_t segunda = n > 1 ? 1 : 0;
    const Bloco primeira(palavra.front()), seguinte(palavra[segunda]), ultima(palavra.back());
    std::int64_t achadas = 0;
    std::size_t i = fim;
    for (; i + n - 1 + Bloco::kBytes <= texto.size(); i += Bloco::kBytes) {
        auto mascara = Bloco::Iguais(p + i, primeira) & Bloco::Iguais(p + i + segunda, seguinte) &
                       Bloco::Iguais(p + i + n - 1, ultima);
        while (mascara != 0) {
            const std::size_t k = i + static_cast<std::size_t>(__builtin_ctzll(mascara));
            mascara &= mascara - 1;
            if (k < proxima || (n > 2 && !Confere(p + k, palavra))) continue;
            ++achadas;
            proxima = k + n;
        }
    }
    fim = i;
    return achadas;
}

// Sixteen places at a time, on every x86-64 processor.
struct Bloco16 {
    static constexpr std::size_t kBytes = 16;
    explicit Bloco16(char c) : v(_mm_set1_epi8(c)) {}
    static std::uint64_t Iguais(const char* p, const Bloco16& letra) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, letra.v)));
    }
    __m128i v;
};

std::int64_t ContaEmBlocos16(std::string_view texto, std::string_view palavra, std::size_t& fim,
                             std::size_t& proxima) {
    return ContaEmBlocos<Bloco16>(texto, palavra, fim, proxima);
}

// Wide blocks first, then the sixteen-byte ones over what is left of the text.
template <class Bloco>
[[gnu::always_inline]] inline std::int64_t ContaEmBlocosLargos(std::string_view texto, std::string_view palavra,
                                                               std::size_t& fim, std::size_t& proxima) {
    const std::int64_t achadas = ContaEmBlocos<Bloco>(texto, palavra, fim, proxima);
    return achadas + ContaEmBlocos<Bloco16>(texto, palavra, fim, proxima);
}

// Thirty-two places at a time, where the processor has AVX2.
struct Bloco32 {
    static constexpr std::size_t kBytes = 32;
    [[gnu::target("avx2")]] explicit Bloco32(char c) : v(_mm256_set1_epi8(c)) {}
    [[gnu::target("avx2")]] static std::uint64_t Iguais(const char* p, const Bloco32& letra) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, letra.v)));
    }
    __m256i v;
};

[[gnu::target("avx2")]] std::int64_t ContaEmBlocos32(std::string_view texto, std::string_view palavra,
                                                     std::size_t& fim, std::size_t& proxima) {
    return ContaEmBlocosLargos<Bloco32>(texto, palavra, fim, proxima);
}

// Sixty-four places at a time, where the processor has AVX-512 for bytes.
struct Bloco64 {
    static constexpr std::size_t kBytes = 64;
    [[gnu::target("avx512f,avx512bw")]] explicit Bloco64(char c) : v(_mm512_set1_epi8(c)) {}
    [[gnu::target("avx512f,avx512bw")]] static std::uint64_t Iguais(const char* p, const Bloco64& letra) {
        return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(p), letra.v);
    }
    __m512i v;
};

[[gnu::target("avx512f,avx512bw")]] std::int64_t ContaEmBlocos64(std::string_view texto, std::string_view palavra,
                                                                 std::size_t& fim, std::size_t& proxima) {
    return ContaEmBlocosLargos<Bloco64>(texto, palavra, fim, proxima);
}

using ContadorBlocos = std::int64_t (*)(std::string_view, std::string_view, std::size_t&, std::size_t&);

// The block counter of `bytes` places, when this processor runs it.
ContadorBlocos ContadorDe(std::size_t bytes) {
    if (bytes == 64 && __builtin_cpu_supports("avx512bw")) return ContaEmBlocos64;
    if (bytes == 32 && __builtin_cpu_supports("avx2")) return ContaEmBlocos32;
    if (bytes == 16) return ContaEmBlocos16;
    return nullptr;
}

// The widest block this processor runs, chosen once.
std::size_t BlocoDoProcessador() {
    static const std::size_t bytes = ContadorDe(64) ? 64 : ContadorDe(32) ? 32 : 16;
    return bytes;
}
#else
std::size_t BlocoDoProcessador() { return 0; }
#endif

}  // namespace

std::int64_t QDContaPalavraEmBlocos(std::string_view texto, std::string_view palavra, std::size_t bytesBloco) {
    if (palavra.empty() || palavra.size() > texto.size()) return 0;
    std::size_t proxima = 0;
    std::size_t fim = 0;
    std::int64_t n = 0;
#if defined(__x86_64__)
    if (const ContadorBlocos contador = ContadorDe(bytesBloco)) n = contador(texto, palavra, fim, proxima);
#endif
    return n + ContaDesde(texto, palavra, fim, proxima);
}

std::int64_t QDContaPalavra(std::string_view texto, std::string_view palavra) {
    static const std::size_t bytes = BlocoDoProcessador();
    return QDContaPalavraEmBlocos(texto, palavra, bytes);
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
