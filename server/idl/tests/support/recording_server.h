// A stand-in IZTQD_Srv for tests: every method records its number and hands its arguments to a
// handler that the test sets, which may check them, fill the [out] parameters and choose the
// HRESULT. Generated from the interface description, like the proxy and the stub.
//
// The test owns the object; references are only counted, so that a test can see that a stub
// took one and gave it back. Single-threaded.
#pragma once

#include "server/idl/method_table.h"

#include <cstdint>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace server::idl::testing {

class RecordingServer final : public IZTQD_Srv {
public:
    // Gets the method number and a pointer to that method's MethodOf<N>::Arguments.
    using Handler = std::function<platform::HRESULT(std::uint32_t method, void* arguments)>;

    // Answers every call with S_OK until a test sets a handler.
    Handler handler;
    // The numbers of the methods called, in order.
    std::vector<std::uint32_t> calls;
    platform::ULONG references = 1;

    // Handles method N with `function`, called with the method's own parameters.
    template <std::uint32_t N, class Function>
    void On(Function function) {
        handler = [function = std::move(function)](std::uint32_t method, void* arguments) mutable {
            if (method != N) return platform::E_UNEXPECTED;
            return std::apply(function, *static_cast<typename MethodOf<N>::Arguments*>(arguments));
        };
    }

    platform::HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        if (iid != platform::IID_IUnknown && iid != IID_IZTQD_Srv) {
            *object = nullptr;
            return platform::E_NOINTERFACE;
        }
        *object = static_cast<IZTQD_Srv*>(this);
        AddRef();
        return platform::S_OK;
    }
    platform::ULONG AddRef() override { return ++references; }
    platform::ULONG Release() override { return --references; }

#define KELVO_IDL_RECORDING_METHOD(number, name, ...)                                    \
    platform::HRESULT name(KELVO_IDL_PARAMETERS(__VA_ARGS__)) override {                 \
        typename MethodOf<number>::Arguments arguments{KELVO_IDL_ARGUMENTS(__VA_ARGS__)}; \
        return Received(number, &arguments);                                             \
    }
    KELVO_IZTQD_SRV_METHODS(KELVO_IDL_RECORDING_METHOD)
#undef KELVO_IDL_RECORDING_METHOD

private:
    platform::HRESULT Received(std::uint32_t method, void* arguments) {
        calls.push_back(method);
        return handler ? handler(method, arguments) : platform::S_OK;
    }
};

}  // namespace server::idl::testing
