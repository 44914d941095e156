// The one-time conversions of a company's stored data that every session start runs, each
// marked done in the properties record so that it runs once per company.
//
// In order: the users of the documents from the operations log (bFlags 0x1), the document file
// rebuilt with validity dates as day counts from 1950 (0x2), the base module's legacy locations
// imported (0x8), the location records converted to 160 bytes (iVersaoSistema not 0). Their
// bodies are in server/migrations/; the waits and file operations they use can be replaced by
// tests (server/migrations/qd_ambiente_migracoes.h). Called by Inicializa on the server's thread
// once the properties have been read.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/session/qd_sessao.h"

class IZTQD_Srv;

// Runs the migrations that `prop` (the properties as read) leaves pending, in their order, for the
// company and data folder of `sessao`; each reads its mark again before it converts and writes the
// properties through `srv`, the session's own object. A company whose marks are all set (bFlags
// 0x0B and a data version) is not touched; one this system created (0x03) runs only the legacy
// import. S_OK or the first failing migration's HRESULT (those before it keep their marks).
[[nodiscard]] platform::HRESULT QDExecutaMigracoes(IZTQD_Srv& srv, const CQDSessao& sessao,
                                                   const QD_PROPRIEDADES_PS& prop);
