#include "platform/registry/registry.h"
#include "platform/registry/registry_store.h"

#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using kelvo::testing::ProcessBarrier;
using kelvo::testing::WaitForChild;
using platform::registry_detail::ParsedFileCount;

namespace {

constexpr const char* kSharedKey = "Software\\Concorrente";

// The current user's number "n", or 0 when it cannot be read.
DWORD ReadNumber() {
    DWORD number = 0;
    DWORD size = sizeof number;
    return Registry::QueryValue(HKEY_CURRENT_USER, "n", nullptr, &number, &size) == ERROR_SUCCESS ? number : 0;
}

std::string ValueName(int child, int index) { return "c" + std::to_string(child) + "v" + std::to_string(index); }

// Runs `body` in a child process; returns its pid. The child exits 0 when `body` returns true.
pid_t Spawn(const std::function<bool()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body() ? 0 : 1);
    return pid;
}

// One writer: its own sub-key, then `count` distinct values in the shared key.
bool WriteMany(int child, int count) {
    HKEY key = nullptr;
    if (Registry::CreateKey(HKEY_LOCAL_MACHINE, kSharedKey, &key) != ERROR_SUCCESS) return false;
    HKEY own = nullptr;
    const std::string ownName = "Filho" + std::to_string(child);
    bool ok = Registry::CreateKey(key, ownName.c_str(), &own) == ERROR_SUCCESS;
    Registry::CloseKey(own);
    for (int i = 0; ok && i < count; ++i) {
        const std::string name = ValueName(child, i);
        ok = Registry::SetValue(key, name.c_str(), REG_SZ, name.c_str(), static_cast<DWORD>(name.size() + 1)) == ERROR_SUCCESS;
    }
    Registry::CloseKey(key);
    return ok;
}

}  // namespace

// Writers in several processes, all rewriting the same file, never lose each other's writes.
TEST(RegistryProcesses, ConcurrentWritersLoseNothing) {
    kelvo::testing::TestEnvironment environment;
    constexpr int kChildren = 6;
    constexpr int kValues = 30;
    // The writers start together once all exist: otherwise one may be done before the next begins.
    ProcessBarrier start(kChildren);
    std::vector<pid_t> children;
    for (int child = 0; child < kChildren; ++child) {
        const pid_t pid = Spawn([&start, child] { return start.Arrive() && WriteMany(child, kValues); });
        ASSERT_GT(pid, 0);
        children.push_back(pid);
    }
    EXPECT_TRUE(start.ReleaseAll());
    for (const pid_t pid : children) EXPECT_EQ(WaitForChild(pid), 0);

    HKEY key = nullptr;
    ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, kSharedKey, KEY_READ, &key), ERROR_SUCCESS);
    DWORD subKeys = 0;
    DWORD values = 0;
    ASSERT_EQ(Registry::QueryInfoKey(key, &subKeys, &values), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, static_cast<DWORD>(kChildren));
    EXPECT_EQ(values, static_cast<DWORD>(kChildren * kValues));
    for (int child = 0; child < kChildren; ++child) {
        for (int i = 0; i < kValues; ++i) {
            const std::string name = ValueName(child, i);
            char buffer[32] = {};
            DWORD size = sizeof buffer;
            ASSERT_EQ(Registry::QueryValue(key, name.c_str(), nullptr, buffer, &size), ERROR_SUCCESS) << name;
            EXPECT_EQ(std::string(buffer), name);
        }
    }
    Registry::CloseKey(key);
}

// Processes numbering at once never get the same number, and none is skipped.
TEST(RegistryProcesses, ConcurrentCountersNeverRepeatANumber) {
    kelvo::testing::TestEnvironment environment;
    constexpr int kChildren = 4;
    constexpr int kNumbers = 25;
    bool succeeded = false;
    std::vector<std::uint32_t> numbers = kelvo::testing::CollectNumbersAtOnce(
        kChildren,
        [](const kelvo::testing::NumberSink& sink) {
            for (int i = 0; i < kNumbers; ++i) {
                DWORD number = 0;
                if (Registry::IncrementCounter(HKEY_LOCAL_MACHINE, "Numero", &number) != ERROR_SUCCESS) return false;
                if (!sink(number)) return false;
            }
            return true;
        },
        succeeded);
    EXPECT_TRUE(succeeded);
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::uint32_t> expected(kChildren * kNumbers);
    std::iota(expected.begin(), expected.end(), 1u);
    EXPECT_EQ(numbers, expected);
}

// The very next read after another process's write sees it, although this process had just
// written the file itself and the new file has the old one's size and modification time; and it
// parses the new file once, not on every read.
TEST(RegistryProcesses, ReadsSeeOtherProcessesWrites) {
    kelvo::testing::TestEnvironment environment;
    const std::string file = (environment.RegistryFolder() / "HKEY_CURRENT_USER.txt").string();
    const DWORD before = 1;
    ASSERT_EQ(Registry::SetValue(HKEY_CURRENT_USER, "n", REG_DWORD, &before, 4), ERROR_SUCCESS);
    ASSERT_EQ(ReadNumber(), before);

    for (DWORD next = 2; next <= 4; ++next) {
        SCOPED_TRACE(next);
        struct stat old {};
        ASSERT_EQ(::stat(file.c_str(), &old), 0);
        ASSERT_EQ(WaitForChild(Spawn([next] {
            return Registry::SetValue(HKEY_CURRENT_USER, "n", REG_DWORD, &next, 4) == ERROR_SUCCESS;
        })), 0);
        // As if the write fell within the old file's time stamp tick.
        const struct timespec times[2] = {old.st_atim, old.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
        struct stat now {};
        ASSERT_EQ(::stat(file.c_str(), &now), 0);
        ASSERT_EQ(now.st_size, old.st_size);

        const std::uint64_t parsed = ParsedFileCount();
        EXPECT_EQ(ReadNumber(), next);
        EXPECT_EQ(ReadNumber(), next);
        EXPECT_EQ(ParsedFileCount(), parsed + 1);
    }
}

// A key deleted (and created again) by another process is a deleted key for this one's handle.
TEST(RegistryProcesses, KeyDeletedElsewhereAnswersKeyDeleted) {
    kelvo::testing::TestEnvironment environment;
    HKEY key = nullptr;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Alvo", &key), ERROR_SUCCESS);
    ASSERT_EQ(WaitForChild(Spawn([] {
        HKEY again = nullptr;
        return Registry::DeleteKey(HKEY_LOCAL_MACHINE, "Software\\Alvo") == ERROR_SUCCESS &&
               Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\Alvo", &again) == ERROR_SUCCESS;
    })), 0);
    EXPECT_EQ(Registry::SetValue(key, "v", REG_SZ, "x", 2), ERROR_KEY_DELETED);
    EXPECT_EQ(Registry::QueryInfoKey(key, nullptr, nullptr), ERROR_KEY_DELETED);
    Registry::CloseKey(key);
}
