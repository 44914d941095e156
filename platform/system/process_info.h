// What the running program can learn about itself and its machine: the path of its executable,
// the memory it holds and the machine's host name.
//
// Texts are Windows-1252. Safe from any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

#include <cstdint>

namespace platform {

// The full path of the running executable (/proc/self/exe) in `path`; ERROR_SUCCESS or the
// Win32 error of the failure (path empty then).
[[nodiscard]] Win32Error ModulePath(String& path);

// The bytes of the running program's memory that lie in RAM now (its resident set, from
// /proc/self/statm) in `bytes`; ERROR_SUCCESS or the Win32 error (bytes 0 then).
[[nodiscard]] Win32Error ResidentMemory(std::uint64_t& bytes);

// This machine's host name in `name`; ERROR_SUCCESS or the Win32 error (name empty then).
[[nodiscard]] Win32Error HostName(String& name);

}  // namespace platform
