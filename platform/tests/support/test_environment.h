// A private world for one test: a fresh scratch folder and a registry store inside it.
//
// Construct one at the start of a test (or in a fixture); it points KELVO_REGISTRY at its own
// folder so that no test reads or writes the user's store, and removes everything on
// destruction. Not for concurrent use by several threads of one test.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kelvo::testing {

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    // The scratch folder (exists, empty at first).
    [[nodiscard]] const std::filesystem::path& Folder() const { return folder_; }
    // The registry store folder that KELVO_REGISTRY names while this object lives.
    [[nodiscard]] std::filesystem::path RegistryFolder() const { return folder_ / "registry"; }
    // A path inside the scratch folder, as a string.
    [[nodiscard]] std::string Path(const std::string& relative) const { return (folder_ / relative).string(); }

private:
    std::filesystem::path folder_;
    std::optional<std::string> previousRegistry_;
};

// Writes `content` to `path`, creating folders as needed.
void WriteFile(const std::filesystem::path& path, const std::string& content);
// The whole content of `path` (empty when it cannot be read).
[[nodiscard]] std::string ReadFile(const std::filesystem::path& path);

}  // namespace kelvo::testing
