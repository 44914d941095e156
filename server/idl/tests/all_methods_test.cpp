// Every method of the interface through proxy and stub with random arguments: each [in]
// parameter arrives equal to what was sent, each [out] parameter comes back equal to what the
// object returned, whatever HRESULT it chose. Walks the method table, so a method added to the
// description is covered here without a line.
#include "server/idl/tests/support/connection.h"
#include "server/idl/tests/support/method_probe.h"

#include <gtest/gtest.h>

#include <utility>

namespace server::idl {
namespace {

using platform::HRESULT;
using testing::MethodCall;
using testing::Random;

template <std::uint32_t N>
void CallMethod(Random& random, HRESULT answer) {
    SCOPED_TRACE(MethodOf<N>::kName);
    testing::Connection connection;
    ASSERT_NE(connection.proxy, nullptr);
    for (int round = 0; round < 25; ++round) {
        MethodCall<N> call(random);
        int served = 0;
        connection.server.handler = [&](std::uint32_t method, void* arguments) {
            EXPECT_EQ(method, N);
            ++served;
            call.Serve(arguments);
            return answer;
        };
        EXPECT_EQ(call.Invoke(*connection.proxy), answer);
        EXPECT_EQ(served, 1);
        call.Check();
    }
    EXPECT_EQ(connection.hooks.lastMethod, N);
}

template <std::size_t... K>
void CallEveryMethod(Random& random, HRESULT answer, std::index_sequence<K...>) {
    (CallMethod<static_cast<std::uint32_t>(K + 1)>(random, answer), ...);
}

// Guards every method's marshalling, its parameter order and directions, with a plain success.
TEST(IdlAllMethods, EveryMethodCarriesItsParametersBothWays) {
    Random random(2024);
    CallEveryMethod(random, platform::S_OK, std::make_index_sequence<kMethodCount>{});
}

// Guards the outputs of a method that reports a status or a failure: they travel all the same.
TEST(IdlAllMethods, OutputsTravelWhateverTheResult) {
    Random random(77);
    CallEveryMethod(random, platform::S_FALSE, std::make_index_sequence<kMethodCount>{});
    CallEveryMethod(random, platform::HResultFromMessage(16055), std::make_index_sequence<kMethodCount>{});
}

}  // namespace
}  // namespace server::idl
