// Idle descriptors: files that a process opens and closes many times a second stay open between
// uses, with their share marks (file_share.h), as long as nobody else wants them.
//
// A record file of the server is opened, used for one call and closed again, and opening costs
// far more than the call's work: the open, the share marks and the close. A File opened with
// File::reuseIdleDescriptor therefore hands its descriptor here when it closes, and the next open
// of the same path with the same flags takes it back, after one stat proving that the path still
// names the same file (a file renamed over it is opened anew).
//
// An idle descriptor must never stand in anybody's way, so it is kept only under a write lease
// (fcntl F_SETLEASE), which the kernel grants while no other descriptor of the file is open, and
// keeps while the file is used again through it. Any other open of the file, or a truncation
// through its path, by any process, breaks the lease: the kernel holds that open back and signals
// this process, whose handler closes the descriptor when it is idle, or gives up the lease of one
// in use (the other open then meets its share marks as it would meet any open file's), and the
// held open goes on at once. A file another open wanted is not kept for its next 64 closes, so
// that two processes using it by turns do not hand it to each other every time. A file whose lease cannot be had (another descriptor is open, a file
// system without leases, a file of another user) is simply closed. Our own opens of a path take
// its idle descriptor or clear the way first; one that names the file another way breaks our own
// lease like anybody else's.
//
// A forked child keeps none of the parent's idle descriptors. Safe from any thread; the signal
// handler only closes descriptors and gives up leases.
#pragma once

#include "platform/file/file_share.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Turns idle descriptors on for this process (installs the lease-break handler); until then
// TakeIdleDescriptor finds nothing and KeepIdleDescriptor keeps nothing. False when the handler
// cannot be installed.
bool StartKeepingIdleDescriptors();
// Closes every idle descriptor and turns the keeping off (descriptors in use are left to their
// files, which close them as usual).
void StopKeepingIdleDescriptors();
[[nodiscard]] bool KeepsIdleDescriptors();

// The kept descriptor of `path` (UTF-8) opened with `kernelFlags` and `share`, now in use again,
// or -1 when there is none or the path names another file now; `length` is the file's length when
// it is known. Idle descriptors of the path with other flags are closed, and one in use gives up
// its lease, so that the caller's own open never waits on this process.
[[nodiscard]] int TakeIdleDescriptor(std::string_view path, int kernelFlags, const ShareRequest& share,
                                     std::optional<std::uint64_t>& length);

// Hands `fd`, open on `path` with `kernelFlags` and `share`, over when its file closes, with the
// file's `length` as its user knows it: true when the descriptor is now this store's (kept, or
// closed by it), false when the caller must close it.
[[nodiscard]] bool KeepIdleDescriptor(int fd, std::string_view path, int kernelFlags, const ShareRequest& share,
                                      std::optional<std::uint64_t> length);

// Whether `fd`, taken from this store, is still the only open of its file anywhere: its lease has
// held since it was taken, so the file changes only through it (any other open, or a truncation
// through the path, would have broken the lease before it went on).
[[nodiscard]] bool IdleDescriptorAlone(int fd);

// Before the process opens `path` another way, renames or deletes it: its idle descriptors are
// closed and those in use give up their leases.
void ReleaseIdleDescriptors(std::string_view path);

// How many descriptors are idle now.
[[nodiscard]] std::size_t IdleDescriptorCount();

}  // namespace platform
