#include "server/lock/qd_db_lock.h"
#include "server/lock/zt_arq_marca.h"
#include "server/lock/zt_marca_codigos.h"

#include "platform/hresult.h"
#include "platform/tests/support/test_environment.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

using namespace kelvo::testing;
namespace fs = std::filesystem;

namespace {

// A short deadline for the busy cases; the fake ticker makes the waiting itself instant.
constexpr std::uint64_t kShortDeadlineMs = 500;

}  // namespace

// The file name: folder, one separator, the low 8 bits of the number.
TEST(CZTArqMarca, FileNameTakesTheLowByteOfTheNumberAndOneSeparator) {
    struct Case {
        const char* folder;
        int number;
        const char* expected;
    };
    const Case cases[] = {
        {"/dados", 255, "/dados/XXMARCA255.DAT"},
        {"/dados/", 255, "/dados/XXMARCA255.DAT"},
        {"/dados", 1, "/dados/XXMARCA1.DAT"},
        {"/dados", 256 + 7, "/dados/XXMARCA7.DAT"},
        {"/dados", 0, "/dados/XXMARCA0.DAT"},
        {"", 3, "XXMARCA3.DAT"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(CZTArqMarca::NomeArquivoMarca(test.folder, test.number), test.expected) << test.folder << " " << test.number;
    }
}

// Busy codes come from the table by number; numbers without an entry share 17396.
TEST(CZTArqMarca, BusyCodesFollowTheTable) {
    struct Case {
        int number;
        std::int32_t code;
    };
    const Case cases[] = {
        {1, 16225},   {4, 16250},   {9, 16357},   {10, 80021},  {16, 80195},  {17, 83097},  {18, 76317},
        {22, 83101},  {23, 80233},  {24, 17396},  {25, 996},    {28, 999},    {29, 310468}, {30, 316571},
        {31, 31},     {32, 17396},  {49, 17396},  {50, 243612}, {51, 347469}, {52, 52},     {53, 53},
        {54, 17396},  {55, 54},     {56, 55},     {57, 17396},  {199, 17396}, {200, 32000}, {205, 32051},
        {206, 32069}, {213, 32131}, {214, 17396}, {255, 17396}, {0, 17396},   {-1, 17396},  {256 + 1, 17396},
    };
    for (const Case& test : cases) EXPECT_EQ(ZTCodigoMarcaOcupada(test.number), test.code) << test.number;
}

// A mark held by one object is busy for another: the second waits 10 to 39 ms at a time until
// the deadline, then answers the number's busy code; after the release it gets the mark.
TEST(CZTArqMarca, HeldMarkIsBusyUntilReleased) {
    TestEnvironment environment;
    const std::string folder = environment.Folder().string();
    for (const int number : {255, 1, 200}) {
        SCOPED_TRACE(number);
        CZTArqMarca holder;
        ASSERT_EQ(holder.Acquire(folder.c_str(), number), 0);
        EXPECT_TRUE(holder.IsHeld());
        EXPECT_TRUE(fs::exists(CZTArqMarca::NomeArquivoMarca(folder.c_str(), number).GetString()));

        FakeTicker ticker;
        CZTArqMarca waiter(ticker, kShortDeadlineMs);
        EXPECT_EQ(waiter.Acquire(folder.c_str(), number), ZTCodigoMarcaOcupada(number));
        EXPECT_FALSE(waiter.IsHeld());
        ASSERT_FALSE(ticker.sleeps.empty());
        EXPECT_GE(*std::min_element(ticker.sleeps.begin(), ticker.sleeps.end()), 10u);
        EXPECT_LE(*std::max_element(ticker.sleeps.begin(), ticker.sleeps.end()), 39u);
        const std::uint64_t waited = ticker.now - 1'000'000;
        EXPECT_GE(waited, kShortDeadlineMs);
        EXPECT_LT(waited, kShortDeadlineMs + 40);

        EXPECT_EQ(holder.Release(), 0);
        EXPECT_FALSE(holder.IsHeld());
        EXPECT_EQ(waiter.Acquire(folder.c_str(), number), 0);
    }
}

// The default deadline is the 50 seconds the callers rely on.
TEST(CZTArqMarca, DefaultDeadlineIs50Seconds) {
    TestEnvironment environment;
    const std::string folder = environment.Folder().string();
    CZTArqMarca holder;
    ASSERT_EQ(holder.Acquire(folder.c_str(), 255), 0);
    FakeTicker ticker;
    CZTArqMarca waiter(ticker);
    EXPECT_EQ(waiter.Acquire(folder.c_str(), 255), ZT_ERR_MARCA_OCUPADA);
    const std::uint64_t waited = ticker.now - 1'000'000;
    EXPECT_GE(waited, 50'000u);
    EXPECT_LT(waited, 50'040u);
}

// The waits are spread at random, so competing processes do not retry in step.
TEST(CZTArqMarca, WaitsVary) {
    TestEnvironment environment;
    const std::string folder = environment.Folder().string();
    CZTArqMarca holder;
    ASSERT_EQ(holder.Acquire(folder.c_str(), 9), 0);
    FakeTicker ticker;
    CZTArqMarca waiter(ticker, 5000);
    EXPECT_EQ(waiter.Acquire(folder.c_str(), 9), 16357);
    std::sort(ticker.sleeps.begin(), ticker.sleeps.end());
    EXPECT_GT(std::unique(ticker.sleeps.begin(), ticker.sleeps.end()) - ticker.sleeps.begin(), 5);
}

// Acquiring again with the same object answers 17396 at once, without waiting or a second handle.
TEST(CZTArqMarca, SecondAcquireBySameObjectIs17396AtOnce) {
    TestEnvironment environment;
    FakeTicker ticker;
    CZTArqMarca mark(ticker);
    ASSERT_EQ(mark.Acquire(environment.Folder().c_str(), 1), 0);
    EXPECT_EQ(mark.Acquire(environment.Folder().c_str(), 1), ZT_ERR_MARCA_OCUPADA);
    EXPECT_EQ(mark.Acquire(environment.Folder().c_str(), 2), ZT_ERR_MARCA_OCUPADA);
    EXPECT_TRUE(ticker.sleeps.empty());
    EXPECT_TRUE(mark.IsHeld());
}

// Waiting cannot cure a denied access or a missing folder: both answer at once.
TEST(CZTArqMarca, NonBusyFailuresAnswerAtOnce) {
    TestEnvironment environment;
    const std::string folder = environment.Folder().string();
    // A folder where the mark file should be cannot be opened for writing, even by the superuser.
    fs::create_directory(CZTArqMarca::NomeArquivoMarca(folder.c_str(), 7).GetString());
    FakeTicker ticker;
    CZTArqMarca mark(ticker);
    EXPECT_EQ(mark.Acquire(folder.c_str(), 7), 16080);
    EXPECT_EQ(mark.Acquire(environment.Path("falta").c_str(), 7), static_cast<std::int32_t>(0x80070003));
    EXPECT_TRUE(ticker.sleeps.empty());
    EXPECT_FALSE(mark.IsHeld());
}

// The destructor lets the mark go.
TEST(CZTArqMarca, DestructorReleases) {
    TestEnvironment environment;
    const std::string folder = environment.Folder().string();
    {
        CZTArqMarca mark;
        ASSERT_EQ(mark.Acquire(folder.c_str(), 3), 0);
    }
    FakeTicker ticker;
    CZTArqMarca again(ticker, kShortDeadlineMs);
    EXPECT_EQ(again.Acquire(folder.c_str(), 3), 0);
    EXPECT_TRUE(ticker.sleeps.empty());
}

// A mark held by another process is busy here; it is free again once that process ends.
TEST(CZTArqMarca, MarkHeldByAnotherProcess) {
    TestEnvironment environment;
    const std::string folder = environment.Folder().string();
    int held[2], release[2];
    ASSERT_EQ(pipe(held), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CZTArqMarca mark;
        const char answer = mark.Acquire(folder.c_str(), 255) == 0 ? 'y' : 'n';
        char go = 0;
        const bool ok = write(held[1], &answer, 1) == 1 && read(release[0], &go, 1) == 1;
        _exit(ok ? 0 : 1);
    }
    char answer = 0;
    ASSERT_EQ(read(held[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');

    FakeTicker ticker;
    CQDDBLock lock(folder.c_str(), ticker, kShortDeadlineMs);
    EXPECT_EQ(lock.Acquire(), ZT_ERR_MARCA_OCUPADA);
    const char go = 'g';
    ASSERT_EQ(write(release[1], &go, 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(lock.Acquire(), 0);
    EXPECT_TRUE(lock.IsHeld());
    for (int fd : {held[0], held[1], release[0], release[1]}) close(fd);
}

// The database lock is mark 255 of its folder, shared with any CZTArqMarca of that number.
TEST(CQDDBLock, IsMark255OfTheDataFolder) {
    TestEnvironment environment;
    const std::string folder = environment.Folder().string() + "/";
    FakeTicker ticker;
    {
        CQDDBLock lock(folder.c_str(), ticker, kShortDeadlineMs);
        ASSERT_EQ(lock.Acquire(), 0);
        EXPECT_EQ(lock.GetNomeArquivo(), (environment.Folder() / "XXMARCA255.DAT").string().c_str());
        CZTArqMarca other(ticker, kShortDeadlineMs);
        EXPECT_EQ(other.Acquire(environment.Folder().c_str(), 255), ZT_ERR_MARCA_OCUPADA);
    }
    CZTArqMarca after(ticker, kShortDeadlineMs);
    EXPECT_EQ(after.Acquire(environment.Folder().c_str(), 255), 0);
}
