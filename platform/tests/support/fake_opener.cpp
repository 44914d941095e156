#include "platform/tests/support/fake_opener.h"

#include "platform/tests/support/folder_wait.h"
#include "platform/tests/support/test_environment.h"

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
    // The opener runs detached: its record moved into the folder is the event waited for.
    std::vector<std::string> recorded;
    static_cast<void>(WaitInFolder(records_, [&] {
        recorded = Recorded();
        return recorded.size() >= calls;
    }));
    return recorded;
}

}  // namespace kelvo::testing
