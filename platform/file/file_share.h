// Share modes between open files: what one open of a file allows the others, enforced between
// processes and between two opens of one process alike.
//
// The rule is the original platform's: an open succeeds only when its access is allowed by the
// share mode of every open already there, and its share mode allows the access of every open
// already there. Deny-write openers therefore exclude each other, deny-none readers coexist with
// them, an exclusive (unshared) opener excludes everyone, and deny-read excludes readers.
//
// Scheme. Each open publishes what it does as open-file-description locks (fcntl F_OFD_*) on
// bytes far beyond any real data (the last 770 bytes below INT64_MAX), so they never touch data and
// belong to the open file description: they vanish when it is closed, also when a process dies.
// There are four marks: "reads", "writes", "denies writing", "denies reading". An open that may
// read holds a shared lock on each of its marks' bytes, four neighbouring bytes that every such
// open shares; a write-only open (which the kernel does not let take shared locks) holds an
// exclusive lock on a free slot of its mark, from slots that lie above those bytes. "Somebody
// else holds mark M" is then an F_OFD_GETLK query (exclusive, over M's byte and slots), which
// sees every other description's lock; bytes and slots are laid out so that an open's marks go
// in one call and the marks it must not meet are one query for the common modes.
//
// Publishing and checking must be one step, or two opens racing could both pass. A gate byte
// above the marks serialises them: an open that may write takes it exclusively (F_OFD_SETLKW,
// waiting), a read-only open takes it shared (the kernel lets read-only descriptions take only
// shared locks). Inside the gate an open first publishes its marks, then checks for conflicting
// ones and withdraws on a conflict. An exclusive holder is alone, so its check is exact; two
// read-only opens inside the gate together each see the other's marks, so they can never both
// succeed against each other's share mode (at worst both report the violation, exactly as if
// the other had held the file for that instant). Callers retry sharing violations anyway.
//
// These are advisory locks: only opens through this layer honour them. Thread use: the calls work
// on one descriptor and may run on any thread.
#pragma once

#include "platform/file/file_error.h"

namespace platform {

struct ShareRequest {
    bool read = false;       // this open reads (its descriptor is readable)
    bool write = false;      // this open writes (its descriptor is writable)
    bool denyRead = false;   // other opens may not read
    bool denyWrite = false;  // other opens may not write

    friend bool operator==(const ShareRequest&, const ShareRequest&) = default;
};

// Publishes `request` for the open descriptor `fd` and checks it against every other open of
// the same file. Success, sharingViolation / ERROR_SHARING_VIOLATION on a conflict (nothing is
// left published then), or the mapped error of a failing lock call.
[[nodiscard]] FileError TakeShareLocks(int fd, const ShareRequest& request);

}  // namespace platform
