// The client side of a described interface: a proxy whose every method marshals its call through
// a CallChannel (platform/com/channel.h) bound to one server object.
//
// KELVO_IDL_PROXY(Interface, METHODS) defines the class `Interface##Proxy` from the description
// and its method table (method_table.h); CreateProxy<Interface##Proxy> is the factory that the
// transport registers for the interface (platform/com/proxy_stub.h).
//
// Every method encodes its [in] parameters, sends them, and decodes the method's HRESULT and
// [out] parameters, which travel whatever the HRESULT (success-class values arrive unchanged).
// Before anything is sent, [out] parameters are zeroed; a null pointer where a value is required
// gives RPC_X_NULL_REF_POINTER; a message that would pass kMaxMessageBytes gives E_OUTOFMEMORY;
// a transport failure is returned as it is, with [out] parameters zeroed and [in,out] ones
// unchanged; a response that does not decode gives RPC_X_BAD_STUB_DATA with the same guarantees.
// Arrays and BSTRs it returns are allocated with CoTaskMemAlloc and SysAllocStringLen, for the
// caller to free. The proxy is reference-counted (thread-safe); its calls may come from any
// thread as far as the channel allows.
#pragma once

#include "platform/com/channel.h"
#include "platform/idl/method_table.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <new>
#include <tuple>
#include <utility>

namespace platform::idl {

namespace detail {

// One call through `channel`: the [in] parameters out, the HRESULT and the [out] parameters back.
template <class Params, class Args, std::size_t... I>
HRESULT CallThrough(com::CallChannel& channel, std::uint32_t method, const Args& args, std::index_sequence<I...>) {
    (ParamAt<Params, I>::ZeroOut(std::get<I>(args), args), ...);
    if (!(true && ... && ParamAt<Params, I>::Valid(std::get<I>(args), args))) return RPC_X_NULL_REF_POINTER;

    com::Bytes response;
    try {
        com::Bytes request;
        WireWriter out(request);
        (ParamAt<Params, I>::EncodeIn(out, std::get<I>(args), args), ...);
        if (out.Overflowed()) return E_OUTOFMEMORY;
        const HRESULT sent = channel.Call(method, request, response);
        if (FAILED(sent)) return sent;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }

    WireReader in(response);
    std::uint32_t result = 0;
    if (!in.ReadU32(result)) return RPC_X_BAD_STUB_DATA;
    const auto hr = static_cast<HRESULT>(result);
    // A call refused before the method ran brings its failure and no [out] parameters.
    if (in.AtEnd() && FAILED(hr)) return hr;

    [[maybe_unused]] const std::tuple<typename ParamAt<Params, I>::Saved...> saved{
        ParamAt<Params, I>::Save(std::get<I>(args))...};
    const bool decoded = (true && ... && ParamAt<Params, I>::DecodeOut(in, std::get<I>(args), args));
    if (decoded && in.AtEnd()) return hr;
    (ParamAt<Params, I>::Discard(std::get<I>(args), args, std::get<I>(saved)), ...);
    return RPC_X_BAD_STUB_DATA;
}

}  // namespace detail

// What every proxy is: IUnknown for its one interface, and the call of method N.
template <class Methods>
class InterfaceProxy : public Methods::Type {
public:
    using Interface = typename Methods::Type;

    explicit InterfaceProxy(std::unique_ptr<com::CallChannel> channel) : channel_(std::move(channel)) {}
    InterfaceProxy(const InterfaceProxy&) = delete;
    InterfaceProxy& operator=(const InterfaceProxy&) = delete;

    HRESULT QueryInterface(const IID& iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid != IID_IUnknown && iid != Methods::kIid) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        *object = static_cast<Interface*>(this);
        return S_OK;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~InterfaceProxy() = default;

    // Method N with its arguments, through the channel.
    template <std::uint32_t N, class... A>
    HRESULT Call(A... arguments) {
        using Method = typename Methods::template Method<N>;
        const typename Method::Arguments args{arguments...};
        return detail::CallThrough<typename Method::Params>(*channel_, N, args, std::index_sequence_for<A...>{});
    }

private:
    std::unique_ptr<com::CallChannel> channel_;
    std::atomic<ULONG> references_{1};
};

// Sets *object to a new `Proxy` (one reference) that sends its calls through `channel`, which it
// owns and destroys with its last reference. S_OK; E_POINTER for a null `object`; E_INVALIDARG
// for a null channel (*object is then null).
template <class Proxy>
[[nodiscard]] HRESULT CreateProxy(std::unique_ptr<com::CallChannel> channel, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!channel) return E_INVALIDARG;
    *object = static_cast<typename Proxy::Interface*>(new Proxy(std::move(channel)));
    return S_OK;
}

}  // namespace platform::idl

#define KELVO_IDL_PROXY_METHOD(number, name, ...)                                \
    platform::HRESULT name(KELVO_IDL_PARAMETERS(__VA_ARGS__)) override {         \
        return this->template Call<number>(KELVO_IDL_ARGUMENTS(__VA_ARGS__));    \
    }

// The client proxy `Interface##Proxy` of interface `Interface`, described by METHODS.
#define KELVO_IDL_PROXY(Interface, METHODS)                                                 \
    class Interface##Proxy final : public ::platform::idl::InterfaceProxy<Interface##Methods> { \
    public:                                                                                 \
        using InterfaceProxy::InterfaceProxy;                                               \
        METHODS(KELVO_IDL_PROXY_METHOD)                                                     \
    };
