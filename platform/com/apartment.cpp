#include "platform/com/apartment.h"

namespace platform {

namespace {
thread_local unsigned t_initialisations = 0;
}  // namespace

HRESULT CoInitialize(void*) { return ++t_initialisations == 1 ? S_OK : S_FALSE; }

void CoUninitialize() {
    if (t_initialisations > 0) --t_initialisations;
}

bool IsComInitialized() { return t_initialisations > 0; }

}  // namespace platform
