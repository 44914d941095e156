#include "platform/file/file.h"

#include "platform/text/codepage.h"
#include "platform/file/file_error.h"
#include "platform/file/file_operations.h"
#include "platform/file/file_share.h"
#include "platform/file/idle_descriptors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <utility>

namespace platform {

namespace {

constexpr unsigned kAccessMask = 0x0003;
constexpr unsigned kShareMask = 0x0070;
constexpr unsigned kKnownFlags = 0x0003 | 0x0070 | File::modeNoInherit | File::modeCreate | File::modeNoTruncate |
                                 File::typeText | File::typeBinary | File::reuseIdleDescriptor;

// What the open flags ask of the kernel and of the share check.
struct OpenPlan {
    int kernelFlags = 0;
    bool truncate = false;
    bool text = false;
    bool reusable = false;
    ShareRequest share;
};

std::optional<OpenPlan> PlanOpen(unsigned flags) {
    if ((flags & ~kKnownFlags) != 0) return std::nullopt;
    if ((flags & File::typeText) && (flags & File::typeBinary)) return std::nullopt;
    OpenPlan plan;
    switch (flags & kAccessMask) {
        case File::modeRead: plan.kernelFlags = O_RDONLY; plan.share.read = true; break;
        case File::modeWrite: plan.kernelFlags = O_WRONLY; plan.share.write = true; break;
        case File::modeReadWrite: plan.kernelFlags = O_RDWR; plan.share.read = plan.share.write = true; break;
        default: return std::nullopt;
    }
    switch (flags & kShareMask) {
        case File::shareCompat:  // the framework treats compatibility mode as exclusive
        case File::shareExclusive: plan.share.denyRead = plan.share.denyWrite = true; break;
        case File::shareDenyWrite: plan.share.denyWrite = true; break;
        case File::shareDenyRead: plan.share.denyRead = true; break;
        case File::shareDenyNone: break;
        default: return std::nullopt;
    }
    if (flags & File::modeCreate) {
        plan.kernelFlags |= O_CREAT;
        plan.truncate = (flags & File::modeNoTruncate) == 0;
    }
    plan.kernelFlags |= O_CLOEXEC | O_NOCTTY;
    plan.text = (flags & File::typeText) != 0;
    plan.reusable = (flags & File::reuseIdleDescriptor) && !(flags & File::modeCreate);
    return plan;
}

// Opens, rejects folders, takes the share locks and truncates; the descriptor or -1 with `error`.
int OpenDescriptor(const String& path, const std::string& kernelPath, const OpenPlan& plan, FileError& error) {
    const int fd = ::open(kernelPath.c_str(), plan.kernelFlags, 0666);
    if (fd < 0) {
        error = FileErrorFromErrno(errno, path);
        return -1;
    }
    // The kernel refuses a folder to an open that may write (EISDIR); only a read-only one asks.
    struct stat st {};
    if (!plan.share.write && ::fstat(fd, &st) != 0) {
        error = FileErrorFromErrno(errno, path);
    } else if (!plan.share.write && S_ISDIR(st.st_mode)) {
        error = FileErrorFromErrno(EISDIR, path);
    } else {
        error = TakeShareLocks(fd, plan.share);
        if (!error.Failed() && plan.truncate && ::ftruncate(fd, 0) != 0) error = FileErrorFromErrno(errno, path);
    }
    if (!error.Failed()) return fd;
    ::close(fd);
    return -1;
}

void Report(FileException* target, const FileError& error, const String& path) {
    if (target) *target = FileException(error.cause, static_cast<long>(error.error), path);
}

}  // namespace

File::~File() { Abort(); }

bool File::Open(const String& path, unsigned flags, FileException* error) {
    if (IsOpen()) {
        Report(error, {FileException::genericException, ERROR_INVALID_FUNCTION}, path);
        return false;
    }
    const std::optional<OpenPlan> plan = PlanOpen(flags);
    if (!plan) {
        Report(error, {FileException::genericException, ERROR_INVALID_PARAMETER}, path);
        return false;
    }
    if (path.IsEmpty()) {
        Report(error, {FileException::badPath, ERROR_PATH_NOT_FOUND}, path);
        return false;
    }
    std::string kernelPath = Utf8FromAnsi(path.view());
    const bool reusable = plan->reusable && KeepsIdleDescriptors();
    int fd = -1;
    knownLength_.reset();
    if (reusable) {
        fd = TakeIdleDescriptor(kernelPath, plan->kernelFlags, plan->share, knownLength_);
    } else {
        ReleaseIdleDescriptors(kernelPath);  // our own idle descriptor would be in this open's way
    }
    if (fd < 0) {
        FileError failure;
        fd = OpenDescriptor(path, kernelPath, *plan, failure);
        if (fd < 0) {
            Report(error, failure, path);
            return false;
        }
    }
    fd_ = fd;
    position_ = 0;
    text_ = plan->text;
    path_ = path;
    reusable_ = reusable;
    if (reusable) {
        kernelFlags_ = plan->kernelFlags;
        share_ = plan->share;
        kernelPath_ = std::move(kernelPath);
    }
    return true;
}

int File::ReleaseDescriptor() {
    const int fd = fd_;
    fd_ = -1;
    const std::optional<std::uint64_t> length = reusable_ && IdleDescriptorAlone(fd) ? knownLength_ : std::nullopt;
    knownLength_.reset();
    if (reusable_ && KeepIdleDescriptor(fd, kernelPath_, kernelFlags_, share_, length)) return 0;
    // Linux releases the descriptor even when close reports an error; never close it twice.
    return ::close(fd) != 0 && errno != EINTR ? errno : 0;
}

void File::Close() {
    if (!IsOpen()) return;
    if (const int errnum = ReleaseDescriptor()) Fail(errnum);
}

void File::Abort() {
    if (IsOpen()) (void)ReleaseDescriptor();
}

void File::Rename(const String& from, const String& to) {
    if (const FileError error = RenameFile(from, to); error.Failed()) ThrowFileError(error, from);
}

void File::Remove(const String& path) {
    if (const FileError error = DeleteFile(path); error.Failed()) ThrowFileError(error, path);
}

bool File::GetStatus(const String& path, FileStatus& status) { return GetFileStatus(path, status) == ERROR_SUCCESS; }

void File::Fail(int errnum) const { ThrowFileError(FileErrorFromErrno(errnum, path_), path_); }

void File::RequireOpen() const {
    if (!IsOpen()) ThrowFileError({FileException::genericException, ERROR_INVALID_HANDLE}, path_);
}

}  // namespace platform
