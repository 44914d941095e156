#include "platform/registry/registry.h"
#include "platform/registry/registry_store.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace platform;
using platform::registry_detail::ParsedFileCount;

namespace {

constexpr const char* kCompanyKey = "SOFTWARE\\Quorvel\\Empresas\\001";

std::filesystem::path MachineFile(const kelvo::testing::TestEnvironment& environment) {
    return environment.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt";
}

Win32Error SetFolder(const char* folder) {
    HKEY key = nullptr;
    if (const Win32Error error = Registry::CreateKey(HKEY_LOCAL_MACHINE, kCompanyKey, &key)) return error;
    const Win32Error error =
        Registry::SetValue(key, "DF", REG_SZ, folder, static_cast<DWORD>(std::char_traits<char>::length(folder) + 1));
    Registry::CloseKey(key);
    return error;
}

// The company's folder as this process reads it now, or the error as text.
std::string ReadFolder() {
    HKEY key = nullptr;
    if (const Win32Error error = Registry::OpenKey(HKEY_LOCAL_MACHINE, kCompanyKey, KEY_READ, &key)) {
        return "error " + std::to_string(error);
    }
    char buffer[64] = {};
    DWORD size = sizeof buffer - 1;
    const Win32Error error = Registry::QueryValue(key, "DF", nullptr, buffer, &size);
    Registry::CloseKey(key);
    return error ? "error " + std::to_string(error) : std::string(buffer);
}

// The store file's text with the company's folder changed from `from` to `to`.
std::string TextWithFolder(const kelvo::testing::TestEnvironment& environment, const std::string& from,
                           const std::string& to) {
    std::string text = kelvo::testing::ReadFile(MachineFile(environment));
    const std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

}  // namespace

// Reads and saves after this process's own saves are answered from what it wrote: a store that
// parsed its file again after every save was several times slower for a while after each one.
TEST(RegistryStore, OwnWritesNeedNoParse) {
    kelvo::testing::TestEnvironment environment;
    ASSERT_EQ(SetFolder("/dados/emp1"), ERROR_SUCCESS);
    const std::uint64_t parsed = ParsedFileCount();
    EXPECT_EQ(ReadFolder(), "/dados/emp1");
    ASSERT_EQ(SetFolder("/dados/emp2"), ERROR_SUCCESS);
    EXPECT_EQ(ReadFolder(), "/dados/emp2");
    DWORD subKeys = 0;
    EXPECT_EQ(Registry::QueryInfoKey(HKEY_LOCAL_MACHINE, &subKeys, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
    EXPECT_EQ(ParsedFileCount(), parsed);
}

struct OutsideChange {
    const char* what;
    std::function<void(const kelvo::testing::TestEnvironment&)> make;
    std::string expected;        // the folder the next read answers
    std::uint64_t parses;        // the files that read parses
};

// A store file that someone else removed or replaced is read again, once, by the next read; a
// store that trusted its memory would answer the old folder.
TEST(RegistryStore, RemovedOrReplacedFileIsReadAgain) {
    const std::vector<OutsideChange> changes = {
        {"removed", [](const auto& environment) { std::filesystem::remove(MachineFile(environment)); },
         "error 2", 0},
        {"replaced by a rename, same size",
         [](const auto& environment) {
             const auto replacement = MachineFile(environment).string() + ".hand";
             kelvo::testing::WriteFile(replacement, TextWithFolder(environment, "/dados/emp1", "/dados/emp2"));
             std::filesystem::rename(replacement, MachineFile(environment));
         },
         "/dados/emp2", 1},
        {"rewritten in place, other size",
         [](const auto& environment) {
             kelvo::testing::WriteFile(MachineFile(environment),
                                       TextWithFolder(environment, "/dados/emp1", "/dados/empresa1"));
         },
         "/dados/empresa1", 1},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.what);
        kelvo::testing::TestEnvironment environment;
        ASSERT_EQ(SetFolder("/dados/emp1"), ERROR_SUCCESS);
        ASSERT_EQ(ReadFolder(), "/dados/emp1");
        change.make(environment);
        const std::uint64_t parsed = ParsedFileCount();
        EXPECT_EQ(ReadFolder(), change.expected);
        EXPECT_EQ(ParsedFileCount(), parsed + change.parses);
        EXPECT_EQ(ReadFolder(), change.expected);
        EXPECT_EQ(ParsedFileCount(), parsed + change.parses) << "the unchanged file was parsed again";
    }
}
