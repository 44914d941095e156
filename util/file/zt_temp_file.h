// The temporary folder and new temporary files in it.
//
// Texts are Windows-1252. Safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// The user's temporary folder (TMPDIR, else /tmp), ending in '/'.
[[nodiscard]] CZTString ZTGetDiretorioTemp();

// Creates a new empty file in the temporary folder and returns its path: the first three
// characters of the prefix (prefixo; absent counts as empty), four hexadecimal digits and ".tmp".
// An existing file is never overwritten. Empty when no file could be created.
[[nodiscard]] CZTString ZTGetNomeArquivoTemp(const char* prefixo = "ZT");
