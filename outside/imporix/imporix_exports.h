// Imporix, the suite's data import library as this system calls it: a shared library that
// programs load at run time (libImporix.so in the program's folder) and never link.
//
// Our stand-in does the least the callers can observe: it reads the list file named by the text
// (a list of lines) and appends one line to "IMPORIX.LOG" in that file's folder, naming the
// export and its arguments in order and the number of lines read:
//     FazImportacaoCFRT;<flag>;<text>;<number16>;<number32>;<lines>
//     FazImportacaoMunicipios;<text>;<number16>;<number32>;<lines>
// The text is used as the file's path byte for byte (no code-page conversion). Each export
// returns IMPORIX_CONCLUIDA when the list was read and the log line written, IMPORIX_ERRO_ES when
// either failed (a null text, a missing or unreadable file, a list over 16 MiB, a log that cannot
// be written). Stateless; safe from any thread that does not share the log file.
#pragma once

#include <cstdint>

// The results the callers act on.
constexpr int IMPORIX_CONCLUIDA = 2;  // import done
constexpr int IMPORIX_ERRO_ES = 3;    // read or write failure

#define IMPORIX_EXPORT extern "C" __attribute__((visibility("default")))

// Imports the tax-code data listed in `texto` ("CFRT" is the suite's name for that list).
IMPORIX_EXPORT int FazImportacaoCFRT(std::uint8_t flag, const char* texto, std::uint16_t numero16, std::int32_t numero32);
// Imports the municipality data listed in `texto`.
IMPORIX_EXPORT int FazImportacaoMunicipios(const char* texto, std::uint16_t numero16, std::int32_t numero32);
