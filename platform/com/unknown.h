// IUnknown: the reference-counted base of every interface, and the identities of the base ones.
//
// Objects count their references; Release() of the last one destroys the object. Interfaces are
// abstract classes whose first three operations are these, as on the original platform.
#pragma once

#include "platform/com/guid.h"
#include "platform/hresult.h"

#include <cstdint>

namespace platform {

using ULONG = std::uint32_t;

constexpr IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class IUnknown {
public:
    // Sets *object to this object's interface `iid` (adding a reference) or to null.
    virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;  // objects end through Release()
};

}  // namespace platform
