#include "platform/crypto/private_data.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace platform {
namespace {

namespace fs = std::filesystem;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;

const String kKey = "SCM:{4B4D8D03-A43C-40B2-96AB-F3959C95B740}";

unsigned ModeOf(const String& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.GetString(), &st), 0);
    return st.st_mode & 07777;
}

TEST(PrivateData, StoredSecretReadsBackAndOnlyItsOwnerMayUseIt) {
    TestEnvironment env;
    const std::string secret("s\0enha\xE7", 7);
    ASSERT_EQ(StorePrivateData(kKey, secret), ERROR_SUCCESS);
    std::string read;
    ASSERT_EQ(RetrievePrivateData(kKey, read), ERROR_SUCCESS);
    EXPECT_EQ(read, secret);
    const String path = PrivateDataPath(kKey);
    EXPECT_EQ(path, String((env.RegistryFolder() / "private" / kKey.str()).string()));
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(ModeOf(String((env.RegistryFolder() / "private").string())), 0700u);
}

TEST(PrivateData, ReplacingKeepsTheFileOwnerOnly) {
    TestEnvironment env;
    ASSERT_EQ(StorePrivateData(kKey, "first"), ERROR_SUCCESS);
    ASSERT_EQ(StorePrivateData(kKey, "second"), ERROR_SUCCESS);
    std::string read;
    ASSERT_EQ(RetrievePrivateData(kKey, read), ERROR_SUCCESS);
    EXPECT_EQ(read, "second");
    EXPECT_EQ(ModeOf(PrivateDataPath(kKey)), 0600u);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(env.RegistryFolder() / "private"), fs::directory_iterator()), 1);
}

TEST(PrivateData, MissingSecretIsFileNotFound) {
    TestEnvironment env;
    std::string read = "old";
    EXPECT_EQ(RetrievePrivateData(kKey, read), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(read.empty());
}

// Guards against using a secret that others could have read or replaced.
TEST(PrivateData, SecretThatOthersCouldUseIsRefused) {
    struct Case {
        const char* name;
        unsigned mode;
    } cases[] = {{"group may read", 0640}, {"others may read", 0604}, {"group may write", 0620}, {"others may write", 0602}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestEnvironment env;
        ASSERT_EQ(StorePrivateData(kKey, "secret"), ERROR_SUCCESS);
        ASSERT_EQ(::chmod(PrivateDataPath(kKey).GetString(), c.mode), 0);
        std::string read;
        EXPECT_EQ(RetrievePrivateData(kKey, read), ERROR_ACCESS_DENIED);
        EXPECT_TRUE(read.empty());
    }
}

TEST(PrivateData, LinkOrFolderInPlaceOfTheSecretIsRefused) {
    TestEnvironment env;
    WriteFile(env.Path("elsewhere"), "secret");
    ASSERT_EQ(::chmod(env.Path("elsewhere").c_str(), 0600), 0);
    ASSERT_EQ(StorePrivateData("other", "x"), ERROR_SUCCESS);  // makes the folder
    fs::create_symlink(env.Path("elsewhere"), PrivateDataPath(kKey).GetString());
    std::string read;
    EXPECT_EQ(RetrievePrivateData(kKey, read), ERROR_ACCESS_DENIED);
    fs::remove(PrivateDataPath(kKey).GetString());
    fs::create_directory(PrivateDataPath(kKey).GetString());
    ::chmod(PrivateDataPath(kKey).GetString(), 0700);
    EXPECT_EQ(RetrievePrivateData(kKey, read), ERROR_ACCESS_DENIED);
}

TEST(PrivateData, BadKeyNamesAndOversizedSecretsAreRefused) {
    TestEnvironment env;
    const String names[] = {"", ".", "..", "a/b", "../escape", String(std::string("a\0b", 3)), String(std::string(256, 'k'))};
    for (const String& name : names) {
        SCOPED_TRACE(name.str());
        std::string read;
        EXPECT_EQ(StorePrivateData(name, "x"), ERROR_INVALID_PARAMETER);
        EXPECT_EQ(RetrievePrivateData(name, read), ERROR_INVALID_PARAMETER);
        EXPECT_TRUE(PrivateDataPath(name).IsEmpty());
    }
    EXPECT_EQ(StorePrivateData(kKey, std::string(kMaxPrivateDataBytes + 1, 'x')), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(StorePrivateData(kKey, std::string(kMaxPrivateDataBytes, 'x')), ERROR_SUCCESS);
    // A file grown beyond the limit by other means is not read into memory.
    WriteFile(PrivateDataPath(kKey).GetString(), std::string(kMaxPrivateDataBytes + 1, 'y'));
    ASSERT_EQ(::chmod(PrivateDataPath(kKey).GetString(), 0600), 0);
    std::string read;
    EXPECT_EQ(RetrievePrivateData(kKey, read), ERROR_INVALID_DATA);
}

}  // namespace
}  // namespace platform
