// The names that arrive in one folder, as the kernel reports them, so that a caller who listed the
// folder once can keep what it knows of it current without listing it again.
//
// Every arrival made through this machine's kernel is reported, by whichever process made it, in
// order: a file or folder created, linked or moved in. Only folders on a local file system are
// watched, since the kernel hears nothing of what another machine writes to a network share.
// Start the watch before listing the folder, so that no arrival falls between the two. Names are
// Windows-1252. One thread at a time.
#pragma once

#include "platform/text/string.h"

#include <sys/types.h>

#include <string>
#include <vector>

namespace platform {

class FolderWatch {
public:
    FolderWatch() = default;
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Starts watching `folder`, ending any earlier watch; false when it cannot be watched soundly
    // (missing, not a folder, not on a local file system, or the kernel refuses a watch).
    [[nodiscard]] bool Start(const String& folder);

    // Appends to `names` what arrived since the last call, in order. False when the watch has
    // ended or arrivals may have been missed (too many at once; the folder removed, moved or
    // unmounted; its path now naming another folder): the watch is then over, and what the caller
    // knows of the folder must be read again after a new Start.
    [[nodiscard]] bool TakeArrivals(std::vector<String>& names);

private:
    void Stop();
    [[nodiscard]] bool StillNamesTheFolder() const;

    int fd_ = -1;
    std::string path_;  // UTF-8, as the kernel takes it
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

}  // namespace platform
