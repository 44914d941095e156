// An event that lets one waiter through per signal and then resets itself.
//
// Set signals it; a waiter that finds it signalled (or is woken by Set) takes the signal and the
// event is unsignalled again, so one Set releases exactly one waiter, whether the waiter came
// before or after it. Signals do not add up: a Set on a signalled event changes nothing. Safe from
// any thread; the object must outlive every call on it.
#pragma once

#include <condition_variable>
#include <mutex>

namespace platform {

class AutoResetEvent {
public:
    explicit AutoResetEvent(bool signalled = false) : signalled_(signalled) {}
    AutoResetEvent(const AutoResetEvent&) = delete;
    AutoResetEvent& operator=(const AutoResetEvent&) = delete;

    // Signals the event: the next (or one current) waiter goes on.
    void Set();
    // Blocks until the event is signalled, and takes the signal.
    void Wait();
    // As Wait, but gives up after `milliseconds`; true when the signal was taken.
    [[nodiscard]] bool WaitFor(unsigned milliseconds);

private:
    std::mutex mutex_;
    std::condition_variable signal_;
    bool signalled_;
};

}  // namespace platform
