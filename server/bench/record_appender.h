// AnexadorArquivo (anexador: appender): appends bytes to the end of one record file of a data
// folder through the record-file layer, gathered in memory and written in large blocks, so that a
// benchmark company of a million documents is written in seconds instead of one system call per
// record.
//
// The file is opened in mode 'G' (deny write: a server method that wants to write it waits) and
// created through the folder's control list when missing, as the server creates it. A file
// without even its header gets the header's R zero bytes first; the byte that follows it is where
// the first record starts, as CZTArqEx::WriteRecord and ZTGravaBytesArq would place it. The file
// must be whole (no torn last record): this appender never cuts it. The bytes gathered reach the
// file at Descarrega or Fecha; a destructor without Fecha drops them. One thread.
#pragma once

#include "server/record_file/zt_arq_ex.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo::bench {

class AnexadorArquivo {
public:
    // The file `nome` of `pastaDados`, with records of `tamanhoRegistro` bytes (1: a byte file).
    AnexadorArquivo(const std::string& pastaDados, const char* nome, std::uint32_t tamanhoRegistro);

    // Opens the file and finds its end. 0 or the layer's code.
    [[nodiscard]] int Abre();
    // The byte offset that the next appended byte will take; with R > 1 divided by R it is the
    // next record's position.
    [[nodiscard]] std::uint64_t Fim() const { return m_fimArquivo + m_pendente.size(); }
    // Gathers `bytes` bytes; writes the gathered block when it grows large. 0 or the write's code.
    [[nodiscard]] int Anexa(const void* dados, std::size_t bytes);
    // Writes what is gathered. 0 or the write's code.
    [[nodiscard]] int Descarrega();
    // Writes what is gathered and closes the file: 0 or the first failing code.
    [[nodiscard]] int Fecha();

private:
    CZTArqEx m_arquivo;
    std::string m_caminho;
    std::uint32_t m_tamanhoRegistro;
    std::uint64_t m_fimArquivo = 0;
    std::vector<char> m_pendente;
};

}  // namespace kelvo::bench
