// A trivial interface, its class and its hand-made proxy and stub: what the transport's tests
// (and their server program, com_test_server) activate and call.
//
// Methods in slot order: 1 Add, 2 ProcessId, 3 Echo, 4 AddThroughSelf, 5 LockCount, 6 Fail;
// method 99 makes the stub throw. A response is the method's HRESULT (4 bytes) and its outputs.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/class_object.h"

#include <chrono>
#include <cstdint>

namespace kelvo::testing {

using platform::HRESULT;

constexpr platform::IID IID_ICounter{0x6B1D3A10, 0x2C4E, 0x4F7A, {0x9E, 0x11, 0x5A, 0x3C, 0x77, 0x20, 0x41, 0x01}};
constexpr platform::CLSID CLSID_Counter{0x6B1D3A11, 0x2C4E, 0x4F7A, {0x9E, 0x11, 0x5A, 0x3C, 0x77, 0x20, 0x41, 0x02}};
// An interface with neither proxy nor stub.
constexpr platform::IID IID_IUnmarshalled{0x6B1D3A12, 0x2C4E, 0x4F7A, {0x9E, 0x11, 0x5A, 0x3C, 0x77, 0x20, 0x41, 0x03}};

constexpr std::uint32_t kMethodThrow = 99;

class ICounter : public platform::IUnknown {
public:
    // Adds `delta` to the object's total and returns the new total.
    virtual HRESULT Add(std::int32_t delta, std::int32_t* total) = 0;
    // The serving process's id.
    virtual HRESULT ProcessId(std::int32_t* processId) = 0;
    // `out` receives a copy of `in`.
    virtual HRESULT Echo(const platform::com::Bytes& in, platform::com::Bytes* out) = 0;
    // Activates a second object of its own class from inside its process and adds `delta` there.
    virtual HRESULT AddThroughSelf(std::int32_t delta, std::int32_t* total) = 0;
    // The serving process's module lock count.
    virtual HRESULT LockCount(std::uint32_t* count) = 0;
    // Returns `result` (a success or failure status travels as it is).
    virtual HRESULT Fail(HRESULT result) = 0;

protected:
    ~ICounter() = default;
};

// Registers the counter's proxy and stub factories in this process.
void RegisterCounterProxyStub();
// Registers the counter's class object for CLSCTX_LOCAL_SERVER in this process.
[[nodiscard]] HRESULT RegisterCounterClass(platform::DWORD* cookie);
// Live counter objects of this process.
[[nodiscard]] int LiveCounters();
// Waits until exactly `count` counter objects of this process live (another thread creates and
// releases them); false when that has not happened within `limit`.
[[nodiscard]] bool WaitForLiveCounters(int count, std::chrono::seconds limit);

}  // namespace kelvo::testing
