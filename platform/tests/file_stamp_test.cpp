// File stamps: the settling rule, the time steps of file systems, and what a stamp tells apart.
#include "platform/file/file.h"
#include "platform/file/file_stamp.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <linux/magic.h>

#include <filesystem>
#include <string>

namespace platform {
namespace {

using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;

constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kSegundo = 1000 * kMs;

// Guards the rule a cache rests on: a stamp vouches only once the last change lies a whole step
// before the reading, by its write time or its change time, whichever is later.
TEST(FileStampSettled, OnlyAWholeStepAfterTheLastChange) {
    struct Caso {
        std::int64_t modificado, mudado, lido, passo;
        bool assentado;
    };
    const Caso casos[] = {
        {100 * kSegundo, 100 * kSegundo, 200 * kSegundo, 8 * kMs, true},          // long ago
        {100 * kSegundo, 100 * kSegundo, 100 * kSegundo + 8 * kMs, 8 * kMs, true},  // exactly one step
        {100 * kSegundo, 100 * kSegundo, 100 * kSegundo + 7 * kMs, 8 * kMs, false}, // within the step
        {100 * kSegundo, 150 * kSegundo, 151 * kSegundo, 2 * kSegundo, false},      // a later change time counts
        {150 * kSegundo, 100 * kSegundo, 151 * kSegundo, 2 * kSegundo, false},      // so does a later write time
        {100 * kSegundo, 100 * kSegundo, 90 * kSegundo, 8 * kMs, false},            // the clock went back
    };
    for (const Caso& c : casos) {
        const FileStamp carimbo{1, 2, 3, c.modificado, c.mudado};
        EXPECT_EQ(FileStampSettled(carimbo, c.lido, c.passo), c.assentado)
            << c.modificado << " " << c.mudado << " " << c.lido;
    }
}

// Guards the steps: a file system that keeps fractions of a second and takes the kernel's clock
// steps by the tick; one whose times hold whole seconds, and any other kind (network, FAT), by
// the coarsest step in use.
TEST(FileTimeGranularityNs, TickOnlyWhereTheTimesShowIt) {
    const FileStamp fino{1, 2, 3, 100 * kSegundo + 123, 100 * kSegundo + 456};
    const FileStamp inteiro{1, 2, 3, 100 * kSegundo, 101 * kSegundo};
    const std::int64_t tique = FileTimeGranularityNs(EXT4_SUPER_MAGIC, fino);
    EXPECT_GT(tique, 0);
    EXPECT_LT(tique, 2 * kSegundo);
    EXPECT_EQ(FileTimeGranularityNs(TMPFS_MAGIC, fino), tique);
    EXPECT_EQ(FileTimeGranularityNs(EXT4_SUPER_MAGIC, inteiro), 2 * kSegundo);
    EXPECT_EQ(FileTimeGranularityNs(NFS_SUPER_MAGIC, fino), 2 * kSegundo);
    EXPECT_EQ(FileTimeGranularityNs(MSDOS_SUPER_MAGIC, fino), 2 * kSegundo);
}

// Guards what a stamp tells apart without the times: the same file read twice, a file that grew,
// and another file put in its place under the same name.
TEST(FileReadStamp, IdentityAndSize) {
    TestEnvironment ambiente;
    const std::string caminho = ambiente.Path("a.dat");
    WriteFile(caminho, "abc");
    const auto carimbo = [&] {
        File arquivo;
        EXPECT_TRUE(arquivo.Open(caminho.c_str(), File::modeRead | File::shareDenyNone));
        return arquivo.ReadStamp().stamp;
    };
    const FileStamp primeiro = carimbo();
    EXPECT_EQ(carimbo(), primeiro);
    EXPECT_EQ(primeiro.size, 3u);
    WriteFile(caminho, "abcd");
    EXPECT_EQ(carimbo().size, 4u);
    EXPECT_EQ(carimbo().inode, primeiro.inode);
    WriteFile(ambiente.Path("b.dat"), "abc");
    std::filesystem::rename(ambiente.Path("b.dat"), caminho);
    EXPECT_NE(carimbo().inode, primeiro.inode);
}

}  // namespace
}  // namespace platform
