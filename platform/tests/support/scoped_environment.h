// An environment variable set (or unset) for one scope of a test, its old value put back when
// the scope ends; and the temporary folder (TMPDIR) moved into a test's own folder that way.
// For the test's main thread.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace kelvo::testing {

class ScopedEnvironment {
public:
    // Sets `name` to `value` (null: unsets it).
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (old_) {
            ::setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// TMPDIR names `folder`, made when missing, for as long as the object lives.
class ScopedTempFolder {
public:
    explicit ScopedTempFolder(std::filesystem::path folder) : folder_(std::move(folder)), tmpdir_("TMPDIR", folder_.c_str()) {
        std::filesystem::create_directories(folder_);
    }

    [[nodiscard]] const std::filesystem::path& Path() const { return folder_; }

private:
    std::filesystem::path folder_;
    ScopedEnvironment tmpdir_;
};

}  // namespace kelvo::testing
