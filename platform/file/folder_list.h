// Listing the entries of one folder.
//
// Names come back in Windows-1252 (a character it cannot hold becomes '?'); "." and ".." are
// left out. Symbolic links are listed as what they are, not followed, so that a walk over the
// tree never leaves it. Safe from any thread.
#pragma once

#include "platform/file/file_error.h"
#include "platform/text/string.h"

#include <vector>

namespace platform {

struct FolderEntry {
    String name;            // the entry's name, without the folder
    bool isFolder = false;  // a folder (not a link to one)
    bool hidden = false;    // the Linux convention: the name starts with '.'
};

// Fills `entries` with the entries of `folder`, in the order the file system gives them. A
// missing folder, or a path that is not a folder, is ERROR_PATH_NOT_FOUND.
[[nodiscard]] FileError ListFolder(const String& folder, std::vector<FolderEntry>& entries);

}  // namespace platform
