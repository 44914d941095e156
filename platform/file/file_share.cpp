#include "platform/file/file_share.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace platform {

namespace {

enum Mark { kReads = 0, kWrites = 1, kDeniesReading = 2, kDeniesWriting = 3, kMarkCount = 4 };

constexpr off_t kMarkSlots = 256;
constexpr off_t kFirstByte = INT64_MAX - (kMarkCount + 1) * kMarkSlots;
constexpr off_t kGateByte = kFirstByte + kMarkCount * kMarkSlots;
constexpr int kMaxInterruptions = 1000;

constexpr off_t MarkStart(Mark mark) { return kFirstByte + mark * kMarkSlots; }

// One fcntl lock call on [start, start + length); 0 or errno. For F_OFD_GETLK, `type` becomes
// the type of a conflicting lock (F_UNLCK when there is none).
int LockCall(int fd, int command, short& type, off_t start, off_t length) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    lock.l_pid = 0;  // required by the OFD commands
    for (int attempt = 0; attempt < kMaxInterruptions; ++attempt) {
        if (::fcntl(fd, command, &lock) == 0) {
            type = lock.l_type;
            return 0;
        }
        if (errno != EINTR) return errno;
    }
    return EINTR;
}

int Unlock(int fd, off_t start, off_t length) {
    short type = F_UNLCK;
    return LockCall(fd, F_OFD_SETLK, type, start, length);
}

// Whether a description other than fd's holds any byte of `mark`; errno on failure.
int OthersHold(int fd, Mark mark, bool& held) {
    short type = F_WRLCK;
    const int error = LockCall(fd, F_OFD_GETLK, type, MarkStart(mark), kMarkSlots);
    held = error == 0 && type != F_UNLCK;
    return error;
}

// Publishes one mark: shared on the first byte when fd may read, else exclusive on a free slot.
// Write-only opens hold the gate exclusively here, so no other open picks slots meanwhile.
FileError Publish(int fd, Mark mark, bool readable) {
    if (readable) {
        short type = F_RDLCK;
        return FileErrorFromErrno(LockCall(fd, F_OFD_SETLK, type, MarkStart(mark), 1));
    }
    for (off_t slot = 1; slot < kMarkSlots; ++slot) {
        short type = F_WRLCK;
        if (const int error = LockCall(fd, F_OFD_GETLK, type, MarkStart(mark) + slot, 1)) return FileErrorFromErrno(error);
        if (type != F_UNLCK) continue;
        type = F_WRLCK;
        const int error = LockCall(fd, F_OFD_SETLK, type, MarkStart(mark) + slot, 1);
        if (error == 0) return {};
        if (error != EAGAIN && error != EACCES) return FileErrorFromErrno(error);
    }
    return {FileException::tooManyOpenFiles, ERROR_TOO_MANY_OPEN_FILES};
}

// The marks this open publishes and, for each, the mark of others it must not meet.
struct Rule {
    bool wanted;
    Mark mine;
    Mark conflicting;
};

FileError PublishAndCheck(int fd, const ShareRequest& request) {
    const Rule rules[] = {
        {request.read, kReads, kDeniesReading},
        {request.write, kWrites, kDeniesWriting},
        {request.denyRead, kDeniesReading, kReads},
        {request.denyWrite, kDeniesWriting, kWrites},
    };
    for (const Rule& rule : rules) {
        if (!rule.wanted) continue;
        if (const FileError error = Publish(fd, rule.mine, request.read); error.Failed()) return error;
    }
    for (const Rule& rule : rules) {
        if (!rule.wanted) continue;
        bool held = false;
        if (const int error = OthersHold(fd, rule.conflicting, held)) return FileErrorFromErrno(error);
        if (held) return {FileException::sharingViolation, ERROR_SHARING_VIOLATION};
    }
    return {};
}

}  // namespace

FileError TakeShareLocks(int fd, const ShareRequest& request) {
    short gate = request.write ? F_WRLCK : F_RDLCK;
    if (const int error = LockCall(fd, F_OFD_SETLKW, gate, kGateByte, 1)) return FileErrorFromErrno(error);
    const FileError result = PublishAndCheck(fd, request);
    if (result.Failed()) Unlock(fd, kFirstByte, kMarkCount * kMarkSlots);
    Unlock(fd, kGateByte, 1);
    return result;
}

}  // namespace platform
