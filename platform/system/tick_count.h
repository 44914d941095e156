// The tick count and sleeping: the monotonic millisecond clock that timeouts and cache ages are
// measured with, and the one way the system's code waits.
//
// The tick count never goes back and is unaffected by changes of the wall clock (it is not the
// time of day: that is the util clock's job). Code that waits takes a Ticker so that tests can
// replace time with a fake one and run a 50-second wait in no time. All functions are safe from
// any thread; SystemTicker() lives for the whole process.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary fixed moment (the machine's start); monotonic, never wraps.
[[nodiscard]] std::uint64_t GetTickCount64();

// Suspends the calling thread for at least `milliseconds`; 0 only yields the processor.
void Sleep(unsigned milliseconds);

// A source of ticks that can also wait: the system's, or a fake one in tests.
class Ticker {
public:
    virtual ~Ticker() = default;
    // The current tick count in milliseconds (monotonic).
    [[nodiscard]] virtual std::uint64_t GetTickCount64() = 0;
    // Waits `milliseconds` (0 yields).
    virtual void Sleep(unsigned milliseconds) = 0;
};

// The ticker of the real clock: platform::GetTickCount64 and platform::Sleep.
[[nodiscard]] Ticker& SystemTicker();

}  // namespace platform
