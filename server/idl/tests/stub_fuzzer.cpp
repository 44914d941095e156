// libFuzzer entry for the stub: the first four bytes choose the method, the next four seed the
// values that the object answers with, the rest is the request. Built only with a compiler that
// offers -fsanitize=fuzzer. The object fills every output of each call, so that the responses
// of every shape are encoded too. The stub must answer every input with at least an HRESULT, and
// must never answer with success when it did not call the object.
#include "server/idl/marshalling.h"
#include "server/idl/tests/support/output_filler.h"
#include "server/idl/tests/support/recording_server.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static server::idl::testing::RecordingServer server;
    static const auto stub = server::idl::CreateZTQD_SrvStub(&server);
    if (size < 8) return 0;
    std::uint32_t method = 0;
    std::uint32_t seed = 0;
    std::memcpy(&method, data, 4);
    std::memcpy(&seed, data + 4, 4);
    method %= server::idl::kMethodCount + 3;  // mostly real methods, a few beyond the last

    server::idl::testing::Random answers(seed);
    server.calls.clear();
    server.handler = [&answers](std::uint32_t called, void* arguments) {
        server::idl::testing::FillOutputs(called, arguments, answers);
        // Now and then a failure, whose outputs the stub still encodes as the object left them.
        return answers() % 8 == 0 ? platform::E_FAIL : platform::S_OK;
    };
    platform::com::Bytes response;
    stub->Dispatch(method, std::as_bytes(std::span(data + 8, size - 8)), response);
    if (response.size() < 4) std::abort();
    platform::HRESULT hr = 0;
    std::memcpy(&hr, response.data(), 4);
    if (server.calls.empty() && platform::SUCCEEDED(hr)) std::abort();
    return 0;
}
