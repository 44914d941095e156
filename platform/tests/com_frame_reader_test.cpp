// The client's frame reader against a socket pair: frames however the bytes arrive, and the
// stream's end and malformed lengths reported as such.
#include "platform/com/frame_reader.h"
#include "platform/com/unix_socket.h"
#include "platform/com/wire.h"
#include "platform/tests/support/child_processes.h"

#include <gtest/gtest.h>

#include <sys/ioctl.h>
#include <sys/socket.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace platform;
using namespace platform::com;
using namespace kelvo::testing;

constexpr std::size_t kBuffer = FrameReader::kBufferBytes;

// A body of `size` bytes whose every byte depends on its position and on `seed`.
Bytes Body(std::size_t size, unsigned seed) {
    Bytes body(size);
    for (std::size_t i = 0; i < size; ++i) body[i] = static_cast<std::byte>((i * 31 + seed) & 0xFF);
    return body;
}

// A frame as it travels: the little-endian length, then the body.
Bytes Frame(const Bytes& body) {
    Bytes frame;
    wire::PutU32(frame, static_cast<std::uint32_t>(body.size()));
    frame.insert(frame.end(), body.begin(), body.end());
    return frame;
}

Bytes Joined(std::initializer_list<Bytes> pieces) {
    Bytes joined;
    for (const Bytes& piece : pieces) joined.insert(joined.end(), piece.begin(), piece.end());
    return joined;
}

// Both ends of a connected stream; a read that waits beyond the limit fails instead of hanging.
class SocketPair {
public:
    SocketPair() {
        int fds[2] = {-1, -1};
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return;
        reading_.Reset(fds[0]);
        writing_.Reset(fds[1]);
        timeval limit{kWaitLimit.count(), 0};
        ::setsockopt(reading_.Get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    }
    [[nodiscard]] int Reading() const { return reading_.Get(); }
    [[nodiscard]] bool Send(const Bytes& bytes) { return SendAll(writing_.Get(), bytes); }
    void CloseWriting() { writing_.Reset(); }
    // The bytes sent that the reading end has not taken yet.
    [[nodiscard]] int Unread() const {
        int bytes = -1;
        return ::ioctl(reading_.Get(), FIONREAD, &bytes) == 0 ? bytes : -1;
    }
    // Waits (bounded) until the reading end has taken every byte sent.
    [[nodiscard]] bool WaitUntilTaken() const {
        const auto limit = std::chrono::steady_clock::now() + kWaitLimit;
        while (Unread() != 0) {
            if (std::chrono::steady_clock::now() > limit) return false;
            std::this_thread::yield();
        }
        return true;
    }

private:
    Descriptor reading_;
    Descriptor writing_;
};

// The pieces of `bytes` cut at `cuts` (offsets in increasing order).
std::vector<Bytes> Pieces(const Bytes& bytes, const std::vector<std::size_t>& cuts) {
    std::vector<Bytes> pieces;
    std::size_t from = 0;
    for (const std::size_t cut : cuts) {
        pieces.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
        from = cut;
    }
    pieces.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end());
    return pieces;
}

// Guards the joining of partial reads: a frame whose bytes arrive in pieces (the reader has taken
// each piece before the next is sent) comes out whole, wherever the cuts fall.
TEST(ComFrameReader, FrameSplitAcrossSendsIsJoined) {
    struct Case {
        const char* name;
        std::size_t body;
        std::vector<std::size_t> cuts;
    };
    const Case cases[] = {
        {"inside the length", 12, {1, 3}},
        {"between length and body", 12, {4}},
        {"inside the body", 12, {4 + 5, 4 + 11}},
        {"byte by byte", 6, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"larger than the buffer, cut inside", 3 * kBuffer + 7, {2, kBuffer / 2, 2 * kBuffer + 1}},
        {"larger than the buffer, last byte alone", kBuffer + 1, {kBuffer + 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SocketPair pair;
        const Bytes body = Body(c.body, 7);
        const std::vector<Bytes> pieces = Pieces(Frame(body), c.cuts);
        FrameReader reader;
        Bytes received;
        ReadStatus status = ReadStatus::Failed;
        std::thread reading([&] { status = reader.Receive(pair.Reading(), 0, received); });
        for (const Bytes& piece : pieces) {
            ASSERT_TRUE(pair.Send(piece));
            ASSERT_TRUE(pair.WaitUntilTaken());
        }
        reading.join();
        EXPECT_EQ(status, ReadStatus::Done);
        EXPECT_EQ(received, body);
    }
}

// Guards the buffering: frames that arrive together are taken in one read (a small response
// costs one system call), and the frame past the first is kept for the next read rather than
// lost, even once the peer has gone.
TEST(ComFrameReader, FramesArrivingTogetherAreTakenInOneReadAndKept) {
    SocketPair pair;
    const Bytes first = Body(12, 1), second = Body(4, 2), third = Body(0, 3);
    ASSERT_TRUE(pair.Send(Joined({Frame(first), Frame(second), Frame(third)})));
    FrameReader reader;
    Bytes received;
    ASSERT_EQ(reader.Receive(pair.Reading(), 0, received), ReadStatus::Done);
    EXPECT_EQ(received, first);
    EXPECT_EQ(pair.Unread(), 0) << "the first read did not take what had arrived";
    pair.CloseWriting();
    ASSERT_EQ(reader.Receive(pair.Reading(), 0, received), ReadStatus::Done);
    EXPECT_EQ(received, second);
    ASSERT_EQ(reader.Receive(pair.Reading(), 0, received), ReadStatus::Done);
    EXPECT_EQ(received, third);
    EXPECT_EQ(reader.Receive(pair.Reading(), 0, received), ReadStatus::Closed);
}

// Guards bodies beyond the buffer (read in place, in chunks): each comes out intact and the
// frames around it are neither cut nor shifted.
TEST(ComFrameReader, FramesLargerThanTheBufferComeOutIntact) {
    const std::size_t sizes[] = {kBuffer - wire::kLengthBytes, kBuffer, kBuffer + 1, 5 * kBuffer + 3,
                                 (std::size_t{64} << 10) * 3 + 5};
    std::vector<Bytes> bodies;
    Bytes stream;
    for (const std::size_t size : sizes) {
        bodies.push_back(Body(size, static_cast<unsigned>(bodies.size())));
        const Bytes small = Body(3, 100 + static_cast<unsigned>(bodies.size()));
        bodies.push_back(small);
        stream = Joined({stream, Frame(bodies[bodies.size() - 2]), Frame(small)});
    }
    SocketPair pair;
    bool sent = false;
    std::thread writing([&] {
        sent = pair.Send(stream);
        pair.CloseWriting();
    });
    FrameReader reader;
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        Bytes received;
        ASSERT_EQ(reader.Receive(pair.Reading(), 0, received), ReadStatus::Done) << i;
        EXPECT_EQ(received, bodies[i]) << i;
    }
    Bytes rest;
    EXPECT_EQ(reader.Receive(pair.Reading(), 0, rest), ReadStatus::Closed);
    writing.join();
    EXPECT_TRUE(sent);
}

// Guards the end of the stream: a peer that goes before a whole frame has arrived is reported
// as closed (a vanished server), wherever the frame stops, never as a frame.
TEST(ComFrameReader, StreamEndingInsideAFrameIsClosed) {
    const Bytes small = Frame(Body(12, 4));
    const Bytes large = Frame(Body(2 * kBuffer + 9, 5));
    const Bytes cases[] = {
        {},
        Bytes(small.begin(), small.begin() + 3),
        Bytes(small.begin(), small.begin() + 4),
        Bytes(small.begin(), small.end() - 1),
        Bytes(large.begin(), large.begin() + static_cast<std::ptrdiff_t>(kBuffer + 10)),
        Bytes(large.begin(), large.end() - 1),
    };
    for (const Bytes& sent : cases) {
        SCOPED_TRACE(sent.size());
        SocketPair pair;
        ASSERT_TRUE(pair.Send(sent));
        pair.CloseWriting();
        FrameReader reader;
        Bytes received;
        EXPECT_EQ(reader.Receive(pair.Reading(), 0, received), ReadStatus::Closed);
    }
}

// Guards the length checks: a length below the response's head or beyond the frame limit is
// refused before anything is read or allocated for it; the bounds themselves are accepted.
TEST(ComFrameReader, AnnouncedLengthOutsideTheBoundsFails) {
    struct Case {
        std::uint32_t length;
        std::size_t minimum;
        ReadStatus expected;
    };
    const Case cases[] = {
        {0, 0, ReadStatus::Done},
        {3, 4, ReadStatus::Failed},
        {4, 4, ReadStatus::Done},
        {static_cast<std::uint32_t>(wire::kMaxFrameBody) + 1, 0, ReadStatus::Failed},
        {0xFFFFFFFFu, 0, ReadStatus::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        SocketPair pair;
        Bytes frame;
        wire::PutU32(frame, c.length);
        if (c.expected == ReadStatus::Done) frame.resize(wire::kLengthBytes + c.length, std::byte{9});
        ASSERT_TRUE(pair.Send(frame));
        pair.CloseWriting();
        FrameReader reader;
        Bytes received;
        EXPECT_EQ(reader.Receive(pair.Reading(), c.minimum, received), c.expected);
        if (c.expected == ReadStatus::Done) {
            EXPECT_EQ(received.size(), c.length);
        }
    }
}

// Guards the frame limit at its edge: a body of exactly the limit is read whole.
TEST(ComFrameReader, BodyOfExactlyTheLimitIsRead) {
    const Bytes body = Body(wire::kMaxFrameBody, 6);
    SocketPair pair;
    bool sent = false;
    std::thread writing([&] { sent = pair.Send(Frame(body)); });
    FrameReader reader;
    Bytes received;
    EXPECT_EQ(reader.Receive(pair.Reading(), 0, received), ReadStatus::Done);
    writing.join();
    EXPECT_TRUE(sent);
    EXPECT_TRUE(received == body);
}

}  // namespace
