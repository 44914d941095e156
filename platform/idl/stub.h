// The server side of a described interface: a stub that runs each call that arrives on an object
// of the interface.
//
// CreateStub<Interface##Methods> (method_table.h) is the factory that the transport registers for
// the interface (platform/com/proxy_stub.h). The stub decodes a request, calls the object and
// encodes the response; it frees what it decoded and what the object returned once the response
// is written. A request that does not decode exactly (short, too long, a count beyond the bytes
// sent or the bounds) is refused with RPC_X_BAD_STUB_DATA before the object is called; an unknown
// method number with RPC_S_PROCNUM_OUT_OF_RANGE; an exception out of the object with
// RPC_E_SERVERFAULT. Every char[N] field it receives is cut to N - 1 characters. A refused call's
// response holds its failure alone, with no [out] parameter. One thread at a time.
#pragma once

#include "platform/com/channel.h"
#include "platform/idl/method_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <tuple>
#include <utility>

namespace platform::idl {

namespace detail {

// A response that carries only a failure: the method did not run and no [out] parameter follows.
inline void Refuse(com::Bytes& response, HRESULT failure) {
    response.clear();
    WireWriter out(response);
    out.WriteU32(static_cast<std::uint32_t>(failure));
}

template <class Release>
class ReleaseOnExit {
public:
    explicit ReleaseOnExit(Release release) : release_(std::move(release)) {}
    ~ReleaseOnExit() { release_(); }
    ReleaseOnExit(const ReleaseOnExit&) = delete;
    ReleaseOnExit& operator=(const ReleaseOnExit&) = delete;

private:
    Release release_;
};

// Decodes one request, calls `function` on the object and encodes the response.
template <class Params, class Object, class Function, std::size_t... I>
void RunWith(Object& object, Function function, std::span<const std::byte> request, com::Bytes& response,
             std::index_sequence<I...>) {
    std::tuple<typename ParamAt<Params, I>::Storage...> storages{};
    // What was decoded and what the object returned are freed however the call ends.
    const ReleaseOnExit release([&] { (ParamAt<Params, I>::Release(std::get<I>(storages)), ...); });

    WireReader in(request);
    const bool decoded = (true && ... && ParamAt<Params, I>::DecodeIn(in, std::get<I>(storages), storages));
    if (!decoded || !in.AtEnd()) {
        Refuse(response, in.Error() == S_OK ? RPC_X_BAD_STUB_DATA : in.Error());
        return;
    }

    HRESULT hr = S_OK;
    try {
        hr = (object.*function)(ParamAt<Params, I>::Arg(std::get<I>(storages))...);
    } catch (...) {
        Refuse(response, RPC_E_SERVERFAULT);
        return;
    }

    WireWriter out(response);
    out.WriteU32(static_cast<std::uint32_t>(hr));
    (ParamAt<Params, I>::EncodeOut(out, std::get<I>(storages), storages), ...);
    if (out.Overflowed()) Refuse(response, E_OUTOFMEMORY);
}

template <class Methods, std::uint32_t N>
void RunMethod(typename Methods::Type& object, std::span<const std::byte> request, com::Bytes& response) {
    using Method = typename Methods::template Method<N>;
    using Params = typename Method::Params;
    RunWith<Params>(object, Method::kFunction, request, response,
                    std::make_index_sequence<std::tuple_size_v<Params>>{});
}

// One handler per method number, method 1 first.
template <class Methods, std::size_t... K>
constexpr auto MakeHandlers(std::index_sequence<K...>) {
    using Handler = void (*)(typename Methods::Type&, std::span<const std::byte>, com::Bytes&);
    return std::array<Handler, sizeof...(K)>{&RunMethod<Methods, static_cast<std::uint32_t>(K + 1)>...};
}

}  // namespace detail

template <class Methods>
class InterfaceStub final : public com::CallTarget {
public:
    using Interface = typename Methods::Type;

    explicit InterfaceStub(Interface* object) : object_(object) {}
    ~InterfaceStub() override { object_->Release(); }
    InterfaceStub(const InterfaceStub&) = delete;
    InterfaceStub& operator=(const InterfaceStub&) = delete;

    void Dispatch(std::uint32_t method, std::span<const std::byte> request, com::Bytes& response) override {
        static constexpr auto kHandlers = detail::MakeHandlers<Methods>(std::make_index_sequence<Methods::kCount>{});
        response.clear();
        if (method == 0 || method > Methods::kCount) return detail::Refuse(response, RPC_S_PROCNUM_OUT_OF_RANGE);
        if (request.size() > kMaxMessageBytes) return detail::Refuse(response, RPC_X_BAD_STUB_DATA);
        try {
            kHandlers[method - 1](*object_, request, response);
        } catch (const std::bad_alloc&) {
            detail::Refuse(response, E_OUTOFMEMORY);
        }
    }

private:
    Interface* object_;
};

// A stub that runs calls on `object`'s interface of `Methods`, holding one reference to it while
// the stub lives; null when `object` is null or does not offer that interface.
template <class Methods>
[[nodiscard]] std::unique_ptr<com::CallTarget> CreateStub(IUnknown* object) {
    if (!object) return nullptr;
    void* found = nullptr;
    if (FAILED(object->QueryInterface(Methods::kIid, &found)) || !found) return nullptr;
    return std::make_unique<InterfaceStub<Methods>>(static_cast<typename Methods::Type*>(found));
}

}  // namespace platform::idl
