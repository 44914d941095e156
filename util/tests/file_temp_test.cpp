#include "util/file/zt_temp_file.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using kelvo::testing::TestEnvironment;
namespace fs = std::filesystem;

// Points TMPDIR at a folder for one test and puts the old value back.
class TmpDirAt {
public:
    explicit TmpDirAt(const std::string& folder) {
        if (const char* old = std::getenv("TMPDIR")) old_ = old;
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TmpDirAt() {
        if (old_) {
            ::setenv("TMPDIR", old_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

private:
    std::optional<std::string> old_;
};

TEST(ZTTempFile, DiretorioTempEndsInASlash) {
    TestEnvironment env;
    TmpDirAt tmp(env.Folder().string());
    EXPECT_EQ(ZTGetDiretorioTemp(), env.Folder().string() + "/");
}

TEST(ZTTempFile, NomeArquivoTempCreatesANewFileWithThePrefix) {
    TestEnvironment env;
    TmpDirAt tmp(env.Folder().string());
    const CZTString first = ZTGetNomeArquivoTemp();
    const CZTString second = ZTGetNomeArquivoTemp();
    ASSERT_FALSE(first.IsEmpty());
    EXPECT_NE(first, second);
    const fs::path path(first.str());
    EXPECT_EQ(path.parent_path(), env.Folder());
    EXPECT_EQ(path.filename().string().substr(0, 2), "ZT");
    EXPECT_EQ(path.extension(), ".tmp");
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0u);

    const CZTString named = ZTGetNomeArquivoTemp("QDXYZ");
    const std::string name = fs::path(named.str()).filename().string();
    EXPECT_EQ(name.substr(0, 3), "QDX");  // the original keeps three characters of the prefix
    EXPECT_EQ(name.size(), 11u);
}

TEST(ZTTempFile, NomeArquivoTempIsEmptyWhenNothingCanBeCreated) {
    TestEnvironment env;
    TmpDirAt tmp(env.Path("missing"));
    EXPECT_TRUE(ZTGetNomeArquivoTemp().IsEmpty());
}

}  // namespace
