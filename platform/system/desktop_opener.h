// Handing a file to the desktop: the user's chosen program for its kind shows it (a PDF in the
// reader, an HTML page in the browser).
//
// The desktop's opener is `xdg-open`, found in PATH and started detached, so that the caller
// neither waits for it nor owns it. Safe from any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

namespace platform {

// Starts the desktop's opener on `path` (Windows-1252). ERROR_SUCCESS once it has been started;
// ERROR_FILE_NOT_FOUND when no opener is installed, or the error of starting it. Whether the
// opener then finds a program for the file is its own business.
[[nodiscard]] Win32Error OpenWithDesktop(const String& path);

}  // namespace platform
