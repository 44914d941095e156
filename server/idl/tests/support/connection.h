// A proxy joined to a stub in memory: the client's IZTQD_Srv, a channel that hands each call
// straight to the stub, and the recording server behind it. The channel's hooks let a test fail
// the transport, look at a request or change a response.
//
// A Connection owns everything; destroying it releases the proxy (and with it the channel) and
// then the stub. Single-threaded.
#pragma once

#include "server/idl/marshalling.h"
#include "server/idl/tests/support/recording_server.h"

#include <functional>
#include <memory>

namespace server::idl::testing {

struct ChannelHooks {
    // When a failure, the channel returns it without calling the stub.
    platform::HRESULT failure = platform::S_OK;
    // Keep a copy of each request (off for benchmarks).
    bool keepRequests = true;
    // Applied to every response before the proxy sees it.
    std::function<void(platform::com::Bytes&)> alterResponse;

    int calls = 0;
    std::uint32_t lastMethod = 0;
    platform::com::Bytes lastRequest;
    bool channelDestroyed = false;
};

class LoopbackChannel final : public platform::com::CallChannel {
public:
    LoopbackChannel(platform::com::CallTarget& target, ChannelHooks& hooks) : target_(target), hooks_(hooks) {}
    ~LoopbackChannel() override { hooks_.channelDestroyed = true; }

    platform::HRESULT Call(std::uint32_t method, std::span<const std::byte> request,
                           platform::com::Bytes& response) override {
        ++hooks_.calls;
        hooks_.lastMethod = method;
        if (hooks_.keepRequests) hooks_.lastRequest.assign(request.begin(), request.end());
        if (platform::FAILED(hooks_.failure)) return hooks_.failure;
        target_.Dispatch(method, request, response);
        if (hooks_.alterResponse) hooks_.alterResponse(response);
        return platform::S_OK;
    }

private:
    platform::com::CallTarget& target_;
    ChannelHooks& hooks_;
};

struct Connection {
    Connection() {
        stub = CreateZTQD_SrvStub(&server);
        void* object = nullptr;
        if (stub && CreateZTQD_SrvProxy(std::make_unique<LoopbackChannel>(*stub, hooks), &object) == platform::S_OK) {
            proxy = static_cast<IZTQD_Srv*>(object);
        }
    }
    ~Connection() {
        if (proxy) proxy->Release();
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    RecordingServer server;
    ChannelHooks hooks;
    std::unique_ptr<platform::com::CallTarget> stub;
    IZTQD_Srv* proxy = nullptr;
};

}  // namespace server::idl::testing
