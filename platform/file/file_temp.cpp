#include "platform/file/file_temp.h"

#include "platform/text/codepage.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>

namespace platform {

namespace {

constexpr unsigned kNumbers = 0xFFFF;  // 0001 to FFFF
constexpr int kPrefixLength = 3;

String TempName(const String& folder, const String& prefix, unsigned number) {
    String name;
    name.Format("%s%04X.tmp", prefix.Left(kPrefixLength).GetString(), number);
    if (folder.IsEmpty() || folder.GetAt(folder.GetLength() - 1) == '/') return folder + name;
    return folder + "/" + name;
}

unsigned RandomStart() {
    std::random_device device;
    return std::uniform_int_distribution<unsigned>(0, kNumbers - 1)(device);
}

}  // namespace

String TempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    String folder(tmpdir && *tmpdir ? AnsiFromUtf8(tmpdir) : std::string("/tmp"));
    if (folder.GetAt(folder.GetLength() - 1) != '/') folder += '/';
    return folder;
}

FileError CreateTempFile(const String& folder, const String& prefix, String& path) {
    path.Empty();
    const unsigned start = RandomStart();
    for (unsigned i = 0; i < kNumbers; ++i) {
        const String candidate = TempName(folder, prefix, (start + i) % kNumbers + 1);
        const int fd = ::open(Utf8FromAnsi(candidate.view()).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            path = candidate;
            return {};
        }
        if (errno != EEXIST) return FileErrorFromErrno(errno, candidate);
    }
    return {FileException::genericException, ERROR_FILE_EXISTS};
}

}  // namespace platform
