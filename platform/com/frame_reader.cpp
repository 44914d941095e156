#include "platform/com/frame_reader.h"

#include "platform/com/wire.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

namespace platform::com {

namespace {

// The growth step of a large body read in place: no more is reserved than what arrived plus this.
constexpr std::size_t kReadChunk = std::size_t{64} << 10;

// One blocking read of up to `size` bytes, retried when a signal interrupts it.
ReadStatus ReadSome(int fd, std::byte* data, std::size_t size, std::size_t* got) {
    for (;;) {
        const ssize_t read = ::recv(fd, data, size, 0);
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return ReadStatus::Failed;
        if (read == 0) return ReadStatus::Closed;
        *got = static_cast<std::size_t>(read);
        return ReadStatus::Done;
    }
}

}  // namespace

ReadStatus FrameReader::Fill(int fd, std::size_t size) {
    if (Buffered() >= size) return ReadStatus::Done;
    std::copy(buffer_.begin() + begin_, buffer_.begin() + end_, buffer_.begin());
    end_ = Buffered();
    begin_ = 0;
    while (end_ < size) {
        std::size_t got = 0;
        if (const ReadStatus status = ReadSome(fd, buffer_.data() + end_, buffer_.size() - end_, &got);
            status != ReadStatus::Done) {
            return status;
        }
        end_ += got;
    }
    return ReadStatus::Done;
}

void FrameReader::Take(std::size_t size, Bytes& body) {
    const std::size_t take = std::min(size, Buffered());
    body.insert(body.end(), buffer_.begin() + begin_, buffer_.begin() + begin_ + take);
    begin_ += take;
}

ReadStatus FrameReader::Receive(int fd, std::size_t minimumBody, Bytes& body) {
    body.clear();
    if (const ReadStatus status = Fill(fd, wire::kLengthBytes); status != ReadStatus::Done) return status;
    const std::size_t length = wire::GetU32(std::span(buffer_).subspan(begin_, wire::kLengthBytes), 0);
    begin_ += wire::kLengthBytes;
    if (length < minimumBody || length > wire::kMaxFrameBody) return ReadStatus::Failed;
    Take(length, body);
    while (body.size() < length) {
        const std::size_t missing = length - body.size();
        if (missing < buffer_.size()) {
            // The rest fits the buffer: one read may also bring the start of the next frame.
            if (const ReadStatus status = Fill(fd, 1); status != ReadStatus::Done) return status;
            Take(missing, body);
            continue;
        }
        const std::size_t offset = body.size();
        std::size_t got = 0;
        body.resize(offset + std::min(kReadChunk, missing));
        const ReadStatus status = ReadSome(fd, body.data() + offset, body.size() - offset, &got);
        body.resize(offset + (status == ReadStatus::Done ? got : 0));
        if (status != ReadStatus::Done) return status;
    }
    return ReadStatus::Done;
}

}  // namespace platform::com
