// Reads a message file line by line, each line bounded.
//
// A line longer than kMaxLinha characters is cut there and the rest of that line is skipped, so
// an over-long line can never be read as further message lines. Line ends (LF or CR LF) are not
// part of the line. Reads through the caller's open file; the file stays the caller's.
#pragma once

#include "platform/file/file.h"

#include <string>

class CZTLeitorLinhas {
public:
    static constexpr size_t kMaxLinha = 1024;

    explicit CZTLeitorLinhas(platform::File& arquivo) : m_arquivo(arquivo) {}

    // The next line into `linha`; false at the end of the file.
    [[nodiscard]] bool ProximaLinha(std::string& linha);

private:
    [[nodiscard]] bool ProximoCaractere(char& c);

    platform::File& m_arquivo;
    char m_buffer[4096];
    size_t m_posicao = 0;
    size_t m_quantidade = 0;
};
