// The save status: what a save operation answers, and what a save result block carries.
//
// A plain value; a default status is all zeros (success, no extra).
#pragma once

#include <cstdint>

struct ZTFC_STATUS_GRAVACAO {
    // Negative: the failure's HRESULT; 0: success; positive: a warning such as a refusal code.
    std::int32_t lStatus = 0;
    std::int32_t lSubCodigo = 0;
    // A heap-allocated 32-bit value for the error object, or null; whoever ends the save frees it.
    std::int32_t* pExtra = nullptr;
};
