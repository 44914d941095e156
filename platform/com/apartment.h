// Per-thread COM initialisation as bookkeeping.
//
// Objects of this layer may be called from any thread, so initialisation guards nothing; the
// count is kept so that code written for the original platform pairs its calls as it did there.
// Each thread has its own count.
#pragma once

#include "platform/hresult.h"

namespace platform {

// S_OK for the thread's first initialisation, S_FALSE when it is already initialised.
HRESULT CoInitialize(void* reserved);
// Undoes one CoInitialize of this thread; nothing when there is none.
void CoUninitialize();
// True between a thread's first CoInitialize and its matching CoUninitialize.
[[nodiscard]] bool IsComInitialized();

}  // namespace platform
