// The two-digit year window: the one rule by which every date routine widens a typed or stored
// two-digit year, and by which the formatters decide whether two digits would read back.
//
// A two-digit year yy means the year congruent to yy modulo 100 within [Y − 80, Y + 19], Y being
// the current year of the system's clock (util/time/clock.h, test clock included): in 2026 that is
// 1946..2045. The clock is read once per call, and only when a year is actually widened; a
// routine raises what the clock raises. Safe from any thread.
#pragma once

// A year 0..99 widened by the window; any other year unchanged (the clock is not read then).
[[nodiscard]] int ZTJanelaAno(int ano);
