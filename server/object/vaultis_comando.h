// What the Vaultis command line asks for: register the server, unregister it, or serve.
//
// The arguments after the program name are joined with single blanks into one command line, as
// the original platform hands it over. The scan takes, one after the other, the text after each
// "-" or "/" and compares it, without regard to case, with the whole switch word: the rest of
// the command line must be the word alone, so "-RegServer /x" asks for nothing and the server
// runs. Pure; safe from any thread.
#pragma once

#include "util/text/zt_string.h"

enum class QDComandoVaultis {
    Servir,       // no switch: run the server
    RegServer,    // register the server and its type library
    UnregServer,  // remove the registration
};

// The command line: argv[1..argc-1] joined with one blank.
[[nodiscard]] CZTString QDLinhaComandoVaultis(int argc, const char* const* argv);

// The switch that `linhaComando` holds (null counts as empty).
[[nodiscard]] QDComandoVaultis QDLeComandoVaultis(const char* linhaComando);
