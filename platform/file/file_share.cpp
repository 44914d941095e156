#include "platform/file/file_share.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace platform {

namespace {

// The marks in the order of their bytes for opens that may read (see below).
enum Mark { kReads = 0, kWrites = 1, kDeniesWriting = 2, kDeniesReading = 3, kMarkCount = 4 };

// Layout, from kFirstByte: one byte per mark for opens that may read (all of them share it), then
// the free slots of write-only opens for "denies reading", "denies writing" and "writes". Each
// mark's bytes are its byte and its slots; "denies reading" lies beside its slots, and every mark
// but "reads" runs from byte 1 to the end, so the usual opens check all they must not meet in one
// query and publish in one call.
constexpr off_t kSlots = 255;
constexpr off_t kMarksBytes = kMarkCount + 3 * kSlots;
constexpr off_t kFirstByte = INT64_MAX - kMarksBytes - 1;
constexpr off_t kGateByte = kFirstByte + kMarksBytes;
constexpr int kMaxInterruptions = 1000;

// A range of bytes [start, start + length), offsets from kFirstByte.
struct Range {
    off_t start;
    off_t length;
    [[nodiscard]] off_t End() const { return start + length; }
};

// The slots of write-only opens for `mark` ("reads" has none: such opens never read).
constexpr Range SlotsOf(Mark mark) {
    switch (mark) {
        case kDeniesReading: return {kMarkCount, kSlots};
        case kDeniesWriting: return {kMarkCount + kSlots, kSlots};
        case kWrites: return {kMarkCount + 2 * kSlots, kSlots};
        default: return {0, 0};
    }
}

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

// Whether a description other than fd's holds any byte of `range`; errno on failure.
int OthersHold(int fd, Range range, bool& held) {
    short type = F_WRLCK;
    const int error = LockCall(fd, F_OFD_GETLK, type, kFirstByte + range.start, range.length);
    held = error == 0 && type != F_UNLCK;
    return error;
}

// Sorts `ranges` and joins those that touch, in place; how many are left.
std::size_t Join(Range* ranges, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i) {  // a handful of ranges: insertion sort by start
        for (std::size_t j = i; j > 0 && ranges[j].start < ranges[j - 1].start; --j) std::swap(ranges[j], ranges[j - 1]);
    }
    std::size_t joined = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (joined > 0 && ranges[i].start <= ranges[joined - 1].End()) {
            ranges[joined - 1].length = std::max(ranges[joined - 1].End(), ranges[i].End()) - ranges[joined - 1].start;
        } else {
            ranges[joined++] = ranges[i];
        }
    }
    return joined;
}

// A write-only open's mark: an exclusive lock on a free slot (the kernel does not let such a
// description take shared locks). It holds the gate exclusively, so no other open picks slots
// meanwhile.
FileError PublishInSlot(int fd, Mark mark) {
    const Range slots = SlotsOf(mark);
    for (off_t slot = slots.start; slot < slots.End(); ++slot) {
        short type = F_WRLCK;
        if (const int error = LockCall(fd, F_OFD_GETLK, type, kFirstByte + slot, 1)) return FileErrorFromErrno(error);
        if (type != F_UNLCK) continue;
        type = F_WRLCK;
        const int error = LockCall(fd, F_OFD_SETLK, type, kFirstByte + slot, 1);
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

// Publishes the wanted marks: an open that may read takes its marks' bytes shared, each run of
// neighbouring bytes in one call.
FileError Publish(int fd, const Rule (&rules)[kMarkCount], bool readable) {
    Range bytes[kMarkCount];
    std::size_t count = 0;
    for (const Rule& rule : rules) {
        if (!rule.wanted) continue;
        if (!readable) {
            if (const FileError error = PublishInSlot(fd, rule.mine); error.Failed()) return error;
            continue;
        }
        bytes[count++] = {rule.mine, 1};
    }
    for (std::size_t i = 0, runs = Join(bytes, count); i < runs; ++i) {
        short type = F_RDLCK;
        if (const int error = LockCall(fd, F_OFD_SETLK, type, kFirstByte + bytes[i].start, bytes[i].length)) {
            return FileErrorFromErrno(error);
        }
    }
    return {};
}

// Whether any other open holds a mark this one must not meet, asking once per run of bytes.
FileError Check(int fd, const Rule (&rules)[kMarkCount]) {
    Range bytes[2 * kMarkCount];
    std::size_t count = 0;
    for (const Rule& rule : rules) {
        if (!rule.wanted) continue;
        bytes[count++] = {rule.conflicting, 1};
        if (const Range slots = SlotsOf(rule.conflicting); slots.length > 0) bytes[count++] = slots;
    }
    for (std::size_t i = 0, runs = Join(bytes, count); i < runs; ++i) {
        bool held = false;
        if (const int error = OthersHold(fd, bytes[i], held)) return FileErrorFromErrno(error);
        if (held) return {FileException::sharingViolation, ERROR_SHARING_VIOLATION};
    }
    return {};
}

FileError PublishAndCheck(int fd, const ShareRequest& request) {
    const Rule rules[kMarkCount] = {
        {request.read, kReads, kDeniesReading},
        {request.write, kWrites, kDeniesWriting},
        {request.denyRead, kDeniesReading, kReads},
        {request.denyWrite, kDeniesWriting, kWrites},
    };
    if (const FileError error = Publish(fd, rules, request.read); error.Failed()) return error;
    return Check(fd, rules);
}

}  // namespace

FileError TakeShareLocks(int fd, const ShareRequest& request) {
    short gate = request.write ? F_WRLCK : F_RDLCK;
    if (const int error = LockCall(fd, F_OFD_SETLKW, gate, kGateByte, 1)) return FileErrorFromErrno(error);
    const FileError result = PublishAndCheck(fd, request);
    if (result.Failed()) Unlock(fd, kFirstByte, kMarksBytes);
    Unlock(fd, kGateByte, 1);
    return result;
}

}  // namespace platform
