// The stub and the proxy against damaged messages: valid requests and responses of every method,
// cut short, with bytes changed, inserted or dropped, with counts replaced by extreme values, and
// plain noise. Neither side may crash, leak or over-allocate (the sanitizer build watches), the
// stub never calls the object with a request that does not decode and never answers such a
// request with success, and a message cut short never decodes.
#include "server/idl/tests/support/connection.h"
#include "server/idl/tests/support/method_probe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace server::idl {
namespace {

using platform::HRESULT;
using platform::RPC_X_BAD_STUB_DATA;
using platform::com::Bytes;
using testing::MethodCall;
using testing::Random;

struct Message {
    std::uint32_t method;
    Bytes bytes;
};

template <std::uint32_t N>
void AddRequests(std::vector<Message>& requests, Random& random) {
    testing::Connection connection;
    for (int round = 0; round < 4; ++round) {
        MethodCall<N> call(random);
        connection.server.handler = [&call](std::uint32_t, void* arguments) {
            call.Serve(arguments);
            return platform::S_OK;
        };
        EXPECT_EQ(call.Invoke(*connection.proxy), platform::S_OK);
        requests.push_back({N, connection.hooks.lastRequest});
    }
}

template <std::size_t... K>
std::vector<Message> ValidRequests(Random& random, std::index_sequence<K...>) {
    std::vector<Message> requests;
    (AddRequests<static_cast<std::uint32_t>(K + 1)>(requests, random), ...);
    return requests;
}

constexpr std::uint32_t kExtremes[] = {0,          1,          2,          0x7F,       0xFF,      0xFFFF,
                                       0x10000,    0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};

// Damages `bytes` one way or another; true when the result is a strict prefix of the original.
bool Damage(Bytes& bytes, Random& random) {
    const auto pick = [&random](std::size_t size) { return static_cast<std::size_t>(random() % size); };
    switch (random() % 6) {
    case 0:
        if (bytes.empty()) return false;
        bytes.resize(pick(bytes.size()));
        return true;
    case 1:
        for (std::size_t flips = 1 + pick(4); flips > 0 && !bytes.empty(); --flips) {
            bytes[pick(bytes.size())] ^= static_cast<std::byte>(1 + pick(255));
        }
        return false;
    case 2:
        if (bytes.size() >= 4) {
            const std::uint32_t value = kExtremes[pick(std::size(kExtremes))];
            std::memcpy(bytes.data() + (pick(bytes.size() - 3) & ~std::size_t{3}), &value, 4);
        }
        return false;
    case 3:
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(pick(bytes.size() + 1)),
                     static_cast<std::byte>(random()));
        return false;
    case 4:
        if (!bytes.empty()) bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(pick(bytes.size())));
        return false;
    default:
        bytes.resize(pick(64));
        for (std::byte& b : bytes) b = static_cast<std::byte>(random());
        return false;
    }
}

// Guards the server against any request a client could send.
TEST(IdlStubFuzz, StubSurvivesDamagedRequests) {
    Random random(31337);
    const std::vector<Message> requests = ValidRequests(random, std::make_index_sequence<kMethodCount>{});
    testing::RecordingServer server;
    const auto stub = CreateZTQD_SrvStub(&server);
    int called = 0;
    for (int round = 0; round < 20000; ++round) {
        Message message = requests[random() % requests.size()];
        bool prefix = Damage(message.bytes, random);
        if (random() % 16 == 0) {
            // Sent to another method, the bytes may well be a whole request of that one.
            message.method = random() % 8 == 0 ? static_cast<std::uint32_t>(random()) : random() % 40;
            prefix = false;
        }
        const std::size_t before = server.calls.size();
        server.handler = [&random](std::uint32_t, void*) { return static_cast<HRESULT>(random() % 3); };
        Bytes response;
        stub->Dispatch(message.method, message.bytes, response);

        ASSERT_GE(response.size(), 4u) << "round " << round;
        HRESULT hr;
        std::memcpy(&hr, response.data(), 4);
        const bool ran = server.calls.size() > before;
        called += ran ? 1 : 0;
        if (!ran) {
            EXPECT_TRUE(platform::FAILED(hr)) << "round " << round;
            EXPECT_EQ(response.size(), 4u) << "round " << round;
        }
        if (prefix) {
            EXPECT_FALSE(ran) << "a request cut short was run, round " << round;
        }
    }
    // Damage that keeps a request valid (a changed number, a changed text) still reaches the object.
    EXPECT_GT(called, 0);
}

template <std::uint32_t N>
void CallWithDamagedResponses(Random& random) {
    SCOPED_TRACE(MethodOf<N>::kName);
    testing::Connection connection;
    for (int round = 0; round < 150; ++round) {
        MethodCall<N> call(random);
        connection.server.handler = [&call](std::uint32_t, void* arguments) {
            call.Serve(arguments);
            return platform::S_OK;
        };
        bool prefix = false;
        connection.hooks.alterResponse = [&](Bytes& response) { prefix = Damage(response, random); };
        const HRESULT hr = call.Invoke(*connection.proxy);
        // The object answered S_OK, so even a cut that leaves only the HRESULT is incomplete.
        if (prefix) {
            EXPECT_EQ(hr, RPC_X_BAD_STUB_DATA);
        }
    }
}

template <std::size_t... K>
void DamageEveryMethodsResponses(Random& random, std::index_sequence<K...>) {
    (CallWithDamagedResponses<static_cast<std::uint32_t>(K + 1)>(random), ...);
}

// Guards the client against any response a server could send: whatever the call returns, the
// caller's outputs are either what was decoded (and freed by the call's owner) or zero.
TEST(IdlStubFuzz, ProxySurvivesDamagedResponses) {
    Random random(4242);
    DamageEveryMethodsResponses(random, std::make_index_sequence<kMethodCount>{});
}

}  // namespace
}  // namespace server::idl
