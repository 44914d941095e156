#include "platform/com/ref_counted.h"

namespace platform::com {

HRESULT QueryInterfaceFrom(std::initializer_list<InterfaceEntry> table, const IID& iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const InterfaceEntry& entry : table) {
        if (entry.iid != iid) continue;
        entry.pointer->AddRef();
        *object = entry.pointer;
        return S_OK;
    }
    return E_NOINTERFACE;
}

}  // namespace platform::com
