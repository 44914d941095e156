// Reading, writing and positioning an open File, with the text-mode line-end translation.
#include "platform/file/file.h"

#include "platform/file/file_error.h"
#include "platform/file/idle_descriptors.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

namespace platform {

namespace {

constexpr unsigned kTextChunk = 16 * 1024;
constexpr std::uint64_t kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());

// Drops every CR that a LF follows inside data[0, size); returns the new size. A CR in the last
// place is kept: its LF, if any, is still on disk.
size_t CompactLineEnds(char* data, size_t size) {
    size_t out = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') continue;
        data[out++] = data[i];
    }
    return out;
}

// Calls `readOnce(from)` (which reads into the request from its byte `from` on, answering as read()
// does) until `count` bytes are in or the file ends, again after an interruption; the bytes read,
// or minus the errno of a failure.
template <class ReadOnce>
std::int64_t ReadFully(unsigned count, ReadOnce&& readOnce) {
    unsigned done = 0;
    while (done < count) {
        const ssize_t n = readOnce(done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -errno;
        if (n == 0) break;
        done += static_cast<unsigned>(n);
    }
    return done;
}

}  // namespace

unsigned File::Read(void* buffer, unsigned count) {
    RequireOpen();
    if (count == 0) return 0;
    char* out = static_cast<char*>(buffer);
    return text_ ? ReadText(out, count) : ReadRaw(out, count);
}

unsigned File::ReadRaw(char* buffer, unsigned count) {
    if (position_ > kMaxOffset - count) ThrowFileError({FileException::badSeek, ERROR_INVALID_PARAMETER}, path_);
    const std::int64_t done = ReadFully(count, [&](unsigned from) {
        return ::pread(fd_, buffer + from, count - from, static_cast<off_t>(position_ + from));
    });
    if (done < 0) Fail(static_cast<int>(-done));
    position_ += static_cast<std::uint64_t>(done);
    return static_cast<unsigned>(done);
}

// Each round consumes at least one byte from disk or meets the end, so the loop is bounded by
// the bytes asked for plus the CRs dropped.
unsigned File::ReadText(char* buffer, unsigned count) {
    unsigned done = 0;
    while (done < count) {
        const unsigned wanted = count - done;
        const unsigned got = ReadRaw(buffer + done, wanted);
        if (got == 0) break;
        const size_t kept = CompactLineEnds(buffer + done, got);
        if (buffer[done + kept - 1] == '\r') {
            char next = 0;
            if (ReadRaw(&next, 1) == 1) {
                if (next == '\n') {
                    buffer[done + kept - 1] = '\n';
                } else {
                    Seek(-1, current);  // not ours: leave it for the next read
                }
            }
        }
        done += static_cast<unsigned>(kept);
        if (got < wanted) break;  // the file ended inside this round
    }
    return done;
}

unsigned File::ReadAt(std::uint64_t offset, void* buffer, unsigned count) const {
    RequireOpen();
    if (offset > kMaxOffset - count) ThrowFileError({FileException::badSeek, ERROR_INVALID_PARAMETER}, path_);
    char* out = static_cast<char*>(buffer);
    const std::int64_t done = ReadFully(count, [&](unsigned from) {
        return ::pread(fd_, out + from, count - from, static_cast<off_t>(offset + from));
    });
    if (done < 0) Fail(static_cast<int>(-done));
    return static_cast<unsigned>(done);
}

void File::Write(const void* buffer, unsigned count) {
    RequireOpen();
    if (count == 0) return;
    const char* data = static_cast<const char*>(buffer);
    if (text_) {
        WriteText(data, count);
    } else {
        WriteRaw(data, count);
    }
}

void File::WriteRaw(const char* buffer, std::uint64_t count) {
    if (position_ > kMaxOffset - count) ThrowFileError({FileException::badSeek, ERROR_INVALID_PARAMETER}, path_);
    std::uint64_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd_, buffer + done, count - done, static_cast<off_t>(position_ + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            position_ += done;
            knownLength_.reset();
            Fail(errno);
        }
        if (n == 0) {
            position_ += done;
            knownLength_.reset();
            Fail(ENOSPC);  // a regular file that takes nothing is full
        }
        done += static_cast<std::uint64_t>(n);
    }
    position_ += done;
    if (knownLength_) knownLength_ = std::max(*knownLength_, position_);
}

void File::WriteText(const char* buffer, unsigned count) {
    std::string chunk;
    chunk.reserve(2 * kTextChunk);
    for (unsigned start = 0; start < count; start += kTextChunk) {
        const unsigned end = std::min(count, start + kTextChunk);
        chunk.clear();
        for (unsigned i = start; i < end; ++i) {
            if (buffer[i] == '\n') chunk += '\r';
            chunk += buffer[i];
        }
        WriteRaw(chunk.data(), chunk.size());
    }
}

std::uint64_t File::Seek(std::int64_t offset, unsigned from) {
    RequireOpen();
    std::int64_t base = 0;
    switch (from) {
        case begin: break;
        case current: base = static_cast<std::int64_t>(GetPosition()); break;
        case end: base = static_cast<std::int64_t>(GetLength()); break;
        default: ThrowFileError({FileException::badSeek, ERROR_INVALID_PARAMETER}, path_);
    }
    std::int64_t target = 0;
    if (__builtin_add_overflow(base, offset, &target)) ThrowFileError({FileException::badSeek, ERROR_INVALID_PARAMETER}, path_);
    if (target < 0) ThrowFileError({FileException::badSeek, ERROR_NEGATIVE_SEEK}, path_);
    position_ = static_cast<std::uint64_t>(target);
    return position_;
}

std::uint64_t File::GetPosition() const {
    RequireOpen();
    return position_;
}

std::uint64_t File::GetLength() const {
    RequireOpen();
    if (knownLength_ && IdleDescriptorAlone(fd_)) return *knownLength_;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail(errno);
    if (reusable_) knownLength_ = static_cast<std::uint64_t>(st.st_size);
    return static_cast<std::uint64_t>(st.st_size);
}

void File::SetLength(std::uint64_t length) {
    RequireOpen();
    if (length > kMaxOffset) ThrowFileError({FileException::badSeek, ERROR_INVALID_PARAMETER}, path_);
    knownLength_.reset();
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) Fail(errno);
    if (reusable_) knownLength_ = length;
    Seek(static_cast<std::int64_t>(length), begin);
}

void File::Flush() {
    RequireOpen();
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) Fail(errno);
}

}  // namespace platform
