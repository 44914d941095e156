#include "platform/com/proxy_stub.h"

#include <mutex>
#include <utility>
#include <vector>

namespace platform::com {

namespace {

template <class Factory>
class FactoryTable {
public:
    void Set(const IID& iid, Factory factory) {
        std::lock_guard lock(mutex_);
        for (auto& entry : entries_) {
            if (entry.first != iid) continue;
            entry.second = factory;
            return;
        }
        entries_.emplace_back(iid, factory);
    }

    Factory Find(const IID& iid) {
        std::lock_guard lock(mutex_);
        for (const auto& entry : entries_) {
            if (entry.first == iid) return entry.second;
        }
        return nullptr;
    }

private:
    std::mutex mutex_;
    std::vector<std::pair<IID, Factory>> entries_;
};

FactoryTable<ProxyFactory>& Proxies() {
    static FactoryTable<ProxyFactory> table;
    return table;
}

FactoryTable<StubFactory>& Stubs() {
    static FactoryTable<StubFactory> table;
    return table;
}

}  // namespace

void RegisterProxyFactory(const IID& iid, ProxyFactory factory) { Proxies().Set(iid, factory); }

void RegisterStubFactory(const IID& iid, StubFactory factory) { Stubs().Set(iid, factory); }

ProxyFactory FindProxyFactory(const IID& iid) { return Proxies().Find(iid); }

StubFactory FindStubFactory(const IID& iid) { return Stubs().Find(iid); }

}  // namespace platform::com
