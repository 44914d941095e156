// Small objects for the tests of util/com: an interface with one identity and a ticker that only
// pretends to wait.
#pragma once

#include "platform/com/ref_counted.h"
#include "platform/system/tick_count.h"

#include <vector>

namespace kelvo::testing {

constexpr platform::IID IID_IProbe{0x5C0FFEE0, 0x1234, 0x4321, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7}};
constexpr platform::IID IID_INotProbe{0x5C0FFEE1, 0x1234, 0x4321, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA8}};
constexpr platform::CLSID CLSID_Probe{0x5C0FFEE2, 0x1234, 0x4321, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA9}};

class IProbe : public platform::IUnknown {
public:
    virtual int Id() = 0;

protected:
    ~IProbe() = default;
};

// Counts its live instances so that tests see every release.
class Probe final : public platform::com::RefCounted<Probe, IProbe> {
public:
    explicit Probe(int id = 0) : id_(id) { ++Live(); }
    ~Probe() override { --Live(); }
    platform::HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        return platform::com::QueryInterfaceFrom({{platform::IID_IUnknown, this}, {IID_IProbe, this}}, iid, object);
    }
    int Id() override { return id_; }
    static int& Live() {
        static int live = 0;
        return live;
    }

private:
    int id_;
};

// Records every wait instead of waiting.
class FakeTicker final : public platform::Ticker {
public:
    std::uint64_t GetTickCount64() override { return now; }
    void Sleep(unsigned milliseconds) override {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    std::uint64_t now = 1000;
    std::vector<unsigned> sleeps;
};

}  // namespace kelvo::testing
