// The two routines that start imports in the suite's data import library Imporix.
//
// The library is loaded by name on each call ("Imporix.dll": libImporix.so in the program's own
// folder, see platform/library.h) and freed before the call returns; nothing of it is linked, and
// what its numbers mean is the library's business. A missing library or export, and the result
// of the municipality import, are told to the user in a message box owned by the main window and
// captioned with the base module's display name; nothing is raised. Call from the thread that
// owns the windows (the boxes go through platform::CurrentInteraction()).
#pragma once

#include <cstdint>

// Runs the library's "FazImportacaoCFRT" (flag, texto, n16, n32) and ignores its result. Shows a
// box only when the library or the export cannot be found.
void ZTImportaCFRT(std::uint8_t flag, const char* texto, std::uint16_t n16, std::int32_t n32);

// Runs the library's "FazImportacaoMunicipios" (texto, n16, n32): result 2 shows that the import
// is done, 3 that it failed reading or writing, anything else shows nothing. A missing library or
// export is shown as for ZTImportaCFRT.
void ZTImportaMunicipios(const char* texto, std::uint16_t n16, std::int32_t n32);
