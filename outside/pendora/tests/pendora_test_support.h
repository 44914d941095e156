// What the client library's tests share: a ticker that only pretends to wait. Single-threaded.
#pragma once

#include "platform/system/tick_count.h"

#include <cstdint>
#include <vector>

namespace pendora::testing {

// A ticker whose clock moves only when the code under test "sleeps", by the time asked for.
class RelogioFalso final : public platform::Ticker {
public:
    std::uint64_t GetTickCount64() override { return agora; }
    void Sleep(unsigned milliseconds) override {
        esperas.push_back(milliseconds);
        agora += milliseconds;
    }
    std::uint64_t agora = 1000;
    std::vector<unsigned> esperas;
};

}  // namespace pendora::testing
