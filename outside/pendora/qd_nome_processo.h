// The display names of the suite's processes (QD_E_PROCESSO): what the type program's process
// page, the document links and the operations log show for a process. Stateless; any thread.
#pragma once

#include "server/idl/enumerations.h"

// The process's name in Windows-1252, valid until the program ends; "" for a value outside the
// enumeration (QD_PROCESSO_COUNT included).
[[nodiscard]] const char* QDGetNomeProcesso(QD_E_PROCESSO eProc);
