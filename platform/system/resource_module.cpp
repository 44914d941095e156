#include "platform/system/resource_module.h"

#include <atomic>

namespace platform {

namespace {

// Null stands for the program's own module until the first switch.
std::atomic<HMODULE> gResourceModule{nullptr};

}  // namespace

HMODULE ResourceModule() {
    HMODULE module = gResourceModule.load();
    return module ? module : GetModuleHandle(nullptr);
}

bool SetResourceModule(HMODULE module) {
    if (!module) return false;
    gResourceModule.store(module);
    return true;
}

}  // namespace platform
