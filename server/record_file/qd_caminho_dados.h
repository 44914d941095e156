// The path of a record file in a session's data directory.
#pragma once

#include "util/file/zt_path.h"
#include "util/text/zt_string.h"

// The data directory joined with the file name; empty when there is no data directory (a session
// not yet initialised), so that opening it fails with 16179 instead of touching a file in the
// server's working folder.
[[nodiscard]] inline CZTString QDCaminhoArquivoDados(const char* diretorio, const char* nome) {
    if (!diretorio || !*diretorio) return CZTString();
    return ZTConcatenaPath(diretorio, nome);
}
