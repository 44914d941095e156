// Forked children of a test: a meeting point that makes them work at once, and waits for them to
// end that block on the end itself.
//
// A test that claims something of processes running "at once" gathers them at a ProcessBarrier:
// nothing else makes two children overlap, since a child may well end before the next one starts.
// The waits block until a child ends, bounded only by a limit far beyond any healthy run, so that
// a hung child fails its test instead of stalling the suite and a slow machine never fails one.
// For the test's main thread.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace kelvo::testing {

// How long a wait for another process or thread may take before it counts as hung.
inline constexpr std::chrono::seconds kWaitLimit{120};

// Create it just before forking its participants, which inherit it; a child forked meanwhile that
// does not take part holds the test's wait until it ends.
class ProcessBarrier {
public:
    explicit ProcessBarrier(int participants);
    ~ProcessBarrier();
    ProcessBarrier(const ProcessBarrier&) = delete;
    ProcessBarrier& operator=(const ProcessBarrier&) = delete;

    // In a participant: tells the test it has arrived and waits until the test lets everybody go
    // on; false when the test ended first.
    bool Arrive();

    // In the test, once every participant is forked: waits until each has arrived or ended without
    // arriving, then lets the arrived ones go on together; true when all of them arrived.
    [[nodiscard]] bool ReleaseAll();

private:
    int participants_;
    int arrivals_[2] = {-1, -1};
    int departures_[2] = {-1, -1};
};

// Forks `participants` children that run `body` together once all of them exist (at a
// ProcessBarrier); each hands the test 32-bit numbers through the sink it is given (false when
// the test can no longer take them). Returns every number handed over, in no particular order;
// `allSucceeded` is false when a child did not arrive, its body returned false or it did not end
// with 0.
using NumberSink = std::function<bool(std::uint32_t)>;
[[nodiscard]] std::vector<std::uint32_t> CollectNumbersAtOnce(int participants,
                                                              const std::function<bool(const NumberSink&)>& body,
                                                              bool& allSucceeded);

// Waits for the child `child` to end; its exit code (128 + the signal's number for one that a
// signal ended), or -1 when it is no child of ours or did not end within `limit`.
[[nodiscard]] int WaitForChild(pid_t child, std::chrono::seconds limit = kWaitLimit);

// Reaps every remaining child, each within `limit`: their exit codes in the order they ended,
// with a last -1 when one did not end in time.
[[nodiscard]] std::vector<int> WaitForRemainingChildren(std::chrono::seconds limit = kWaitLimit);

}  // namespace kelvo::testing
