// How an interface is declared from its description.
//
// A description is a macro taking one callback, with one row per method in slot order (after the
// three of IUnknown): X(number, name, parameters...), numbered 1, 2, 3..., each parameter written
// (direction, C++ type, name) with the directions of param_codec.h; InArray<I> and OutArray<I>
// take their length from parameter I. From it come the abstract class (KELVO_IDL_INTERFACE
// below), the method table (method_table.h), the client proxy (proxy.h) and the server stub
// (stub.h); nothing else lists the methods.
//
// Every method returns an HRESULT. Arrays and BSTRs that come back are the caller's to free
// (CoTaskMemFree, SysFreeString); what the caller passes in stays the caller's.
#pragma once

#include "platform/com/unknown.h"
#include "platform/idl/param_list.h"

#define KELVO_IDL_PURE_METHOD(number, name, ...) \
    virtual platform::HRESULT name(KELVO_IDL_PARAMETERS(__VA_ARGS__)) = 0;

// The abstract class `Interface` with the methods of the description METHODS.
#define KELVO_IDL_INTERFACE(Interface, METHODS) \
    class Interface : public platform::IUnknown { \
    public:                                       \
        METHODS(KELVO_IDL_PURE_METHOD)            \
                                                  \
    protected:                                    \
        ~Interface() = default;                   \
    };
