// The text a report prints for a 32-bit moment (unsigned seconds since 1970, as the documents'
// inclusion and change times and the log's time of writing are stored): its local time in the
// process's time zone. Pure; safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// The local time of `tempo` in `formato` (strftime); empty when the C library cannot break it down.
[[nodiscard]] CZTString QDTextoMomento(std::uint32_t tempo, const char* formato);
