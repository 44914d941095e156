// The temporary folder and new, unique temporary files in a folder.
//
// Texts are Windows-1252. Safe from any thread.
#pragma once

#include "platform/file/file_error.h"
#include "platform/text/string.h"

namespace platform {

// The user's temporary folder: TMPDIR when set and not empty, else "/tmp"; always ending in '/'.
// The folder is not checked.
[[nodiscard]] String TempFolder();

// Creates a new empty file in `folder` named the first three characters of `prefix`, four
// upper-case hexadecimal digits and ".tmp" (as the original platform names them), and gives its
// path in `path`. An existing file is never overwritten: the next number is tried, up to every
// one of the 65535 (then ERROR_FILE_EXISTS). Other failures are those of creating the file.
[[nodiscard]] FileError CreateTempFile(const String& folder, const String& prefix, String& path);

}  // namespace platform
