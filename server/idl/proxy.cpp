// The client proxy of IZTQD_Srv: each method of the interface description becomes an override
// that marshals through the generic call below.
#include "server/idl/marshalling.h"

#include "server/idl/method_table.h"

#include <atomic>
#include <new>
#include <tuple>
#include <utility>

namespace server::idl {

namespace {

using platform::HRESULT;
using platform::com::Bytes;
using platform::com::CallChannel;

template <class Params, std::size_t I>
using ParamAt = std::tuple_element_t<I, Params>;

template <class Params, class Args, std::size_t... I>
HRESULT CallThrough(CallChannel& channel, std::uint32_t method, const Args& args, std::index_sequence<I...>) {
    (ParamAt<Params, I>::ZeroOut(std::get<I>(args), args), ...);
    if (!(true && ... && ParamAt<Params, I>::Valid(std::get<I>(args), args))) return RPC_X_NULL_REF_POINTER;

    Bytes response;
    try {
        Bytes request;
        WireWriter out(request);
        (ParamAt<Params, I>::EncodeIn(out, std::get<I>(args), args), ...);
        if (out.Overflowed()) return platform::E_OUTOFMEMORY;
        const HRESULT sent = channel.Call(method, request, response);
        if (platform::FAILED(sent)) return sent;
    } catch (const std::bad_alloc&) {
        return platform::E_OUTOFMEMORY;
    }

    WireReader in(response);
    std::uint32_t result = 0;
    if (!in.ReadU32(result)) return RPC_X_BAD_STUB_DATA;
    const auto hr = static_cast<HRESULT>(result);
    // A call refused before the method ran brings its failure and no [out] parameters.
    if (in.AtEnd() && platform::FAILED(hr)) return hr;

    [[maybe_unused]] const std::tuple<typename ParamAt<Params, I>::Saved...> saved{
        ParamAt<Params, I>::Save(std::get<I>(args))...};
    const bool decoded = (true && ... && ParamAt<Params, I>::DecodeOut(in, std::get<I>(args), args));
    if (decoded && in.AtEnd()) return hr;
    (ParamAt<Params, I>::Discard(std::get<I>(args), args, std::get<I>(saved)), ...);
    return RPC_X_BAD_STUB_DATA;
}

template <std::uint32_t N, class... A>
HRESULT CallRemote(CallChannel& channel, A... arguments) {
    using Params = typename MethodOf<N>::Params;
    const typename MethodOf<N>::Arguments args{arguments...};
    return CallThrough<Params>(channel, N, args, std::index_sequence_for<A...>{});
}

class ZTQD_SrvProxy final : public IZTQD_Srv {
public:
    explicit ZTQD_SrvProxy(std::unique_ptr<CallChannel> channel) : channel_(std::move(channel)) {}

    HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        if (!object) return platform::E_POINTER;
        if (iid != platform::IID_IUnknown && iid != IID_IZTQD_Srv) {
            *object = nullptr;
            return platform::E_NOINTERFACE;
        }
        AddRef();
        *object = static_cast<IZTQD_Srv*>(this);
        return platform::S_OK;
    }
    platform::ULONG AddRef() override { return ++references_; }
    platform::ULONG Release() override {
        const platform::ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

#define KELVO_IDL_PROXY_METHOD(number, name, ...)                                   \
    HRESULT name(KELVO_IDL_PARAMETERS(__VA_ARGS__)) override {                      \
        return CallRemote<number>(*channel_ KELVO_IDL_FORWARD(__VA_ARGS__));        \
    }
    KELVO_IZTQD_SRV_METHODS(KELVO_IDL_PROXY_METHOD)
#undef KELVO_IDL_PROXY_METHOD

private:
    ~ZTQD_SrvProxy() = default;

    std::unique_ptr<CallChannel> channel_;
    std::atomic<platform::ULONG> references_{1};
};

}  // namespace

HRESULT CreateZTQD_SrvProxy(std::unique_ptr<CallChannel> channel, void** object) {
    if (!object) return platform::E_POINTER;
    *object = nullptr;
    if (!channel) return platform::E_INVALIDARG;
    *object = static_cast<IZTQD_Srv*>(new ZTQD_SrvProxy(std::move(channel)));
    return platform::S_OK;
}

}  // namespace server::idl
