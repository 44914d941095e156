#include "platform/tests/support/fake_opener.h"

#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace kelvo::testing {

namespace fs = std::filesystem;

namespace {

// Each call writes its arguments, one a line, under a name of its own and renames it into place,
// so that a record is never seen half written.
std::string OpenerScript(const fs::path& records) {
    return "#!/bin/sh\n"
           "record='" + records.string() + "'/call.$$\n"
           "printf '%s\\n' \"$@\" > \"$record.part\" && mv \"$record.part\" \"$record\"\n";
}

}  // namespace

FakeOpener::FakeOpener(const fs::path& folder) : records_(folder / "opened") {
    const fs::path bin = folder / "opener-bin";
    fs::create_directories(records_);
    WriteFile(bin / "xdg-open", OpenerScript(records_));
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    if (path) previousPath_ = path;
    const std::string front = bin.string() + (path ? ":" + std::string(path) : "");
    setenv("PATH", front.c_str(), 1);
}

FakeOpener::~FakeOpener() {
    if (previousPath_) {
        setenv("PATH", previousPath_->c_str(), 1);
    } else {
        unsetenv("PATH");
    }
}

std::vector<std::string> FakeOpener::Recorded() const {
    std::vector<std::string> calls;
    for (const fs::directory_entry& entry : fs::directory_iterator(records_)) {
        if (entry.path().extension() != ".part") calls.push_back(ReadFile(entry.path()));
    }
    return calls;
}

std::vector<std::string> FakeOpener::Opened(std::size_t calls) {
    const auto limit = std::chrono::steady_clock::now() + kWaitLimit;
    // The opener runs detached: its record moved into the folder is the event waited for. The
    // watch starts before the first look, so no record can fall between the two.
    const int watch = ::inotify_init1(IN_CLOEXEC);
    if (watch >= 0) ::inotify_add_watch(watch, records_.c_str(), IN_MOVED_TO);
    std::vector<std::string> recorded = Recorded();
    while (watch >= 0 && recorded.size() < calls) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(limit - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd waiting{watch, POLLIN, 0};
        if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) break;
        char events[4096];
        static_cast<void>(::read(watch, events, sizeof events));
        recorded = Recorded();
    }
    if (watch >= 0) ::close(watch);
    return recorded;
}

}  // namespace kelvo::testing
