// The local accounts of this machine as far as the run-as identity needs them: which account
// the process runs as, and whether a named account is that one.
//
// Account names are Windows-1252 and match exactly, as the system's user database keeps them.
// The process never changes its own identity here: everything it uses (its registry store, its
// files) belongs to the user who started it. Results are Win32 error numbers. Safe from any
// thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

namespace platform {

// No account of the given name exists (the original platform's "no mapping" error).
constexpr Win32Error ERROR_NONE_MAPPED = 1332;

// The name of the account the process runs as (its effective user) in `name`. ERROR_SUCCESS;
// ERROR_NONE_MAPPED when the user database has no entry for it (name empty then).
[[nodiscard]] Win32Error ProcessAccountName(String& name);

// Whether the process runs as the local account `name`: ERROR_SUCCESS with `isProcessAccount`
// set or cleared; ERROR_NONE_MAPPED when no account has that name; ERROR_INVALID_PARAMETER for
// an empty name or one holding a NUL; another Win32 error when the user database cannot be read.
[[nodiscard]] Win32Error IsProcessAccount(const String& name, bool& isProcessAccount);

}  // namespace platform
