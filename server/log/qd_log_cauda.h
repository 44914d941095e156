// The writer's guard against a torn tail of the operations log. An append cut short (a killed
// process, a full disk) can leave part of an entry at the end of QDLOG.DAT, and a batch appended
// behind it would be swallowed by the torn entry's lengths. So before this process's first append
// to a log, and after any append to it that failed, the end of the last complete entry is found
// (QDPercorreLog, the readers' own walk) and the file is cut there.
//
// Which logs are known to end on a complete entry is remembered for the process, by path; safe
// from any thread. The file is the caller's, open in mode 'G', so no other writer moves its end.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

class CZTArqEx;

// Makes the open log `arquivo` (the file `caminho`) end on its last complete entry, unless this
// process already knows it does. S_OK, also for a damaged log, which is left as it is for the
// readers to report; or 0x80040000 | the record-file code of a read or of the cut.
[[nodiscard]] platform::HRESULT QDCortaCaudaRasgada(CZTArqEx& arquivo, const CZTString& caminho);
// After a failed append to `caminho`: its next append looks at the log's end again.
void QDDesconfiaCaudaLog(const CZTString& caminho);
