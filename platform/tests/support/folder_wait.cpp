#include "platform/tests/support/folder_wait.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace kelvo::testing {

bool WaitInFolder(const std::filesystem::path& folder, const std::function<bool()>& satisfied,
                  std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    // The watch starts before the first look, so no entry can fall between the two.
    const int watch = ::inotify_init1(IN_CLOEXEC);
    if (watch < 0) return satisfied();
    ::inotify_add_watch(watch, folder.c_str(), IN_MOVED_TO);
    bool done = satisfied();
    while (!done) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd waiting{watch, POLLIN, 0};
        if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) break;
        char events[4096];
        static_cast<void>(::read(watch, events, sizeof events));
        done = satisfied();
    }
    ::close(watch);
    return done;
}

}  // namespace kelvo::testing
