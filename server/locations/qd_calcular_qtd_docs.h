// Recounting the available places of every archive location that is not a heading: the body of
// IZTQD_Srv::CalcularQtdDocs.
//
// The locations are listed through a connection of the client library of their own, opened for
// the session's company, user and session number (inside the server process the activation
// finds the class registered there and the object is made in the process). Each location then
// gets its maximum less the documents it holds (qd_conta_docs_locarq.h), where a location
// without maximum never shows less than 0; its record is rewritten through QDLOCARQ.DAT opened
// in 'G' for that location alone. Nothing is logged. The server's thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

class IQDArqBind;

// The available places after a recount: maximum less documents, and 0 instead of a negative
// result for a location without maximum.
[[nodiscard]] constexpr std::int32_t QDDisponivelRecontado(std::int32_t nQtdMaximaDocs, std::int32_t documentos) {
    const std::int64_t disponivel = std::int64_t{nQtdMaximaDocs} - documentos;
    if (disponivel < 0 && nQtdMaximaDocs == 0) return 0;
    return static_cast<std::int32_t>(disponivel);
}

// Stores QDDisponivelRecontado(maximum, `documentos`) in the location at `lPosLocArq`. 0 or the
// record-file code of the open, read, write or close.
[[nodiscard]] int QDGravaDisponivelLocArq(IQDArqBind& bind, std::uint32_t lPosLocArq, std::int32_t documentos);

// Recounts every location that is not a heading in the data directory of `bind`, listing them
// through a connection for `szEmpresa`, `iUsuario` and `lNumeroSessao`. S_OK; the connection's
// failure (its activation's, REGDB_E_CLASSNOTREG where no class is registered, or its session
// start's); the listing's failure; 0x80040000 | the record-file code of the document count. A
// location whose rewrite fails does not stop the others: the first such failure is returned
// once all are done.
[[nodiscard]] platform::HRESULT QDCalcularQtdDocs(IQDArqBind& bind, const char* szEmpresa, std::uint16_t iUsuario,
                                                  std::int32_t lNumeroSessao);
