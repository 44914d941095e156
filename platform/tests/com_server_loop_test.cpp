// The server loop in this process, on a thread of its own, reached through its socket.
#include "platform/com/activation.h"
#include "platform/com/endpoint.h"
#include "platform/com/frame_reader.h"
#include "platform/com/local_server.h"
#include "platform/com/module_lock.h"
#include "platform/com/socket_channel.h"
#include "platform/com/unix_socket.h"
#include "platform/com/wire.h"
#include "platform/tests/com_test_counter.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <random>
#include <thread>

namespace {

using namespace platform;
using namespace platform::com;
using namespace kelvo::testing;

// A client that writes frames by hand.
class RawClient {
public:
    explicit RawClient(const std::string& endpoint) {
        int error = 0;
        socket_ = ConnectEndpoint(endpoint, &error);
        timeval limit{kWaitLimit.count(), 0};
        ::setsockopt(socket_.Get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    }
    [[nodiscard]] bool Connected() const { return static_cast<bool>(socket_); }
    [[nodiscard]] int Socket() const { return socket_.Get(); }
    bool Send(std::span<const std::byte> bytes) { return SendAll(socket_.Get(), bytes); }
    bool Request(wire::Kind kind, std::uint32_t object, std::uint32_t method, std::span<const std::byte> payload) {
        return Send(wire::EncodeRequest(kind, object, method, payload));
    }
    // The next response's status and payload; false when the server closed the connection.
    bool Receive(HRESULT* status, Bytes* payload = nullptr) {
        Bytes body;
        if (reader_.Receive(socket_.Get(), wire::kResponseHead, body) != ReadStatus::Done) return false;
        wire::Response response{};
        if (!wire::ParseResponse(body, &response)) return false;
        *status = response.status;
        if (payload) payload->assign(response.payload.begin(), response.payload.end());
        return true;
    }
    // The bytes sent that the server has not read yet.
    [[nodiscard]] int Unread() const {
        int bytes = -1;
        return ::ioctl(socket_.Get(), SIOCOUTQ, &bytes) == 0 ? bytes : -1;
    }
    // True when the server has closed the connection.
    bool ClosedByServer() {
        std::byte byte{};
        return ::recv(socket_.Get(), &byte, 1, 0) == 0;
    }
    std::uint32_t Activate(const IID& iid = IID_ICounter) {
        HRESULT status = E_FAIL;
        Bytes payload;
        if (!Request(wire::Kind::Activate, 0, 0, wire::EncodeActivation(CLSID_Counter, iid))) return 0;
        if (!Receive(&status, &payload) || status != S_OK || payload.size() != 4) return 0;
        return wire::GetU32(payload, 0);
    }

private:
    Descriptor socket_;
    FrameReader reader_;
};

class ComServerLoop : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterCounterProxyStub();
        ASSERT_EQ(RegisterCounterClass(&cookie_), S_OK);
        ASSERT_EQ(ServerEndpointPath(CLSID_Counter, endpoint_), ERROR_SUCCESS);
        StartLoop();
    }

    void TearDown() override {
        StopLocalServer();
        if (loop_.joinable()) loop_.join();
        (void)CoRevokeClassObject(cookie_);
        while (ModuleLockCount() > 0) ModuleUnlock();
    }

    void StartLoop() {
        auto listening = std::make_shared<std::promise<void>>();
        std::future<void> ready = listening->get_future();
        std::promise<HRESULT> result;
        ended_ = result.get_future();
        loop_ = std::thread([listening, result = std::move(result), inputBound = maxBufferedInput_]() mutable {
            bool told = false;
            LocalServerOptions options;
            options.idleLimit = std::chrono::seconds(30);
            options.maxBufferedInput = inputBound;
            options.onListening = [&] {
                told = true;
                listening->set_value();
            };
            const HRESULT hr = RunLocalServer(options);
            if (!told) listening->set_value();
            result.set_value(hr);
        });
        ASSERT_EQ(ready.wait_for(kWaitLimit), std::future_status::ready);
        ASSERT_EQ(ended_.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout) << "loop did not start";
    }

    // The loop's result once it has ended by itself (bounded wait).
    HRESULT LoopResult() {
        if (ended_.wait_for(kWaitLimit) != std::future_status::ready) return E_ABORT;
        loop_.join();
        return ended_.get();
    }

    ICounter* Activate() {
        void* pointer = nullptr;
        EXPECT_EQ(ActivateAtEndpoint(endpoint_, CLSID_Counter, IID_ICounter, &pointer), S_OK);
        return static_cast<ICounter*>(pointer);
    }

    TestEnvironment environment_;
    std::size_t maxBufferedInput_ = kMaxBufferedInput;
    DWORD cookie_ = 0;
    std::string endpoint_;
    std::thread loop_;
    std::future<HRESULT> ended_;
};

// Calls reach the object through the socket and come back with outputs and the method's own
// status (success-class ones included); the last release ends the loop and removes the endpoint.
TEST_F(ComServerLoop, CallsTravelAndLastReleaseEndsTheLoop) {
    ICounter* counter = Activate();
    ASSERT_NE(counter, nullptr);
    std::int32_t total = 0;
    ASSERT_EQ(counter->Add(5, &total), S_OK);
    EXPECT_EQ(total, 5);
    ASSERT_EQ(counter->Add(-2, &total), S_OK);
    EXPECT_EQ(total, 3);
    EXPECT_EQ(counter->Fail(S_FALSE), S_FALSE);
    EXPECT_EQ(counter->Fail(E_ACCESSDENIED), E_ACCESSDENIED);
    std::uint32_t locks = 0;
    ASSERT_EQ(counter->LockCount(&locks), S_OK);
    EXPECT_EQ(locks, 1u);
    Bytes big(1 << 20);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::byte>(i * 7);
    Bytes back;
    ASSERT_EQ(counter->Echo(big, &back), S_OK);
    EXPECT_EQ(back, big);

    EXPECT_EQ(counter->Release(), 0u);
    EXPECT_EQ(LoopResult(), S_OK);
    EXPECT_EQ(LiveCounters(), 0);
    struct stat info {};
    EXPECT_NE(::stat(endpoint_.c_str(), &info), 0);
    void* pointer = nullptr;
    EXPECT_EQ(ActivateAtEndpoint(endpoint_, CLSID_Counter, IID_ICounter, &pointer), HR_RPC_S_SERVER_UNAVAILABLE);
}

// Each activation is its own object; the loop lives while any of them does.
TEST_F(ComServerLoop, EachActivationIsOneObject) {
    ICounter* first = Activate();
    ICounter* second = Activate();
    ASSERT_TRUE(first && second);
    std::int32_t total = 0;
    ASSERT_EQ(first->Add(10, &total), S_OK);
    ASSERT_EQ(second->Add(1, &total), S_OK);
    EXPECT_EQ(total, 1);
    EXPECT_EQ(LiveCounters(), 2);
    first->Release();
    ASSERT_EQ(second->Add(1, &total), S_OK);
    EXPECT_EQ(total, 2);
    second->Release();
    EXPECT_EQ(LoopResult(), S_OK);
}

// A client that disappears without releasing loses its objects; the others keep theirs.
TEST_F(ComServerLoop, ClosedConnectionReleasesItsObjects) {
    ICounter* kept = Activate();
    ASSERT_NE(kept, nullptr);
    {
        RawClient vanishing(endpoint_);
        ASSERT_NE(vanishing.Activate(), 0u);
        ASSERT_NE(vanishing.Activate(), 0u);
        EXPECT_EQ(LiveCounters(), 3);  // an activation is answered once its object exists
    }
    // The loop's thread sees the hang-up in its own time.
    EXPECT_TRUE(WaitForLiveCounters(1, kWaitLimit));
    std::int32_t total = 0;
    EXPECT_EQ(kept->Add(4, &total), S_OK);
    kept->Release();
    EXPECT_EQ(LoopResult(), S_OK);
}

// Garbage and malformed requests fail that request or close that connection; the server keeps
// serving everyone else.
TEST_F(ComServerLoop, MalformedRequestsNeverStopTheServer) {
    ICounter* witness = Activate();
    ASSERT_NE(witness, nullptr);
    RawClient client(endpoint_);
    const std::uint32_t object = client.Activate();
    ASSERT_NE(object, 0u);

    struct Case {
        wire::Kind kind;
        std::uint32_t object;
        std::uint32_t method;
        Bytes payload;
        HRESULT expected;
        const char* why;
    };
    const Bytes four(4);
    const std::vector<Case> cases = {
        {static_cast<wire::Kind>(77), object, 1, four, RPC_E_INVALID_DATAPACKET, "unknown kind"},
        {wire::Kind::Call, object + 1000, 1, four, RPC_E_INVALID_OBJECT, "unknown object"},
        {wire::Kind::Release, object + 1000, 0, {}, RPC_E_INVALID_OBJECT, "release of an unknown object"},
        {wire::Kind::Activate, 0, 0, Bytes(31), RPC_E_INVALID_DATAPACKET, "short activation"},
        {wire::Kind::Activate, 0, 0, wire::EncodeActivation(IID_ICounter, IID_ICounter), REGDB_E_CLASSNOTREG,
         "unknown class"},
        {wire::Kind::Activate, 0, 0, wire::EncodeActivation(CLSID_Counter, IID_IUnmarshalled), E_NOINTERFACE,
         "interface without stub"},
        {wire::Kind::Call, object, kMethodThrow, {}, RPC_E_SERVERFAULT, "stub throws"},
        {wire::Kind::Call, object, 1, four, S_OK, "a good call after all that"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(client.Request(c.kind, c.object, c.method, c.payload)) << c.why;
        HRESULT status = S_OK;
        ASSERT_TRUE(client.Receive(&status)) << c.why;
        EXPECT_EQ(status, c.expected) << c.why;
    }
    // A method the stub does not know is the stub's answer inside a delivered response.
    ASSERT_TRUE(client.Request(wire::Kind::Call, object, 1234, {}));
    HRESULT status = E_FAIL;
    Bytes payload;
    ASSERT_TRUE(client.Receive(&status, &payload));
    EXPECT_EQ(status, S_OK);
    ASSERT_EQ(payload.size(), 4u);
    EXPECT_EQ(static_cast<HRESULT>(wire::GetU32(payload, 0)), RPC_E_INVALIDMETHOD);

    std::int32_t total = 0;
    EXPECT_EQ(witness->Add(1, &total), S_OK);
    witness->Release();
    EXPECT_EQ(client.Request(wire::Kind::Release, object, 0, {}), true);
    EXPECT_EQ(LoopResult(), S_OK);
}

// A length out of bounds closes only that connection, before anything is allocated for it.
TEST_F(ComServerLoop, BadLengthClosesThatConnectionOnly) {
    ICounter* witness = Activate();
    ASSERT_NE(witness, nullptr);
    for (const std::uint32_t length : {0u, 11u, static_cast<std::uint32_t>(wire::kMaxFrameBody + 1), 0xFFFFFFFFu}) {
        RawClient client(endpoint_);
        Bytes frame;
        wire::PutU32(frame, length);
        frame.resize(64);
        ASSERT_TRUE(client.Send(frame));
        EXPECT_TRUE(client.ClosedByServer()) << length;
    }
    std::int32_t total = 0;
    EXPECT_EQ(witness->Add(2, &total), S_OK);
    EXPECT_EQ(total, 2);
    witness->Release();
    EXPECT_EQ(LoopResult(), S_OK);
}

// Random bytes and truncated frames from many clients: the server survives every one of them.
TEST_F(ComServerLoop, RandomAndTruncatedFramesAreSurvived) {
    ICounter* witness = Activate();
    ASSERT_NE(witness, nullptr);
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        RawClient client(endpoint_);
        ASSERT_TRUE(client.Connected());
        Bytes bytes;
        if (round % 2 == 0) {
            // A well-framed request with a random kind, object, method and payload, maybe cut short.
            Bytes payload(random() % 64);
            for (auto& byte : payload) byte = static_cast<std::byte>(random());
            bytes = wire::EncodeRequest(static_cast<wire::Kind>(random() % 5), random() % 3, random() % 8, payload);
            if (round % 4 == 0) bytes.resize(random() % bytes.size());
        } else {
            bytes.resize(random() % 256);
            for (auto& byte : bytes) byte = static_cast<std::byte>(random());
        }
        (void)client.Send(bytes);
    }
    std::int32_t total = 0;
    EXPECT_EQ(witness->Add(3, &total), S_OK);
    EXPECT_EQ(total, 3);
    witness->Release();
    EXPECT_EQ(LoopResult(), S_OK);
}

// A half-sent frame, or a client that never reads its answers, holds back only itself.
TEST_F(ComServerLoop, SlowClientsHoldBackOnlyThemselves) {
    ICounter* witness = Activate();
    ASSERT_NE(witness, nullptr);
    RawClient stalled(endpoint_);
    Bytes head;
    wire::PutU32(head, 100);
    ASSERT_TRUE(stalled.Send(head));

    RawClient deaf(endpoint_);
    const std::uint32_t object = deaf.Activate();
    ASSERT_NE(object, 0u);
    // Far more answer bytes than the socket buffers hold, never read: sent until the socket
    // takes no more.
    const Bytes request = wire::EncodeRequest(wire::Kind::Call, object, 3, Bytes(std::size_t{1} << 20));
    std::size_t offset = 0;
    for (int i = 0; i < 10000; ++i) {
        const ssize_t sent = ::send(deaf.Socket(), request.data() + offset, request.size() - offset,
                                    MSG_DONTWAIT | MSG_NOSIGNAL);
        if (sent < 0) break;
        offset = (offset + static_cast<std::size_t>(sent)) % request.size();
    }
    std::int32_t total = 0;
    EXPECT_EQ(witness->Add(1, &total), S_OK);
    EXPECT_EQ(witness->Add(1, &total), S_OK);
    EXPECT_EQ(total, 2);
    witness->Release();
    // The deaf client still holds its object: the loop goes on until it is stopped.
    EXPECT_EQ(ended_.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
}

// When the count reaches zero the loop ends at once, even with a client connected that has not
// activated yet: that client is disconnected and may start again.
TEST_F(ComServerLoop, ZeroLocksEndsAtOnceDisconnectingIdleClients) {
    RawClient early(endpoint_);
    ICounter* counter = Activate();
    ASSERT_NE(counter, nullptr);
    counter->Release();
    EXPECT_EQ(LoopResult(), S_OK);
    EXPECT_TRUE(early.ClosedByServer());
}

// The server's read of a socket has no event this test can wait on: it checks the condition,
// yielding between checks, until it holds or the wait limit passes.
template <typename Condition>
bool HoldsWithinWaitLimit(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

// The loop with a bound on the input of all connections that a few MiB pass.
class ComServerLoopSmallInputBound : public ComServerLoop {
protected:
    static constexpr std::size_t kBound = std::size_t{4} << 20;
    ComServerLoopSmallInputBound() { maxBufferedInput_ = kBound; }
};

// The connection whose input would pass the bound on all input is closed, and its client's calls
// answer as on any dropped connection; the connection that holds the rest goes on.
TEST_F(ComServerLoopSmallInputBound, ConnectionPassingTheBoundOnAllInputIsClosed) {
    // Each connection could buffer a frame of the largest size, whatever the others held.
    const Bytes large(kBound * 6 / 10, std::byte{0x5A});
    ICounter* dropped = Activate();
    ASSERT_NE(dropped, nullptr);
    Bytes back;
    ASSERT_EQ(dropped->Echo(large, &back), S_OK);  // alone, the frame fits
    ASSERT_EQ(back, large);

    RawClient holder(endpoint_);
    const std::uint32_t object = holder.Activate();
    ASSERT_NE(object, 0u);
    const Bytes frame = wire::EncodeRequest(wire::Kind::Call, object, 3, large);
    ASSERT_TRUE(holder.Send(std::span(frame).first(frame.size() - 1)));
    ASSERT_TRUE(HoldsWithinWaitLimit([&] { return holder.Unread() == 0; }));  // the server holds all but one byte

    EXPECT_EQ(dropped->Echo(large, &back), RPC_E_DISCONNECTED);
    std::int32_t total = 0;
    EXPECT_EQ(dropped->Add(1, &total), RPC_E_DISCONNECTED);
    dropped->Release();

    ASSERT_TRUE(holder.Send(std::span(frame).last(1)));
    HRESULT status = E_FAIL;
    Bytes payload;
    ASSERT_TRUE(holder.Receive(&status, &payload));
    EXPECT_EQ(status, S_OK);
    EXPECT_EQ(payload.size(), 4 + large.size());  // the method's HRESULT and the echo

    // Both connections gave back what they held: a large frame fits again.
    ICounter* later = Activate();
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->Echo(large, &back), S_OK);
    later->Release();
}

// Server locks keep the loop running without objects.
TEST_F(ComServerLoop, ServerLockKeepsTheLoopAlive) {
    ICounter* counter = Activate();
    ASSERT_NE(counter, nullptr);
    ModuleLock();
    counter->Release();
    ICounter* later = Activate();
    ASSERT_NE(later, nullptr);
    later->Release();
    ModuleUnlock();
    EXPECT_EQ(LoopResult(), S_OK);
}

// Stopping the loop releases the objects its clients still hold; their proxies then fail
// cleanly instead of hanging.
TEST_F(ComServerLoop, StopReleasesObjectsAndProxiesFailCleanly) {
    ICounter* counter = Activate();
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(LiveCounters(), 1);
    StopLocalServer();
    EXPECT_EQ(LoopResult(), S_OK);
    EXPECT_EQ(LiveCounters(), 0);
    std::int32_t total = 0;
    EXPECT_EQ(counter->Add(1, &total), RPC_E_DISCONNECTED);
    EXPECT_EQ(counter->Add(1, &total), RPC_E_DISCONNECTED);
    counter->Release();
}

// A second loop in one process, or a second server on a live endpoint, is refused.
TEST_F(ComServerLoop, OneLoopPerProcessAndEndpoint) {
    EXPECT_EQ(RunLocalServer(), E_UNEXPECTED);
    Descriptor second;
    EXPECT_EQ(ListenEndpoint(endpoint_, &second), HResultFromWin32(ERROR_ALREADY_EXISTS));
}

// A request beyond the frame limit is refused by the client before it is sent.
TEST_F(ComServerLoop, OversizedRequestIsRefusedByTheClient) {
    int error = 0;
    ClientConnection connection(ConnectEndpoint(endpoint_, &error));
    const Bytes tooLarge(wire::kMaxPayload + 1);
    HRESULT status = S_OK;
    Bytes response;
    EXPECT_EQ(connection.Exchange(wire::Kind::Call, 1, 1, tooLarge, &status, response), RPC_E_CLIENT_CANTMARSHAL_DATA);
}

// A loop nobody connects to ends after its idle limit; a socket file left behind by a server that
// died is replaced, not fatal.
TEST(ComServerLoopAlone, IdleLoopEndsAndStaleSocketIsReplaced) {
    TestEnvironment environment;
    DWORD cookie = 0;
    ASSERT_EQ(RegisterCounterClass(&cookie), S_OK);
    std::string endpoint;
    ASSERT_EQ(ServerEndpointPath(CLSID_Counter, endpoint), ERROR_SUCCESS);
    {
        Descriptor dead(::socket(AF_UNIX, SOCK_STREAM, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", endpoint.c_str());
        ::unlink(endpoint.c_str());
        ASSERT_EQ(::bind(dead.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    LocalServerOptions options;
    options.idleLimit = std::chrono::milliseconds(50);
    bool listened = false;
    options.onListening = [&listened] { listened = true; };
    EXPECT_EQ(RunLocalServer(options), S_OK);
    EXPECT_TRUE(listened);
    struct stat info {};
    EXPECT_NE(::stat(endpoint.c_str(), &info), 0);
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(RunLocalServer(options), E_UNEXPECTED);  // no class to serve
}

}  // namespace
