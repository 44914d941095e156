// The read-ahead cache of one record file, and the process-wide marker that all caches share.
//
// A read that misses fills the buffer with up to 32 KB from the file, so that the sequential
// scans of searches and reports become large reads. A filled cache is trusted for 60 seconds at
// most, and only while no record file of this process has been written since it was filled:
// every write empties the writer's cache and ends the trust in every other cache of the process.
// (The process-wide marker alone would let a cache filled before another object's write be
// trusted again as soon as any third file fills its cache; the write count closes that gap.)
// One object per file object; the process-wide state is plain, for the server's single thread.
#pragma once

#include <cstdint>
#include <memory>

class CZTArqCache {
public:
    static constexpr unsigned kTamanhoPadrao = 32768;
    // A fill is trusted while no more than this many milliseconds have passed.
    static constexpr std::uint64_t kValidadeMs = 60000;

    // Whether a buffer is allocated.
    [[nodiscard]] bool Existe() const { return m_pBuffer != nullptr; }
    // Allocates an empty buffer of kTamanhoPadrao bytes.
    void Aloca();
    // Frees the buffer (this cache only).
    void Libera();

    // Copies [offset, offset + bytes) to `destino` and returns true when the cache may be
    // consulted at tick `agora` and holds that whole range; false otherwise (nothing copied).
    [[nodiscard]] bool Copia(std::uint64_t offset, unsigned bytes, void* destino, std::uint64_t agora) const;

    // The buffer to fill and its size (allocated).
    [[nodiscard]] char* Buffer() { return m_pBuffer.get(); }
    [[nodiscard]] unsigned Tamanho() const { return m_nTamanho; }
    // Records that `bytes` bytes from file offset `inicio` were read into the buffer at `agora`.
    void Preenchido(std::uint64_t inicio, unsigned bytes, std::uint64_t agora);
    // After a write: empties this cache and stops every cache of the process from being consulted
    // until it is filled again.
    void Esvazia();

    // The process-wide marker: -1 after any write, else the bytes of the last fill of any file.
    [[nodiscard]] static long Marcador();

private:
    std::unique_ptr<char[]> m_pBuffer;
    unsigned m_nTamanho = kTamanhoPadrao;
    std::uint64_t m_nInicio = 0;           // file offset of the buffer's first byte
    long m_nBytes = -1;                    // bytes valid in the buffer; -1 = empty
    std::uint64_t m_nTickPreenchimento = 0;
    std::uint64_t m_nGravacoes = 0;        // the process's write count at the fill
};
