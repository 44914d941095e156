// What the running program can learn about itself and its machine: the path of its executable
// and the machine's host name.
//
// Texts are Windows-1252. Safe from any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

namespace platform {

// The full path of the running executable (/proc/self/exe) in `path`; ERROR_SUCCESS or the
// Win32 error of the failure (path empty then).
[[nodiscard]] Win32Error ModulePath(String& path);

// This machine's host name in `name`; ERROR_SUCCESS or the Win32 error (name empty then).
[[nodiscard]] Win32Error HostName(String& name);

}  // namespace platform
