// The validity date of a document (QD_DOC_PS::iDataValidade) as the texts show it. Stored validity
// dates are day counts from 1950 (CZTData1950), not the short day numbers of the issue dates;
// every text that shows one goes through this routine. Pure; any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// dd/mm/yyyy of the count `iDataValidade`; empty for 0, a document that never expires.
[[nodiscard]] CZTString QDTextoValidade(std::uint16_t iDataValidade);
