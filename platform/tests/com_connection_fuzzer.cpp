// libFuzzer entry for the connection and frame layer of the transport: a byte stream from the
// input reaches either side of a connection through a socket pair.
//
// Server side: the stream, cut into pieces of sizes the input chooses, goes to a served connection
// of the counter class (platform/tests/com_test_counter.h) under an input budget the input chooses.
// Every whole request before the first bad length gets exactly one well-formed answer, a bad length
// closes the connection, and the connection's end releases every object it made and gives back
// all of its budget.
// Client side: the stream stands for what a server answers. Each exchange of a client connection
// answers what the frame scanner reads in the same bytes, and once the stream is broken every later
// exchange answers RPC_E_DISCONNECTED.
// Built only for a fuzzing build (KELVO_FUZZ, clang).
#include "platform/com/input_budget.h"
#include "platform/com/server_connection.h"
#include "platform/com/socket_channel.h"
#include "platform/com/wire.h"
#include "platform/tests/com_test_counter.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

using namespace platform;
using namespace platform::com;

// Requests and answers the input builds on top of raw bytes, so that the fuzzer reaches past
// the framing into activation, calls and releases.
enum class Piece { Raw, Activate, Call, Release, Response };
constexpr Piece kRequestPieces[] = {Piece::Raw, Piece::Activate, Piece::Call, Piece::Release};
constexpr Piece kAnswerPieces[] = {Piece::Raw, Piece::Response};

// A failed expectation is a crash for libFuzzer, which keeps the input.
void Require(bool holds) {
    if (!holds) std::abort();
}

Bytes TakeBytes(FuzzedDataProvider& input, std::size_t most) {
    return input.ConsumeBytes<std::byte>(input.ConsumeIntegralInRange<std::size_t>(0, most));
}

Bytes ActivationPayload(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: return wire::EncodeActivation(kelvo::testing::CLSID_Counter, kelvo::testing::IID_ICounter);
        case 1: return wire::EncodeActivation(kelvo::testing::CLSID_Counter, kelvo::testing::IID_IUnmarshalled);
        case 2: return wire::EncodeActivation(kelvo::testing::IID_ICounter, kelvo::testing::IID_ICounter);
        default: return TakeBytes(input, 40);
    }
}

std::uint32_t Method(FuzzedDataProvider& input) {
    const std::uint32_t method = input.ConsumeIntegralInRange<std::uint32_t>(0, 8);
    if (method == 7) return kelvo::testing::kMethodThrow;
    return method == 8 ? input.ConsumeIntegral<std::uint32_t>() : method;
}

// One piece of a stream: a frame the input fills in (maybe cut short) or raw bytes.
Bytes NextPiece(FuzzedDataProvider& input, bool answers) {
    const Piece piece = answers ? input.PickValueInArray(kAnswerPieces) : input.PickValueInArray(kRequestPieces);
    const std::uint32_t object = input.ConsumeIntegralInRange<std::uint32_t>(0, 5);
    Bytes frame;
    switch (piece) {
        case Piece::Raw: return TakeBytes(input, 64);
        case Piece::Activate: frame = wire::EncodeRequest(wire::Kind::Activate, 0, 0, ActivationPayload(input)); break;
        case Piece::Call: {
            const std::uint32_t method = Method(input);
            frame = wire::EncodeRequest(wire::Kind::Call, object, method, TakeBytes(input, 512));
            break;
        }
        case Piece::Release: frame = wire::EncodeRequest(wire::Kind::Release, object, 0, {}); break;
        case Piece::Response: {
            const HRESULT status = input.ConsumeIntegral<HRESULT>();
            frame = wire::EncodeResponse(status, TakeBytes(input, 512));
            break;
        }
    }
    if (input.ConsumeBool()) frame.resize(input.ConsumeIntegralInRange<std::size_t>(0, frame.size()));
    return frame;
}

Bytes BuildStream(FuzzedDataProvider& input, bool answers) {
    Bytes stream;
    while (input.remaining_bytes() > 0 && input.ConsumeBool()) {
        const Bytes piece = NextPiece(input, answers);
        stream.insert(stream.end(), piece.begin(), piece.end());
    }
    return stream;
}

// How many whole frames `stream` holds before it ends or turns malformed.
struct Framing {
    std::size_t frames = 0;
    bool malformed = false;
};

Framing Frame(std::span<const std::byte> stream, std::size_t minimumBody) {
    Framing framing;
    for (;;) {
        std::size_t frameBytes = 0;
        const wire::Scan scan = wire::ScanFrame(stream, minimumBody, &frameBytes);
        if (scan != wire::Scan::Complete) {
            framing.malformed = scan == wire::Scan::Malformed;
            return framing;
        }
        ++framing.frames;
        stream = stream.subspan(frameBytes);
    }
}

struct SocketPair {
    explicit SocketPair(int flags) {
        int ends[2];
        Require(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0, ends) == 0);
        near.Reset(ends[0]);
        far.Reset(ends[1]);
    }
    Descriptor near, far;
};

// The bytes `fd` has sent that its peer has not read yet.
int Unread(int fd) {
    int bytes = -1;
    Require(::ioctl(fd, SIOCOUTQ, &bytes) == 0);
    return bytes;
}

// Reads the answers that have arrived into `answers`; each whole frame must be a well-formed answer.
std::size_t CountAnswers(int fd, Bytes& answers) {
    std::byte chunk[4096];
    ssize_t got;
    while ((got = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT)) > 0) answers.insert(answers.end(), chunk, chunk + got);
    const Framing framing = Frame(answers, wire::kResponseHead);
    Require(!framing.malformed);
    return framing.frames;
}

void FuzzServerSide(FuzzedDataProvider& input) {
    const bool ample = input.ConsumeBool();
    const std::size_t limit = ample ? std::size_t{1} << 30 : input.ConsumeIntegralInRange<std::size_t>(0, 1 << 17);
    const Bytes stream = BuildStream(input, false);
    InputBudget budget(limit);
    {
        SocketPair sockets(SOCK_NONBLOCK);
        // A small send buffer and a client that reads its answers only now and then leave answers
        // waiting to be sent.
        const int sendBuffer = 4096;
        Require(::setsockopt(sockets.near.Get(), SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer) == 0);
        ServedConnection connection(std::move(sockets.near), budget);
        const std::atomic<bool> stop{false};
        Bytes answers;
        std::size_t sent = 0;
        // Bounded: each round either hands over a piece or lets the connection take what waits.
        for (int round = 0; round < 100000 && !connection.Closed(); ++round) {
            if (sent < stream.size() && Unread(sockets.far.Get()) == 0) {
                const std::size_t piece = input.ConsumeIntegralInRange<std::size_t>(1, 4096);
                const ssize_t put = ::send(sockets.far.Get(), stream.data() + sent, std::min(piece, stream.size() - sent),
                                           MSG_DONTWAIT | MSG_NOSIGNAL);
                if (put > 0) sent += static_cast<std::size_t>(put);
            }
            connection.OnReadable(stop);
            if (input.remaining_bytes() == 0 || input.ConsumeBool()) CountAnswers(sockets.far.Get(), answers);
            if (!connection.Idle()) connection.OnWritable(stop);
            if (sent == stream.size() && Unread(sockets.far.Get()) == 0 && connection.Idle()) break;
        }
        const Framing framing = Frame(stream, wire::kRequestHead);
        const std::size_t answered = CountAnswers(sockets.far.Get(), answers);
        Require(connection.Closed() || (sent == stream.size() && connection.Idle()));
        if (ample) {
            Require(answered == framing.frames);
            Require(connection.Closed() == framing.malformed);
        } else {
            // A tight budget may close the connection early, never make it answer more.
            Require(answered <= framing.frames);
            Require(answered == framing.frames || connection.Closed());
        }
    }
    Require(kelvo::testing::LiveCounters() == 0);
    Require(budget.Take(limit));  // everything charged was given back
}

void FuzzClientSide(FuzzedDataProvider& input) {
    const Bytes stream = BuildStream(input, true);
    SocketPair sockets(0);
    // The answers are all there at once, as far as the socket takes them, and then the stream ends.
    const ssize_t put = ::send(sockets.far.Get(), stream.data(), stream.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    Require(::shutdown(sockets.far.Get(), SHUT_WR) == 0);
    ClientConnection connection(std::move(sockets.near));

    std::span<const std::byte> rest(stream.data(), put > 0 ? static_cast<std::size_t>(put) : 0);
    bool broken = false;
    for (int exchange = 0; exchange < 8 && input.remaining_bytes() > 0; ++exchange) {
        const auto kind = static_cast<wire::Kind>(input.ConsumeIntegralInRange(1, 3));
        const Bytes payload = TakeBytes(input, 256);
        HRESULT status = E_FAIL;
        Bytes response;
        const HRESULT hr = connection.Exchange(kind, 1, Method(input), payload, &status, response);
        if (broken) {
            Require(hr == RPC_E_DISCONNECTED);
            continue;
        }
        std::size_t frameBytes = 0;
        const wire::Scan scan = wire::ScanFrame(rest, wire::kResponseHead, &frameBytes);
        if (scan != wire::Scan::Complete) {
            Require(hr == (scan == wire::Scan::Malformed ? RPC_E_INVALID_DATAPACKET : RPC_E_DISCONNECTED));
            broken = true;
            continue;
        }
        wire::Response expected{};
        Require(wire::ParseResponse(rest.subspan(wire::kLengthBytes, frameBytes - wire::kLengthBytes), &expected));
        Require(hr == S_OK && status == expected.status);
        Require(std::equal(response.begin(), response.end(), expected.payload.begin(), expected.payload.end()));
        rest = rest.subspan(frameBytes);
    }
}

// The counter class, registered for the whole run and revoked at its end (which the leak check
// follows).
struct CounterClass {
    CounterClass() {
        kelvo::testing::RegisterCounterProxyStub();
        Require(SUCCEEDED(kelvo::testing::RegisterCounterClass(&cookie)));
    }
    ~CounterClass() { (void)CoRevokeClassObject(cookie); }
    DWORD cookie = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CounterClass counterClass;
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        FuzzServerSide(input);
    } else {
        FuzzClientSide(input);
    }
    return 0;
}
