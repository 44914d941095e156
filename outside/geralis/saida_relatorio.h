// Writes a report's output file so that it is either whole or not there.
//
// The bytes go to a new temporary file in the output's folder; only when the producer and the
// close succeed does that file take the output's name (an older file of that name is replaced).
// On any failure the temporary file is removed and an older output file is left as it was.
// Paths are Windows-1252. Safe from any thread (for different outputs).
#pragma once

#include "outside/geralis/pdf_relatorio.h"
#include "util/text/zt_string.h"

#include <functional>

// Produces the file's bytes through the writer it is given; S_OK or its failure.
using GeralisProducao = std::function<platform::HRESULT(const GeralisEscrita& escrita)>;

// Writes `strCaminho` with what `producao` hands to its writer. S_OK; the producer's failure; the
// file layer's Win32 error as an HRESULT when the temporary file cannot be made, written, closed
// or renamed, or the older output cannot be removed (a missing folder is 0x80070003).
[[nodiscard]] platform::HRESULT GeralisGravaSaida(const CZTString& strCaminho, const GeralisProducao& producao);
