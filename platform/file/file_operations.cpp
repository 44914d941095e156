#include "platform/file/file_operations.h"

#include "platform/text/codepage.h"
#include "platform/file/file.h"
#include "platform/file/idle_descriptors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace platform {

namespace {

constexpr unsigned kCopyChunk = 64 * 1024;

FileError ErrorOf(const FileException& exception) {
    return {exception.m_cause, static_cast<Win32Error>(exception.m_lOsError)};
}

// Creates `path` empty, failing when it exists; the exclusive step of a fail-if-exists copy.
FileError CreateNew(const String& path) {
    const int fd = ::open(Utf8FromAnsi(path.view()).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return FileErrorFromErrno(errno, path);
    ::close(fd);
    return {};
}

FileError CopyContent(File& source, File& target) {
    std::vector<char> buffer(kCopyChunk);
    try {
        // Ends when the source does: each round reads at least one byte or stops.
        for (;;) {
            const unsigned n = source.Read(buffer.data(), kCopyChunk);
            if (n == 0) break;
            target.Write(buffer.data(), n);
        }
        target.Close();
    } catch (const FileException& exception) {
        return ErrorOf(exception);
    }
    return {};
}

// Gives `to` the permissions and last-write time of `source`; best effort, as the copy is made.
void CopyMetadata(const struct stat& source, const std::string& to) {
    ::chmod(to.c_str(), source.st_mode & 07777);
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    ::utimensat(AT_FDCWD, to.c_str(), times, 0);
}

bool Exists(const std::string& utf8Path) {
    struct stat st {};
    return ::lstat(utf8Path.c_str(), &st) == 0;
}

// The error of a failed rename: a missing name is the source's when the source is missing, else
// the target's (its folder is missing).
FileError RenameError(int errnum, const String& from, const String& to) {
    if (errnum != ENOENT) return FileErrorFromErrno(errnum, from);
    return Exists(Utf8FromAnsi(from.view())) ? FileErrorFromErrno(errnum, to) : FileErrorFromErrno(errnum, from);
}

// Where the file system cannot rename without replacing: a new link, then the old name goes.
FileError LinkAndUnlink(const String& from, const String& to, const std::string& f, const std::string& t) {
    if (::link(f.c_str(), t.c_str()) != 0) return RenameError(errno, from, to);
    if (::unlink(f.c_str()) != 0) {
        const int errnum = errno;
        ::unlink(t.c_str());
        return FileErrorFromErrno(errnum, from);
    }
    return {};
}

FileError MoveAcrossFileSystems(const String& from, const String& to) {
    if (const FileError copied = CopyFile(from, to, true); copied.Failed()) return copied;
    const FileError deleted = DeleteFile(from);
    if (deleted.Failed()) (void)DeleteFile(to);
    return deleted;
}

}  // namespace

FileError DeleteFile(const String& path) {
    if (path.IsEmpty()) return {FileException::badPath, ERROR_PATH_NOT_FOUND};
    const std::string kernelPath = Utf8FromAnsi(path.view());
    ReleaseIdleDescriptors(kernelPath);
    if (::unlink(kernelPath.c_str()) != 0) return FileErrorFromErrno(errno, path);
    return {};
}

FileError CopyFile(const String& from, const String& to, bool failIfExists) {
    File source;
    FileException error;
    if (!source.Open(from, File::modeRead | File::shareDenyWrite, &error)) return ErrorOf(error);
    struct stat sourceStatus {};
    if (::stat(Utf8FromAnsi(from.view()).c_str(), &sourceStatus) != 0) return FileErrorFromErrno(errno, from);
    if (failIfExists) {
        if (const FileError created = CreateNew(to); created.Failed()) return created;
    }
    File target;
    if (!target.Open(to, File::modeWrite | File::shareExclusive | File::modeCreate, &error)) {
        if (failIfExists) (void)DeleteFile(to);
        return ErrorOf(error);
    }
    if (const FileError copied = CopyContent(source, target); copied.Failed()) {
        target.Abort();
        (void)DeleteFile(to);
        return copied;
    }
    CopyMetadata(sourceStatus, Utf8FromAnsi(to.view()));
    return {};
}

FileError RenameFile(const String& from, const String& to) {
    if (from.IsEmpty() || to.IsEmpty()) return {FileException::badPath, ERROR_PATH_NOT_FOUND};
    const std::string f = Utf8FromAnsi(from.view());
    const std::string t = Utf8FromAnsi(to.view());
    ReleaseIdleDescriptors(f);
    if (::renameat2(AT_FDCWD, f.c_str(), AT_FDCWD, t.c_str(), RENAME_NOREPLACE) == 0) return {};
    const int errnum = errno;
    if (errnum == EINVAL || errnum == ENOSYS || errnum == EOPNOTSUPP) return LinkAndUnlink(from, to, f, t);
    if (errnum == EXDEV) {
        struct stat st {};
        if (::lstat(f.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return MoveAcrossFileSystems(from, to);
    }
    return RenameError(errnum, from, to);
}

}  // namespace platform
