// CZTArchive: the framework archive's byte formats over memory, as the content encryption
// serialises objects before encrypting them.
//
// An archive either stores (appends to a byte buffer it is given) or loads (reads from bytes it
// is given), in the original framework's little-endian formats:
// - a count (element count of an array): a 16-bit number below 0xFFFF; else 0xFFFF and a 32-bit
//   number below 0xFFFFFFFF; else 0xFFFF, 0xFFFFFFFF and a 64-bit number;
// - a text: its length (a byte below 0xFF; else 0xFF and a 16-bit length below 0xFFFE; else
//   0xFF, 0xFFFF and a 32-bit length below 0xFFFFFFFF; else 0xFF, 0xFFFF, 0xFFFFFFFF and a 64-bit
//   length), then its Windows-1252 characters. On loading, the prefix 0xFF 0xFFFE ahead of the
//   length marks UTF-16 text, which is converted to Windows-1252.
// Loading never reads beyond the bytes given and never trusts a length it reads: a count or
// length larger than what is left fails the read. The archive does not own its bytes; one
// thread at a time.
#pragma once

#include "util/text/zt_string.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CZTArchive {
public:
    // A storing archive that appends to `destino`.
    explicit CZTArchive(std::vector<std::uint8_t>& destino) : m_pDestino(&destino) {}
    // A loading archive over `origem`, which must outlive it.
    explicit CZTArchive(std::span<const std::uint8_t> origem) : m_origem(origem) {}

    [[nodiscard]] bool IsStoring() const { return m_pDestino != nullptr; }
    [[nodiscard]] bool IsLoading() const { return m_pDestino == nullptr; }

    // Storing: each appends its bytes.
    void Write(const void* dados, std::size_t tamanho);
    void WriteCount(std::uint64_t contagem);
    void WriteString(const CZTString& texto);

    // Loading: each reads at the position and advances; false (position unchanged) when the
    // bytes left are too few or the encoding is not valid, or on a storing archive.
    [[nodiscard]] bool Read(void* dados, std::size_t tamanho);
    [[nodiscard]] bool ReadCount(std::uint64_t& contagem);
    [[nodiscard]] bool ReadString(CZTString& texto);

    // Bytes not yet read (0 on a storing archive).
    [[nodiscard]] std::size_t GetRestante() const { return IsLoading() ? m_origem.size() - m_nPosicao : 0; }

private:
    void WriteNumber(std::uint64_t valor, int bytes);
    [[nodiscard]] bool ReadNumber(std::uint64_t& valor, int bytes);
    [[nodiscard]] bool ReadLength(std::uint64_t& tamanho, bool& ehLargo);

    std::vector<std::uint8_t>* m_pDestino = nullptr;
    std::span<const std::uint8_t> m_origem;
    std::size_t m_nPosicao = 0;
};

// An object that can write itself into an archive and read itself back.
class CZTSerializavel {
public:
    // Stores the object (true) or loads it; false when loading meets bytes that do not hold one.
    [[nodiscard]] virtual bool Serialize(CZTArchive& ar) = 0;

protected:
    ~CZTSerializavel() = default;
};
