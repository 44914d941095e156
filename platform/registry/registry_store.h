// The files behind the registry's roots: where they live, how they are read and replaced.
//
// Each root is one file in the store folder ("HKEY_LOCAL_MACHINE.txt", "HKEY_CURRENT_USER.txt"),
// with a lock file beside it. Every writer replaces the file by a rename, so a changed store is a
// new file: a read looks at the file's identity (device, inode, size and times) and uses the tree
// this process last parsed or wrote while the file is still that one, which it keeps open so that
// its inode number cannot be reused; any other file is parsed afresh. An edit in place by hand is
// seen whenever it changes the size or a time stamp. Writing takes an exclusive flock on the lock
// file, parses the file only when another process replaced it, edits a private copy, then writes
// a temporary file, syncs it and renames it over the old one. A malformed file is reported once
// to syslog and standard error and answers ERROR_BADDB until it is repaired; it is never
// replaced. Safe from any thread: calls are serialised inside.
#pragma once

#include "platform/registry/registry_tree.h"
#include "platform/win32_error.h"

#include <cstdint>
#include <functional>
#include <string>

namespace platform::registry_detail {

enum class RootFile { LocalMachine, CurrentUser };

// The store folder: KELVO_REGISTRY when set and not empty, else ~/.local/share/kelvo/registry;
// empty when neither it nor a home folder is known.
[[nodiscard]] std::string StoreFolder();

// The path of `root`'s file in the current store folder; empty when there is no folder.
[[nodiscard]] std::string RootFilePath(RootFile root);

using ReadAction = std::function<Win32Error(const RegistryTree&)>;
using ChangeAction = std::function<Win32Error(RegistryTree& tree, bool& changed)>;

// Runs `read` on the latest content of `root` (an empty tree before the first write) and returns
// its result; ERROR_BADDB when the file is malformed, another error when it cannot be read.
[[nodiscard]] Win32Error ReadRoot(RootFile root, const ReadAction& read);

// Runs `change` on a copy of the latest content under the root's lock; when it succeeds and sets
// `changed`, the file is replaced atomically. Returns `change`'s error or the file's; on any
// error the file is as it was.
[[nodiscard]] Win32Error UpdateRoot(RootFile root, const ChangeAction& change);

// How many store files this process has parsed so far; tells a test whether a read was answered
// from memory.
[[nodiscard]] std::uint64_t ParsedFileCount();

}  // namespace platform::registry_detail
