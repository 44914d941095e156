// CQDLeitorDescricoes (leitor: reader): the descriptions of documents read from QDDOCDSC.DAT
// during a scan, through a read-ahead window.
//
// Descriptions are appended in the order documents are written, so a scan in position order
// reads the file nearly front to back: one read (one system call) fills a 256 KB window and serves
// the many descriptions that follow, where a read per document would cost several calls each. A
// description longer than the window is read on its own. Every (offset, length) comes from a
// stored record and is checked against the file before anything is read or allocated: a
// description that does not lie inside the file (offset 0 with a length, an offset or end past
// the file) is the layer's 16021. The file's length is taken at the open and taken again when a
// description reaches past it (another process may have appended meanwhile).
//
// The text handed out is a view into the reader's own buffers, valid until the next call. Built
// on the stack for one search; the bind must outlive it. The server's one thread.
#pragma once

#include "server/record_file/qd_arq_t.h"

#include <cstdint>
#include <string_view>
#include <vector>

class IQDArqBind;

class CQDLeitorDescricoes {
public:
    static constexpr std::uint32_t kTamanhoJanela = 256 * 1024;

    explicit CQDLeitorDescricoes(IQDArqBind& bind);

    // Opens QDDOCDSC.DAT in mode 'L' (created when missing). 0 or the open's code.
    [[nodiscard]] int Abre();

    // The stamp of the open file (platform/file/file_stamp.h). 0 or the layer's code.
    [[nodiscard]] int Carimbo(platform::FileStampReading& carimbo) { return m_arquivo.Carimbo(carimbo); }

    // The description of `tamanho` bytes at `offset` into `texto` (empty for length 0). 0, 16021
    // for a description outside the file, or the failing read's code (`texto` empty then).
    [[nodiscard]] int Le(std::uint32_t offset, std::uint32_t tamanho, std::string_view& texto);

private:
    // Whether [offset, offset + tamanho) lies inside the file, asking its length again once.
    [[nodiscard]] int Verifica(std::uint64_t offset, std::uint64_t tamanho);
    // Reads `tamanho` bytes at `offset` into `destino`.
    [[nodiscard]] int LeBytes(std::uint64_t offset, std::uint32_t tamanho, char* destino);

    CQDArqBytes m_arquivo;
    std::uint64_t m_nComprimento = 0;     // the file's length as last asked
    std::vector<char> m_janela;           // bytes [m_nInicio, m_nInicio + m_nBytes) of the file
    std::uint64_t m_nInicio = 0;
    std::uint32_t m_nBytes = 0;
    std::vector<char> m_longa;            // a description longer than the window
};
