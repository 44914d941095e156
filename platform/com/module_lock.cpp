#include "platform/com/module_lock.h"

#include <atomic>
#include <mutex>

namespace platform::com {

namespace {

std::atomic<ULONG> g_count{0};

// The handler is read under the mutex so that a loop that removes it is never called after.
std::mutex g_handlerMutex;
detail::ZeroLockHandler g_handler = nullptr;
void* g_handlerContext = nullptr;

void NotifyZero() {
    std::lock_guard lock(g_handlerMutex);
    if (g_handler) g_handler(g_handlerContext);
}

}  // namespace

ULONG ModuleLock() { return g_count.fetch_add(1, std::memory_order_acq_rel) + 1; }

ULONG ModuleUnlock() {
    ULONG current = g_count.load(std::memory_order_acquire);
    // A stray unlock must not wrap the count round and keep the server alive for ever.
    while (current != 0 && !g_count.compare_exchange_weak(current, current - 1, std::memory_order_acq_rel)) {
    }
    if (current == 0) return 0;
    if (current == 1) NotifyZero();
    return current - 1;
}

ULONG ModuleLockCount() { return g_count.load(std::memory_order_acquire); }

namespace detail {

void SetZeroLockHandler(ZeroLockHandler handler, void* context) {
    std::lock_guard lock(g_handlerMutex);
    g_handler = handler;
    g_handlerContext = context;
}

}  // namespace detail

}  // namespace platform::com
