// The module table: the modules of the business suite this system belongs to.
//
// Everything in the library names a module by its index in this table (1 to 27): exceptions carry
// the index of the module that raised them, message files and message-box captions are chosen by
// it, and the registry look-ups of installation and company folders key on it. A row holds the
// module's two-letter prefix (which names its message file and its company-folder value), its
// display name (message-box caption and registry key name), the suite's number for it and the
// year of its first release. Constant data; safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// Number of rows; valid indexes are 1..ZT_QTD_MODULOS.
constexpr int ZT_QTD_MODULOS = 27;

// The indexes the system's own code uses.
constexpr int ZT_MODULO_EMPRESARIAL = 1;  // the suite's base module
constexpr int ZT_MODULO_GED = 21;         // this system (electronic document management)
constexpr int ZT_MODULO_NFE = 23;         // electronic invoices; keeps its data under the base module's folder

// Display name of module `indice`; empty outside 1..27.
[[nodiscard]] CZTString ZTGetNomeModulo(int indice);
// Two-letter prefix of module `indice`; empty outside 1..27.
[[nodiscard]] CZTString ZTGetPrefixoModulo(int indice);
// The suite's number of module `indice`; 0 outside 1..27.
[[nodiscard]] int ZTGetNumeroModulo(int indice);
// First release year of module `indice`; 0 outside 1..27.
[[nodiscard]] int ZTGetAnoModulo(int indice);

// Index of the first row whose prefix equals `prefixo` ignoring case; -1 when none (or null).
[[nodiscard]] int ZTBuscaModuloPorPrefixo(const char* prefixo);
// Index of the first row numbered `numero`; -1 when none.
[[nodiscard]] int ZTBuscaModuloPorNumero(int numero);
// Index of the first row whose display name equals `nome` ignoring case; -1 when none (or null).
[[nodiscard]] int ZTBuscaModuloPorNome(const char* nome);
