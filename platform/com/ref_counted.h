// The reference count that every object of the COM layer shares, and the QueryInterface table.
//
// An object derives from RefCounted<Itself, Interface...>: AddRef and Release of every listed
// interface are implemented here with one atomic count, and the object deletes itself when the
// count returns to zero. A new object starts with one reference, owned by whoever created it;
// that creator hands out pointers through QueryInterface and then drops its own reference:
//
//     auto* object = new Counter;                    // count 1
//     HRESULT hr = object->QueryInterface(iid, out);  // count 2 on success
//     object->Release();                             // back to 1, or destroyed when QI failed
//
// The count is safe from any thread. Objects that keep a server process alive also hold a
// platform::com::ModuleReference (platform/com/module_lock.h).
#pragma once

#include "platform/com/unknown.h"

#include <atomic>
#include <initializer_list>

namespace platform::com {

template <class Derived, class... Interfaces>
class RefCounted : public Interfaces... {
public:
    ULONG AddRef() override { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }

    ULONG Release() override {
        const ULONG left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0) delete static_cast<Derived*>(this);
        return left;
    }

    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

protected:
    RefCounted() = default;
    virtual ~RefCounted() = default;

private:
    std::atomic<ULONG> refs_{1};
};

// One interface an object offers: its identity and the object's pointer for it.
struct InterfaceEntry {
    const IID& iid;
    IUnknown* pointer;
};

// QueryInterface over a table: sets *object to the entry for `iid` with a new reference, or to
// null with E_NOINTERFACE; E_POINTER when `object` is null.
[[nodiscard]] HRESULT QueryInterfaceFrom(std::initializer_list<InterfaceEntry> table, const IID& iid, void** object);

}  // namespace platform::com
