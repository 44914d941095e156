// The module lock count of a server process: its live objects plus its server locks.
//
// Every object that should keep its server running holds a ModuleReference for its lifetime;
// IClassFactory::LockServer adds and removes server locks. When the count drops to zero the
// running server loop (platform/com/local_server.h) is told to end at once, from whichever thread
// dropped it. The count never goes below zero. Safe from any thread.
#pragma once

#include "platform/com/unknown.h"

namespace platform::com {

// Adds one lock; returns the new count.
ULONG ModuleLock();
// Removes one lock (none when already zero); returns the new count. Reaching zero ends the
// server loop of this process, when one runs.
ULONG ModuleUnlock();
// The current count.
[[nodiscard]] ULONG ModuleLockCount();

// One lock held for the lifetime of the holder: a member of every server object.
class ModuleReference {
public:
    ModuleReference() { ModuleLock(); }
    ~ModuleReference() { ModuleUnlock(); }
    ModuleReference(const ModuleReference&) = delete;
    ModuleReference& operator=(const ModuleReference&) = delete;
};

namespace detail {
// The server loop's wake-up: called (from any thread) each time the count reaches zero. Null
// removes it. Only the server loop installs one.
using ZeroLockHandler = void (*)(void* context);
void SetZeroLockHandler(ZeroLockHandler handler, void* context);
}  // namespace detail

}  // namespace platform::com
