// The first one-time conversion: the users who included and who last changed each document, taken
// from the operations log (mark: bFlags 0x1).
//
// Every document inclusion and every "changed to" entry of the log, in log order, sets the
// document's user who included it, or who changed it last, to the entry's user, so the last change
// wins. The server's one thread.
#pragma once

#include "platform/hresult.h"

class CQDContextoMigracao;

// Runs the conversion when its mark is unset and then sets the mark. An entry whose position is 0
// or lies past the end of QDDOC.DAT names no document this file holds and is passed over (it must
// not stop every later session of the company). S_OK, or the first failure: reading the
// properties or the log, QDDOC.DAT's open, read or write (0x80040000 | code), or the mark's write.
[[nodiscard]] platform::HRESULT QDMigraUsuariosLog(CQDContextoMigracao& contexto);
