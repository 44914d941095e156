#include "platform/system/tick_count.h"

#include <gtest/gtest.h>

using namespace platform;

// A tick count that went back would make cache ages and wait deadlines negative.
TEST(TickCount, NeverGoesBack) {
    std::uint64_t previous = GetTickCount64();
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t now = GetTickCount64();
        ASSERT_GE(now, previous);
        previous = now;
    }
}

// A sleep cut short (by a signal or a rounding down) would shorten every retry wait.
TEST(TickCount, SleepLastsAtLeastWhatWasAsked) {
    const std::uint64_t start = GetTickCount64();
    Sleep(15);
    EXPECT_GE(GetTickCount64() - start, 15u);
}

// The system ticker must be the real clock, not a frozen value.
TEST(TickCount, SystemTickerSleepsAndCounts) {
    Ticker& ticker = SystemTicker();
    const std::uint64_t start = ticker.GetTickCount64();
    ticker.Sleep(5);
    EXPECT_GE(ticker.GetTickCount64() - start, 5u);
    ticker.Sleep(0);  // yields, must return
}
