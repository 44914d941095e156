#include "platform/tests/com_test_counter.h"

#include "platform/com/activation.h"
#include "platform/com/module_lock.h"
#include "platform/com/proxy_stub.h"
#include "platform/com/ref_counted.h"
#include "platform/com/wire.h"

#include <unistd.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>

namespace kelvo::testing {

namespace {

using namespace platform;
using platform::com::Bytes;

// The live objects, and a signal for threads that wait for their number.
std::mutex g_liveMutex;
std::condition_variable g_liveChanged;
int g_live = 0;

void CountLive(int change) {
    {
        const std::lock_guard lock(g_liveMutex);
        g_live += change;
    }
    g_liveChanged.notify_all();
}

void PutI32(Bytes& out, std::int32_t value) { com::wire::PutU32(out, static_cast<std::uint32_t>(value)); }
std::int32_t GetI32(std::span<const std::byte> in, std::size_t offset) {
    return static_cast<std::int32_t>(com::wire::GetU32(in, offset));
}

class CounterObject final : public com::RefCounted<CounterObject, ICounter> {
public:
    CounterObject() { CountLive(+1); }
    ~CounterObject() override { CountLive(-1); }

    HRESULT QueryInterface(const IID& iid, void** object) override {
        return com::QueryInterfaceFrom({{IID_IUnknown, this}, {IID_ICounter, this}}, iid, object);
    }
    HRESULT Add(std::int32_t delta, std::int32_t* total) override {
        total_ += delta;
        *total = total_;
        return S_OK;
    }
    HRESULT ProcessId(std::int32_t* processId) override {
        *processId = static_cast<std::int32_t>(::getpid());
        return S_OK;
    }
    HRESULT Echo(const Bytes& in, Bytes* out) override {
        *out = in;
        return S_OK;
    }
    HRESULT AddThroughSelf(std::int32_t delta, std::int32_t* total) override {
        void* pointer = nullptr;
        const HRESULT hr = CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, IID_ICounter, &pointer);
        if (FAILED(hr)) return hr;
        auto* other = static_cast<ICounter*>(pointer);
        const HRESULT added = other->Add(delta, total);
        other->Release();
        return added;
    }
    HRESULT LockCount(std::uint32_t* count) override {
        *count = com::ModuleLockCount();
        return S_OK;
    }
    HRESULT Fail(HRESULT result) override { return result; }

private:
    com::ModuleReference moduleReference_;
    std::int32_t total_ = 0;
};

class CounterFactory final : public com::RefCounted<CounterFactory, IClassFactory> {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override {
        return com::QueryInterfaceFrom({{IID_IUnknown, this}, {IID_IClassFactory, this}}, iid, object);
    }
    HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) override {
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* counter = new CounterObject;
        const HRESULT hr = counter->QueryInterface(iid, object);
        counter->Release();
        return hr;
    }
    HRESULT LockServer(bool lock) override {
        lock ? com::ModuleLock() : com::ModuleUnlock();
        return S_OK;
    }
};

// Server side: requests in, the object's answers out.
class CounterStub final : public com::CallTarget {
public:
    explicit CounterStub(ICounter* counter) : counter_(counter) {}

    void Dispatch(std::uint32_t method, std::span<const std::byte> request, Bytes& response) override {
        response.clear();
        Bytes outputs;
        const HRESULT hr = Run(method, request, outputs);
        PutI32(response, hr);
        response.insert(response.end(), outputs.begin(), outputs.end());
    }

private:
    HRESULT Run(std::uint32_t method, std::span<const std::byte> request, Bytes& outputs) {
        std::int32_t value = 0;
        std::uint32_t count = 0;
        HRESULT hr = S_OK;
        switch (method) {
            case 1:
                if (request.size() != 4) return E_INVALIDARG;
                hr = counter_->Add(GetI32(request, 0), &value);
                PutI32(outputs, value);
                return hr;
            case 2:
                hr = counter_->ProcessId(&value);
                PutI32(outputs, value);
                return hr;
            case 3: {
                Bytes copy;
                hr = counter_->Echo(Bytes(request.begin(), request.end()), &copy);
                outputs = std::move(copy);
                return hr;
            }
            case 4:
                if (request.size() != 4) return E_INVALIDARG;
                hr = counter_->AddThroughSelf(GetI32(request, 0), &value);
                PutI32(outputs, value);
                return hr;
            case 5:
                hr = counter_->LockCount(&count);
                PutI32(outputs, static_cast<std::int32_t>(count));
                return hr;
            case 6:
                if (request.size() != 4) return E_INVALIDARG;
                return counter_->Fail(GetI32(request, 0));
            case kMethodThrow: throw std::runtime_error("stub failure");
            default: return RPC_E_INVALIDMETHOD;
        }
    }

    ICounter* counter_;
};

// Client side: each method one call through the channel.
class CounterProxy final : public com::RefCounted<CounterProxy, ICounter> {
public:
    explicit CounterProxy(std::unique_ptr<com::CallChannel> channel) : channel_(std::move(channel)) {}

    HRESULT QueryInterface(const IID& iid, void** object) override {
        return com::QueryInterfaceFrom({{IID_IUnknown, this}, {IID_ICounter, this}}, iid, object);
    }
    HRESULT Add(std::int32_t delta, std::int32_t* total) override { return CallWithValue(1, delta, total); }
    HRESULT ProcessId(std::int32_t* processId) override { return CallWithValue(2, std::nullopt, processId); }
    HRESULT Echo(const Bytes& in, Bytes* out) override {
        Bytes response;
        const HRESULT hr = Exchange(3, in, response);
        if (FAILED(hr)) return hr;
        out->assign(response.begin() + 4, response.end());
        return GetI32(response, 0);
    }
    HRESULT AddThroughSelf(std::int32_t delta, std::int32_t* total) override { return CallWithValue(4, delta, total); }
    HRESULT LockCount(std::uint32_t* count) override {
        std::int32_t value = 0;
        const HRESULT hr = CallWithValue(5, std::nullopt, &value);
        *count = static_cast<std::uint32_t>(value);
        return hr;
    }
    HRESULT Fail(HRESULT result) override {
        Bytes request;
        PutI32(request, result);
        Bytes response;
        const HRESULT hr = Exchange(6, request, response);
        return FAILED(hr) ? hr : GetI32(response, 0);
    }

private:
    // Sends the call; the transport's failure, or S_OK with a response of at least the status.
    HRESULT Exchange(std::uint32_t method, std::span<const std::byte> request, Bytes& response) {
        const HRESULT hr = channel_->Call(method, request, response);
        if (FAILED(hr)) return hr;
        return response.size() >= 4 ? S_OK : RPC_E_INVALID_DATAPACKET;
    }

    HRESULT CallWithValue(std::uint32_t method, std::optional<std::int32_t> input, std::int32_t* output) {
        Bytes request;
        if (input) PutI32(request, *input);
        Bytes response;
        const HRESULT hr = Exchange(method, request, response);
        if (FAILED(hr)) return hr;
        if (response.size() != 8) return RPC_E_INVALID_DATAPACKET;
        *output = GetI32(response, 4);
        return GetI32(response, 0);
    }

    std::unique_ptr<com::CallChannel> channel_;
};

HRESULT MakeProxy(std::unique_ptr<com::CallChannel> channel, void** object) {
    auto* proxy = new CounterProxy(std::move(channel));
    const HRESULT hr = proxy->QueryInterface(IID_ICounter, object);
    proxy->Release();
    return hr;
}

std::unique_ptr<com::CallTarget> MakeStub(IUnknown* object) {
    return std::make_unique<CounterStub>(static_cast<ICounter*>(object));
}

}  // namespace

void RegisterCounterProxyStub() {
    com::RegisterProxyFactory(IID_ICounter, &MakeProxy);
    com::RegisterStubFactory(IID_ICounter, &MakeStub);
}

HRESULT RegisterCounterClass(platform::DWORD* cookie) {
    auto* factory = new CounterFactory;
    const HRESULT hr = CoRegisterClassObject(CLSID_Counter, factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, cookie);
    factory->Release();
    return hr;
}

int LiveCounters() {
    const std::lock_guard lock(g_liveMutex);
    return g_live;
}

bool WaitForLiveCounters(int count, std::chrono::seconds limit) {
    std::unique_lock lock(g_liveMutex);
    return g_liveChanged.wait_for(lock, limit, [count] { return g_live == count; });
}

}  // namespace kelvo::testing
