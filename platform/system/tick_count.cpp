#include "platform/system/tick_count.h"

#include <sched.h>

#include <cerrno>
#include <ctime>

namespace platform {

namespace {

class SystemTickSource final : public Ticker {
public:
    std::uint64_t GetTickCount64() override { return platform::GetTickCount64(); }
    void Sleep(unsigned milliseconds) override { platform::Sleep(milliseconds); }
};

}  // namespace

std::uint64_t GetTickCount64() {
    std::timespec now{};
    // CLOCK_MONOTONIC cannot fail with a valid clock id and pointer.
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
}

void Sleep(unsigned milliseconds) {
    if (milliseconds == 0) {
        ::sched_yield();
        return;
    }
    std::timespec remaining{static_cast<std::time_t>(milliseconds / 1000),
                            static_cast<long>(milliseconds % 1000) * 1'000'000L};
    // A signal cuts the sleep short; go on sleeping for the rest, as the caller asked for all of it.
    while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

Ticker& SystemTicker() {
    static SystemTickSource ticker;
    return ticker;
}

}  // namespace platform
