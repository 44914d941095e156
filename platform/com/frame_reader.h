// The reading side of a client's connection: whole frames out of a stream socket, with as few
// reads as the bytes allow.
//
// One reader belongs to one connection and sees every byte read from it. A read asks for as
// much as the buffer holds, so a small response (its length and body) usually arrives in one
// system call; bytes past the frame stay buffered for the next one. A body larger than the
// buffer is read straight into the caller's bytes. Not thread-safe: the connection serialises
// its exchanges.
#pragma once

#include "platform/com/channel.h"

#include <array>
#include <cstddef>

namespace platform::com {

enum class ReadStatus { Done, Closed, Failed };

class FrameReader {
public:
    // The bytes one read asks for when the buffer is empty.
    static constexpr std::size_t kBufferBytes = 4096;

    // Reads one frame's body from `fd` (blocking), growing `body` only as bytes arrive. Closed
    // when the peer ends the stream first (also in the middle of a frame); Failed when a read
    // fails or when the announced length is below `minimumBody` or beyond the frame limit.
    [[nodiscard]] ReadStatus Receive(int fd, std::size_t minimumBody, Bytes& body);

private:
    [[nodiscard]] std::size_t Buffered() const { return end_ - begin_; }
    // Reads until at least `size` bytes (at most the buffer) are buffered.
    [[nodiscard]] ReadStatus Fill(int fd, std::size_t size);
    // Moves up to `size` buffered bytes to the end of `body`.
    void Take(std::size_t size, Bytes& body);

    std::array<std::byte, kBufferBytes> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

}  // namespace platform::com
