// Fresh GUIDs as text, for identities the system makes up (records, sessions).
//
// Safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// A new random GUID in the registry text form without the braces: 36 characters, upper-case
// hexadecimal digits in groups 8-4-4-4-12. Empty when the platform cannot make one (never a
// fixed GUID that two callers would share).
[[nodiscard]] CZTString ZTNovoGUID();
