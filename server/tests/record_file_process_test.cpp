#include "server/record_file/zt_arq_ex.h"

#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"
#include "server/record_file/record_file_codes.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>

using namespace kelvo::testing;

namespace {

constexpr std::uint32_t kR = 256;

// A record whose every byte says who wrote it: a torn record mixes two writers' bytes.
std::vector<char> RecordOf(int writer, int sequence) {
    std::vector<char> record(kR);
    for (std::uint32_t i = 0; i < kR; ++i) record[i] = static_cast<char>('A' + writer);
    std::memcpy(record.data() + 1, &sequence, sizeof sequence);
    record[kR - 1] = static_cast<char>('A' + writer);
    return record;
}

// The real clock, counting the sleeps of the open retries; the first sleep runs `onFirstSleep`.
class CountingTicker final : public platform::Ticker {
public:
    std::uint64_t GetTickCount64() override { return platform::GetTickCount64(); }
    void Sleep(unsigned milliseconds) override {
        if (sleeps++ == 0 && onFirstSleep) onFirstSleep();
        platform::Sleep(milliseconds);
    }
    int sleeps = 0;
    std::function<void()> onFirstSleep;
};

// Runs `body` in a child process; the child exits with the value it returns.
pid_t Spawn(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    return pid;
}

// One writer's run, once every writer of `start` exists: `count` server calls, each opening the
// file, appending one record, closing. Exit 0 when every append worked, 1 otherwise.
int AppendMany(ProcessBarrier& start, const std::string& path, int writer, int count, bool autoCreate) {
    if (!start.Arrive()) return 1;
    for (int sequence = 0; sequence < count; ++sequence) {
        CZTArqEx arquivo;
        if (arquivo.Open(path.c_str(), 'G', kR, autoCreate) != 0) return 1;
        std::int32_t position = 0;
        const std::vector<char> record = RecordOf(writer, sequence);
        if (arquivo.WriteRecord(record.data(), position) != 0 || position < 1) return 1;
    }
    return 0;
}

// Every record of `path` is whole and each (writer, sequence) appears exactly once.
void ExpectAllRecords(const std::string& path, int writers, int count) {
    const std::string content = ReadFile(path);
    ASSERT_EQ(content.size(), static_cast<size_t>(writers * count + 1) * kR);
    std::map<std::pair<int, int>, int> seen;
    for (size_t offset = kR; offset < content.size(); offset += kR) {
        const int writer = content[offset] - 'A';
        int sequence = 0;
        std::memcpy(&sequence, content.data() + offset + 1, sizeof sequence);
        ASSERT_EQ(std::vector<char>(content.begin() + offset, content.begin() + offset + kR), RecordOf(writer, sequence))
            << "torn record at " << offset;
        ++seen[{writer, sequence}];
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(writers * count));
    for (const auto& [key, times] : seen) EXPECT_EQ(times, 1) << key.first << "/" << key.second;
}

}  // namespace

// Processes appending to one record file at once: each waits for the other's write to finish,
// and no record is lost, overwritten or torn.
TEST(CZTArqExProcesses, ConcurrentAppendersLoseNothing) {
    TestEnvironment environment;
    const std::string path = environment.Path("QDDOC.DAT");
    {
        CZTArqEx creator;
        ASSERT_EQ(creator.Open(path.c_str(), 'G', kR, true), 0);
    }
    constexpr int kWriters = 3;
    constexpr int kCount = 150;
    ProcessBarrier start(kWriters);
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        children.push_back(Spawn([&, writer] { return AppendMany(start, path, writer, kCount, false); }));
        ASSERT_GT(children.back(), 0);
    }
    EXPECT_TRUE(start.ReleaseAll());
    for (const pid_t pid : children) EXPECT_EQ(WaitForChild(pid), 0);
    ExpectAllRecords(path, kWriters, kCount);
}

// A writer that finds the file held by another process waits and retries, and gets in once the
// holder closes it.
TEST(CZTArqExProcesses, BusyFileIsWaitedForAndThenWritten) {
    TestEnvironment environment;
    const std::string path = environment.Path("QDDOC.DAT");
    int held[2];
    ASSERT_EQ(pipe(held), 0);
    int release[2];
    ASSERT_EQ(pipe(release), 0);

    const pid_t holder = Spawn([&] {
        CZTArqEx arquivo;
        if (arquivo.Open(path.c_str(), 'G', kR, true) != 0) return 1;
        std::int32_t position = 0;
        const std::vector<char> record = RecordOf(0, 0);
        if (arquivo.WriteRecord(record.data(), position) != 0) return 1;
        const char ready = 'h';
        if (write(held[1], &ready, 1) != 1) return 1;
        char go = 0;
        if (read(release[0], &go, 1) != 1) return 1;
        return 0;  // exiting closes the file
    });
    ASSERT_GT(holder, 0);
    char ready = 0;
    ASSERT_EQ(read(held[0], &ready, 1), 1);

    // The holder lets go only once this open has failed and is waiting to try again, and has
    // ended before the next try: however slowly it ends, the retries cannot run out meanwhile.
    CountingTicker ticker;
    int holderExit = -1;
    ticker.onFirstSleep = [&] {
        const char go = 'g';
        EXPECT_EQ(write(release[1], &go, 1), 1);
        holderExit = WaitForChild(holder);
    };
    CZTArqEx arquivo(ticker);
    ASSERT_EQ(arquivo.Open(path.c_str(), 'G', kR, false), 0);
    EXPECT_GT(ticker.sleeps, 0);
    std::int32_t position = 0;
    const std::vector<char> record = RecordOf(1, 0);
    ASSERT_EQ(arquivo.WriteRecord(record.data(), position), 0);
    EXPECT_EQ(position, 2);
    arquivo.CloseEx();
    EXPECT_EQ(holderExit, 0);
    ExpectAllRecords(path, 2, 1);
    for (int fd : {held[0], held[1], release[0], release[1]}) close(fd);
}

// Processes starting at once in a new folder all create the same file through the control list:
// it is created once, listed once, none of them reports it lost, and no one's records are emptied
// away by a late creator.
TEST(CZTArqExProcesses, ConcurrentFirstOpensCreateTheFileOnce) {
    TestEnvironment environment;
    const std::string path = environment.Path("QDDOC.DAT");
    constexpr int kWriters = 4;
    constexpr int kCount = 20;
    ProcessBarrier start(kWriters);
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        children.push_back(Spawn([&, writer] { return AppendMany(start, path, writer, kCount, true); }));
        ASSERT_GT(children.back(), 0);
    }
    EXPECT_TRUE(start.ReleaseAll());
    for (const pid_t pid : children) EXPECT_EQ(WaitForChild(pid), 0);
    ExpectAllRecords(path, kWriters, kCount);
    EXPECT_EQ(ReadFile(environment.Path("ZTCTLARQ.DAT")), std::string(32, '\0') + "QDDOC.DAT" + std::string(23, '\0'));
}
