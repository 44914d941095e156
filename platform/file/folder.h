// Creating and removing folders by name.
//
// Paths are Windows-1252. Each returns the Win32 error of its failure with the matching file
// exception cause (platform/file_error.h), ERROR_SUCCESS when it worked. Safe from any thread.
#pragma once

#include "platform/file/file_error.h"
#include "platform/text/string.h"

namespace platform {

// Creates the one folder `path`; its parent must exist (else ERROR_PATH_NOT_FOUND). An existing
// file or folder of that name is ERROR_ALREADY_EXISTS.
[[nodiscard]] FileError CreateFolder(const String& path);

// Creates every missing folder of the text up to and including the last '/' of `path`: what
// follows that '/' is taken as a file name and not created ("a/b/" and "a/b/c.txt" both make
// a/b). Existing folders are fine; a component that exists but is not a folder is
// ERROR_PATH_NOT_FOUND.
[[nodiscard]] FileError CreateFolderPath(const String& path);

// Removes the empty folder `path` (ERROR_DIR_NOT_EMPTY when it is not empty).
[[nodiscard]] FileError RemoveFolder(const String& path);

}  // namespace platform
