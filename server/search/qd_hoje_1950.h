// Today on the scale of the documents' stored validity dates: a day count from 1 January 1950
// (that day is 1), the scale every company of the system keeps them in since the one-time
// rebuild of its document file. The expiry test of the search and the documents report's days
// until validity compare with this number.
//
// The count is taken from the clock's local date (util/time/clock.h, so the test clock moves it)
// through the day-count formula of util/time/day_counts.h, never through the 16-bit short day
// numbers, which end in June 2027: past that day the expiry test would otherwise compare with 0
// and let every expired document through. Safe from any thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

// Today's count from 1950 into `hoje`. S_OK, or what the clock raised (its system error as
// 0x8007xxxx, E_FAIL without one); `hoje` is left as it was then.
[[nodiscard]] platform::HRESULT QDHojeDias1950(std::int32_t& hoje);
