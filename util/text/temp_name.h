// Names for temporary files: the caller's prefix, three random characters from 0-9 and A-Z, a
// process-wide counter and ".tmp" ("QDR01K7Q0.tmp").
//
// The random characters are drawn from the C library's generator seeded with the processor's
// clock count at every call; the counter (starting at 0, one per name, shared by every thread)
// keeps two names drawn in the same clock tick apart. The result is a bare name: the caller adds
// the folder. Safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// A new temporary name for `prefix` (null counts as empty).
[[nodiscard]] CZTString ZTGeraNomeArqTemp(const char* prefix);
// The same name copied into `target`, cut to size - 1 characters and NUL-terminated; nothing is
// written past target[size - 1]. True when the whole name fit; false (and nothing drawn) for a
// null target or a size below 1.
[[nodiscard]] bool ZTGeraNomeArqTempBuffer(const char* prefix, char* target, int size);
// The name that ZTGeraNomeArqTemp gives when the clock count is `seed`; takes the next counter
// value like it.
[[nodiscard]] CZTString ZTGeraNomeArqTempComSemente(const char* prefix, unsigned seed);
