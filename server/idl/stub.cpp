// The server stub of IZTQD_Srv: a table of one generated handler per method number, each
// decoding its request, calling the object and encoding the response.
#include "server/idl/marshalling.h"

#include "server/idl/method_table.h"

#include <array>
#include <new>
#include <span>
#include <tuple>
#include <utility>

namespace server::idl {

namespace {

using platform::HRESULT;
using platform::com::Bytes;

template <class Params, std::size_t I>
using ParamAt = std::tuple_element_t<I, Params>;

// A response that carries only a failure: the method did not run and no [out] parameter follows.
void Refuse(Bytes& response, HRESULT failure) {
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

template <class Params, class Function, std::size_t... I>
void RunWith(IZTQD_Srv& object, Function function, std::span<const std::byte> request, Bytes& response,
             std::index_sequence<I...>) {
    std::tuple<typename ParamAt<Params, I>::Storage...> storages{};
    // What was decoded and what the object returned are freed however the call ends.
    const ReleaseOnExit release([&] { (ParamAt<Params, I>::Release(std::get<I>(storages)), ...); });

    WireReader in(request);
    const bool decoded = (true && ... && ParamAt<Params, I>::DecodeIn(in, std::get<I>(storages), storages));
    if (!decoded || !in.AtEnd()) {
        Refuse(response, in.Error() == platform::S_OK ? RPC_X_BAD_STUB_DATA : in.Error());
        return;
    }

    HRESULT hr = platform::S_OK;
    try {
        hr = (object.*function)(ParamAt<Params, I>::Arg(std::get<I>(storages))...);
    } catch (...) {
        Refuse(response, RPC_E_SERVERFAULT);
        return;
    }

    WireWriter out(response);
    out.WriteU32(static_cast<std::uint32_t>(hr));
    (ParamAt<Params, I>::EncodeOut(out, std::get<I>(storages), storages), ...);
    if (out.Overflowed()) Refuse(response, platform::E_OUTOFMEMORY);
}

template <std::uint32_t N>
void RunMethod(IZTQD_Srv& object, std::span<const std::byte> request, Bytes& response) {
    using Method = MethodOf<N>;
    using Params = typename Method::Params;
    RunWith<Params>(object, Method::kFunction, request, response,
                    std::make_index_sequence<std::tuple_size_v<Params>>{});
}

using Handler = void (*)(IZTQD_Srv&, std::span<const std::byte>, Bytes&);

template <std::size_t... K>
constexpr std::array<Handler, sizeof...(K)> MakeHandlers(std::index_sequence<K...>) {
    return {&RunMethod<static_cast<std::uint32_t>(K + 1)>...};
}

constexpr auto kHandlers = MakeHandlers(std::make_index_sequence<kMethodCount>{});

class ZTQD_SrvStub final : public platform::com::CallTarget {
public:
    explicit ZTQD_SrvStub(IZTQD_Srv* object) : object_(object) {}
    ~ZTQD_SrvStub() override { object_->Release(); }
    ZTQD_SrvStub(const ZTQD_SrvStub&) = delete;
    ZTQD_SrvStub& operator=(const ZTQD_SrvStub&) = delete;

    void Dispatch(std::uint32_t method, std::span<const std::byte> request, Bytes& response) override {
        response.clear();
        if (method == 0 || method > kMethodCount) return Refuse(response, RPC_S_PROCNUM_OUT_OF_RANGE);
        if (request.size() > kMaxMessageBytes) return Refuse(response, RPC_X_BAD_STUB_DATA);
        try {
            kHandlers[method - 1](*object_, request, response);
        } catch (const std::bad_alloc&) {
            Refuse(response, platform::E_OUTOFMEMORY);
        }
    }

private:
    IZTQD_Srv* object_;
};

}  // namespace

std::unique_ptr<platform::com::CallTarget> CreateZTQD_SrvStub(platform::IUnknown* object) {
    if (!object) return nullptr;
    void* found = nullptr;
    if (platform::FAILED(object->QueryInterface(IID_IZTQD_Srv, &found)) || !found) return nullptr;
    return std::make_unique<ZTQD_SrvStub>(static_cast<IZTQD_Srv*>(found));
}

}  // namespace server::idl
