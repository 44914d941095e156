// The processes of origin keys: which process (QD_E_PROCESSO) a module of an origin key
// (REG_ZTDMC, util/key/zt_dmc.h) stands for, and the grouping of processes under the one their
// searches and queries use. Constant tables; any thread.
#pragma once

#include "server/idl/records.h"

// The process of the module that `dmc` names; QD_PROCESSO_COUNT (no process) for module 0, a
// module above 66, and the modules whose records no process stands for.
[[nodiscard]] QD_E_PROCESSO QDGetProcessoFromZTDMC(const REG_ZTDMC& dmc);

// The process that `eProc` is grouped under: a settlement of receivables or payables under the
// receivable or payable, an incoming protocol under the outgoing one; every other process is its
// own group. QD_PROCESSO_COUNT for a value outside the enumeration (QD_PROCESSO_COUNT included).
[[nodiscard]] QD_E_PROCESSO QDSimplifyProcesso(QD_E_PROCESSO eProc);
