#include "platform/file/file.h"
#include "platform/file/file_error.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace platform {
namespace {

using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;

// Callers turn causes into their own message codes, so each errno must land on the cause and
// the Win32 number the original platform gave for the same situation.
TEST(FileError, ErrnoMapsToCauseAndWin32Error) {
    struct Case {
        int errnum;
        FileException::Cause cause;
        Win32Error error;
    };
    const Case cases[] = {
        {0, FileException::none, ERROR_SUCCESS},
        {ENOTDIR, FileException::badPath, ERROR_PATH_NOT_FOUND},
        {ENAMETOOLONG, FileException::badPath, ERROR_FILENAME_EXCED_RANGE},
        {EACCES, FileException::accessDenied, ERROR_ACCESS_DENIED},
        {EPERM, FileException::accessDenied, ERROR_ACCESS_DENIED},
        {EROFS, FileException::accessDenied, ERROR_ACCESS_DENIED},
        {EISDIR, FileException::accessDenied, ERROR_ACCESS_DENIED},
        {EMFILE, FileException::tooManyOpenFiles, ERROR_TOO_MANY_OPEN_FILES},
        {ENFILE, FileException::tooManyOpenFiles, ERROR_TOO_MANY_OPEN_FILES},
        {ENOSPC, FileException::diskFull, ERROR_DISK_FULL},
        {EDQUOT, FileException::diskFull, ERROR_DISK_FULL},
        {EIO, FileException::hardIO, ERROR_GEN_FAILURE},
        {EEXIST, FileException::genericException, ERROR_ALREADY_EXISTS},
        {ENOTEMPTY, FileException::genericException, ERROR_DIR_NOT_EMPTY},
    };
    for (const Case& c : cases) {
        const FileError mapped = FileErrorFromErrno(c.errnum);
        EXPECT_EQ(mapped.cause, c.cause) << "errno " << c.errnum;
        EXPECT_EQ(mapped.error, c.error) << "errno " << c.errnum;
    }
}

TEST(FileError, MissingNameIsFileNotFoundOnlyWhenItsFolderExists) {
    TestEnvironment env;
    WriteFile(env.Path("plain.txt"), "x");
    EXPECT_EQ(FileErrorFromErrno(ENOENT, env.Path("missing.txt")),
              (FileError{FileException::fileNotFound, ERROR_FILE_NOT_FOUND}));
    EXPECT_EQ(FileErrorFromErrno(ENOENT, env.Path("nofolder/missing.txt")),
              (FileError{FileException::badPath, ERROR_PATH_NOT_FOUND}));
    EXPECT_EQ(FileErrorFromErrno(ENOENT, env.Path("plain.txt/missing.txt")),
              (FileError{FileException::badPath, ERROR_PATH_NOT_FOUND}));
}

// The same situations met by a real open, where the kernel picks the errno.
TEST(FileError, OpenFailuresReportTheExpectedCause) {
    TestEnvironment env;
    WriteFile(env.Path("plain.txt"), "x");
    struct Case {
        std::string path;
        unsigned flags;
        FileException::Cause cause;
        Win32Error error;
        const char* what;
    };
    const Case cases[] = {
        {env.Path("missing.txt"), File::modeRead, FileException::fileNotFound, ERROR_FILE_NOT_FOUND, "missing file"},
        {env.Path("nofolder/a.txt"), File::modeRead, FileException::badPath, ERROR_PATH_NOT_FOUND, "missing folder"},
        {env.Path("nofolder/a.txt"), File::modeReadWrite | File::modeCreate, FileException::badPath,
         ERROR_PATH_NOT_FOUND, "creating in a missing folder"},
        {env.Path("plain.txt/a.txt"), File::modeRead, FileException::badPath, ERROR_PATH_NOT_FOUND,
         "a file used as a folder"},
        {env.Path(""), File::modeRead, FileException::accessDenied, ERROR_ACCESS_DENIED, "a folder opened to read"},
        {env.Path(""), File::modeReadWrite, FileException::accessDenied, ERROR_ACCESS_DENIED, "a folder opened to write"},
        {env.Path(std::string(300, 'n')), File::modeRead, FileException::badPath, ERROR_FILENAME_EXCED_RANGE,
         "a name too long"},
        {"", File::modeRead, FileException::badPath, ERROR_PATH_NOT_FOUND, "an empty path"},
    };
    for (const Case& c : cases) {
        File file;
        FileException error;
        EXPECT_FALSE(file.Open(c.path, c.flags, &error)) << c.what;
        EXPECT_EQ(error.m_cause, c.cause) << c.what;
        EXPECT_EQ(error.m_lOsError, static_cast<long>(c.error)) << c.what;
        EXPECT_EQ(error.m_strFileName, String(c.path)) << c.what;
        EXPECT_FALSE(file.IsOpen()) << c.what;
    }
}

// Permission bits do not stop the superuser, so these cases only mean something for others.
TEST(FileError, NoPermissionIsAccessDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: permission bits do not apply";
    TestEnvironment env;
    WriteFile(env.Path("locked.txt"), "x");
    ASSERT_EQ(::chmod(env.Path("locked.txt").c_str(), 0444), 0);
    File file;
    FileException error;
    EXPECT_FALSE(file.Open(env.Path("locked.txt"), File::modeReadWrite, &error));
    EXPECT_EQ(error.m_cause, FileException::accessDenied);
    EXPECT_EQ(error.m_lOsError, static_cast<long>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(file.Open(env.Path("locked.txt"), File::modeRead));
    file.Close();

    ASSERT_EQ(::mkdir(env.Path("closed").c_str(), 0500), 0);
    EXPECT_FALSE(file.Open(env.Path("closed/new.txt"), File::modeReadWrite | File::modeCreate, &error));
    EXPECT_EQ(error.m_cause, FileException::accessDenied);
}

}  // namespace
}  // namespace platform
