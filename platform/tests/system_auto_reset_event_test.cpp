#include "platform/system/auto_reset_event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace platform {
namespace {

// A signal must be taken by exactly one wait, whether the event was made or set signalled.
TEST(AutoResetEvent, OneSetLetsOneWaitThrough) {
    for (const bool createdSignalled : {true, false}) {
        AutoResetEvent event(createdSignalled);
        if (!createdSignalled) {
            EXPECT_FALSE(event.WaitFor(0));
            event.Set();
        }
        EXPECT_TRUE(event.WaitFor(0));
        EXPECT_FALSE(event.WaitFor(0)) << "the first wait must have reset the event";
    }
}

// Signals do not add up: two Sets before a wait still let one wait through.
TEST(AutoResetEvent, SetsDoNotAddUp) {
    AutoResetEvent event;
    event.Set();
    event.Set();
    EXPECT_TRUE(event.WaitFor(0));
    EXPECT_FALSE(event.WaitFor(0));
}

// Blocked waiters leave one per Set, and every one leaves once there were as many Sets.
TEST(AutoResetEvent, ReleasesOneBlockedWaiterPerSet) {
    AutoResetEvent event;
    AutoResetEvent left;
    std::atomic<int> released{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i) {
        waiters.emplace_back([&] {
            event.Wait();
            ++released;
            left.Set();
        });
    }
    for (int expected = 1; expected <= 3; ++expected) {
        event.Set();
        left.Wait();
        EXPECT_EQ(released.load(), expected);
    }
    for (std::thread& waiter : waiters) waiter.join();
    EXPECT_FALSE(event.WaitFor(0));
}

}  // namespace
}  // namespace platform
