#include "platform/tests/support/test_environment.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace kelvo::testing {

namespace {

std::filesystem::path ScratchRoot() {
    const char* root = std::getenv("KELVO_TEST_SCRATCH");
    std::filesystem::path path = root && *root ? root : std::filesystem::temp_directory_path();
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace

TestEnvironment::TestEnvironment() {
    std::string pattern = (ScratchRoot() / "kelvo-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) throw std::runtime_error("cannot create a scratch folder");
    folder_ = buffer.data();
    if (const char* previous = std::getenv("KELVO_REGISTRY")) previousRegistry_ = previous;
    setenv("KELVO_REGISTRY", RegistryFolder().c_str(), 1);
}

TestEnvironment::~TestEnvironment() {
    if (previousRegistry_) {
        setenv("KELVO_REGISTRY", previousRegistry_->c_str(), 1);
    } else {
        unsetenv("KELVO_REGISTRY");
    }
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace kelvo::testing
