#include "platform/system/auto_reset_event.h"

#include <chrono>

namespace platform {

void AutoResetEvent::Set() {
    {
        const std::lock_guard lock(mutex_);
        signalled_ = true;
    }
    signal_.notify_one();
}

void AutoResetEvent::Wait() {
    std::unique_lock lock(mutex_);
    signal_.wait(lock, [this] { return signalled_; });
    signalled_ = false;
}

bool AutoResetEvent::WaitFor(unsigned milliseconds) {
    std::unique_lock lock(mutex_);
    if (!signal_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return signalled_; })) return false;
    signalled_ = false;
    return true;
}

}  // namespace platform
