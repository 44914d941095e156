// CZTLeitorRegistros (leitor de registros: record reader): the records of one record file as a
// scan reads them, in windows of many records, each filled by one read past the file's cache.
//
// The file's read cache asks the clock at every record and the file's length at every fill; a
// scan that meets a million records cannot afford either. A window holds the records read from
// the position the scan asked for onwards, up to kBytesJanela bytes, as the file held them at that
// read: a file that another process cuts shorter only ends the window sooner (the records past the
// new end answer 16021), and nothing is ever mapped. Positions need not ascend, but a scan in
// ascending order reads the file once, front to back. The window's memory is taken once, left
// unfilled until a read fills it.
//
// Built on the stack for one scan over an open (or lazily opened) CZTArqEx, which must outlive it.
// The server's one thread.
#pragma once

#include "server/record_file/zt_arq_ex.h"

#include <cstdint>
#include <memory>
#include <type_traits>

class CZTLeitorRegistros {
public:
    static constexpr std::uint32_t kBytesJanela = 256 * 1024;
    // For the runs of sub-records, which a scan meets a few at a time.
    static constexpr std::uint32_t kBytesJanelaSequencias = 32 * 1024;

    explicit CZTLeitorRegistros(CZTArqEx& arquivo, std::uint32_t bytesJanela = kBytesJanela)
        : m_arquivo(arquivo), m_nBytesJanela(bytesJanela) {}

    // Record `posicao` (R bytes) as a pointer into the window into `registro`, valid until the
    // next call. 0, or the codes of CZTArqEx::ReadRecord: 16021 past the end or for a last record
    // cut short, 16012 for a negative position, the read's code.
    [[nodiscard]] int Aponta(std::int32_t posicao, const char*& registro);

    // The same record seen as the packed record layout T (whose size must be R), without a copy.
    template <class T>
    [[nodiscard]] int Aponta(std::int32_t posicao, const T*& registro) {
        static_assert(alignof(T) == 1 && std::is_trivially_copyable_v<T>, "a packed record layout");
        const char* bytes = nullptr;
        const int codigo = Aponta(posicao, bytes);
        registro = reinterpret_cast<const T*>(bytes);
        return codigo;
    }

    // The same record copied into `registro`.
    [[nodiscard]] int Le(std::int32_t posicao, void* registro);

private:
    CZTArqEx& m_arquivo;
    std::uint32_t m_nBytesJanela;
    std::unique_ptr<char[]> m_janela;
    std::size_t m_nCapacidade = 0;    // bytes of m_janela
    std::int64_t m_nPrimeira = 0;     // position of the window's first record
    std::uint32_t m_nQuantidade = 0;  // records in the window
};
