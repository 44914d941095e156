// A fake desktop opener for tests: an `xdg-open` first on PATH that records what it was asked to
// open, one file per call, written whole before it appears.
//
// Construct it in a test's scratch folder; it puts its folder in front of PATH and restores PATH
// when it goes. The opener is started detached, so a test waits for its record with Opened,
// which returns as soon as the records are there. For the test's main thread.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvo::testing {

class FakeOpener {
public:
    explicit FakeOpener(const std::filesystem::path& folder);
    ~FakeOpener();
    FakeOpener(const FakeOpener&) = delete;
    FakeOpener& operator=(const FakeOpener&) = delete;

    // The arguments of each call (one a line), in no particular order, once at least `calls`
    // calls have been recorded, or what there is when they never come (see kWaitLimit).
    [[nodiscard]] std::vector<std::string> Opened(std::size_t calls);

private:
    [[nodiscard]] std::vector<std::string> Recorded() const;

    std::filesystem::path records_;
    std::optional<std::string> previousPath_;
};

}  // namespace kelvo::testing
