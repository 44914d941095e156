// What a registry handle stands for, and the process-wide table of open handles.
//
// A handle names a key by its root file, its path from that file's root and the id the key had
// when it was opened, so that a key deleted (and perhaps created again) elsewhere is noticed. The
// predefined roots are not in the table: they name a path (the classes root is the local
// machine's "Software\Classes") with every right, whatever key is there. Handle values are never
// reused within a process. Safe from any thread.
#pragma once

#include "platform/registry/registry.h"
#include "platform/registry/registry_store.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::registry_detail {

// The id of a predefined root's key: whatever key stands at its path.
constexpr std::uint64_t kAnyKeyId = ~std::uint64_t{0};

struct KeyRef {
    RootFile root = RootFile::LocalMachine;
    std::vector<std::string> path;
    std::uint64_t id = kAnyKeyId;
    DWORD access = KEY_ALL_ACCESS;
    bool predefined = false;
};

// What `key` stands for: ERROR_INVALID_HANDLE for null, for a closed or unknown handle and for
// the predefined roots the store does not have.
[[nodiscard]] Win32Error ResolveHandle(HKEY key, KeyRef* ref);

// A new handle for `ref`.
[[nodiscard]] HKEY AddHandle(KeyRef ref);

// Forgets `key`; false when it is not an open handle.
bool RemoveHandle(HKEY key);

}  // namespace platform::registry_detail
