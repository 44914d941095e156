// Operations on whole files by name: delete, copy, rename.
//
// Paths are Windows-1252. Each returns the Win32 error of its failure together with the file
// exception's cause (platform/file_error.h), ERROR_SUCCESS when it worked. Safe from any thread.
#pragma once

#include "platform/file/file_error.h"
#include "platform/text/string.h"

namespace platform {

// Deletes the file `path` (a folder is ERROR_ACCESS_DENIED).
[[nodiscard]] FileError DeleteFile(const String& path);

// Copies the file `from` to `to` with its permissions and last-write time. With failIfExists an
// existing `to` is left alone (ERROR_ALREADY_EXISTS); otherwise it is overwritten. The source is
// read under shareDenyWrite and the target written under shareExclusive, so a file being written,
// or copied onto itself, is a sharing violation. A failed copy leaves no partial target.
[[nodiscard]] FileError CopyFile(const String& from, const String& to, bool failIfExists);

// Renames `from` (file or folder) to `to`; never replaces an existing `to` (ERROR_ALREADY_EXISTS).
// A file moves to another file system by copy and delete; nothing changes when that fails.
[[nodiscard]] FileError RenameFile(const String& from, const String& to);

}  // namespace platform
