// The success-class statuses that methods of IZTQD_Srv return besides S_OK. Their severity bit
// is clear, so SUCCEEDED holds for them: a caller that needs to know what happened compares the
// result with the exact value.
#pragma once

#include "platform/hresult.h"

// ExcluiTipDoc kept the type: it is a group, or a document that is not deleted has it.
inline constexpr platform::HRESULT QD_S_TIPDOC_MANTIDO = platform::MakeHResult(0x00040688);
