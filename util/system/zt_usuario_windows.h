// The name of the user running the process, as the session shows and logs it.
//
// Safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// The longest user name taken.
constexpr int ZT_MAX_USUARIO = 260;

// The name of the account the process runs as (Windows-1252); empty when it cannot be read or
// is longer than ZT_MAX_USUARIO characters (a cut name could be another account's).
[[nodiscard]] CZTString ZTGetUsuarioWindows();
