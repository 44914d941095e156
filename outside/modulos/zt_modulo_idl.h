// How the interfaces of the other modules' stand-in servers are described and marshalled: the
// same description mechanism as IZTQD_Srv (server/idl: parameter directions, record tables and
// their codec), applied to any small interface.
//
// KELVO_MODULO_INTERFACE(Interface, Iid, METHODS) declares, from a method list written as the
// document server's (X(number, name, (direction, type, name)...), numbers 1, 2, ... in slot
// order), the abstract interface class and its table `Interface##Metodos` (method N's member
// function and parameter behaviours). KELVO_MODULO_PROXY(Interface, METHODS) defines the client
// proxy `Interface##Proxy`. modulos::CriaProxy / modulos::CriaStub are the factories that the
// transport registers (platform/com/proxy_stub.h). Proxy and stub behave as the document
// server's do (server/idl/marshalling.h): [out] parameters zeroed before a call, null required
// pointers refused with RPC_X_NULL_REF_POINTER, every received length checked, a malformed
// message refused with RPC_X_BAD_STUB_DATA, an unknown method with RPC_S_PROCNUM_OUT_OF_RANGE.
// Proxies are reference-counted (thread-safe); a stub runs one call at a time.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/unknown.h"
#include "server/idl/param_codec.h"
#include "server/idl/param_list.h"
#include "server/idl/wire_limits.h"
#include "server/idl/wire_stream.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <tuple>
#include <utility>

#define KELVO_MODULO_METODO_PURO(number, name, ...) \
    virtual platform::HRESULT name(KELVO_IDL_PARAMETERS(__VA_ARGS__)) = 0;
#define KELVO_MODULO_ENTRADA(number, name, ...)                                              \
    template <class D>                                                                       \
    struct De<number, D> {                                                                   \
        static constexpr const char* kName = #name;                                          \
        static constexpr auto kFunction = &Iface::name;                                      \
        using Params = std::tuple<KELVO_IDL_MAP(KELVO_IDL_PARAM __VA_OPT__(, ) __VA_ARGS__)>; \
    };
#define KELVO_MODULO_NUMERO(number, ...) number,

// The interface `Interface` (identity `Iid`) and its method table.
#define KELVO_MODULO_INTERFACE(Interface, Iid, METHODS)                                              \
    class Interface : public platform::IUnknown {                                                    \
    public:                                                                                          \
        METHODS(KELVO_MODULO_METODO_PURO)                                                            \
    protected:                                                                                       \
        ~Interface() = default;                                                                      \
    };                                                                                               \
    struct Interface##Metodos {                                                                      \
        using Iface = Interface;                                                                     \
        static constexpr const platform::IID& kIid = Iid;                                            \
        template <std::uint32_t N, class D = void>                                                   \
        struct De;                                                                                   \
        METHODS(KELVO_MODULO_ENTRADA)                                                                \
        static constexpr std::uint32_t kNumeros[] = {METHODS(KELVO_MODULO_NUMERO)};                  \
        static constexpr std::uint32_t kQtd = static_cast<std::uint32_t>(std::size(kNumeros));       \
        static_assert(::modulos::NumerosSeguemSlots(kNumeros), #Interface ": numbers follow the slots"); \
    };

#define KELVO_MODULO_PROXY_METODO(number, name, ...)                                 \
    platform::HRESULT name(KELVO_IDL_PARAMETERS(__VA_ARGS__)) override {             \
        return this->template Chama<number>(0 KELVO_IDL_FORWARD(__VA_ARGS__));       \
    }

// The client proxy of `Interface`: every method marshals through ProxyModulo::Chama.
#define KELVO_MODULO_PROXY(Interface, METHODS)                                      \
    class Interface##Proxy final : public ::modulos::ProxyModulo<Interface##Metodos> { \
    public:                                                                         \
        using ProxyModulo::ProxyModulo;                                             \
        METHODS(KELVO_MODULO_PROXY_METODO)                                          \
    };

namespace modulos {

template <std::size_t N>
constexpr bool NumerosSeguemSlots(const std::uint32_t (&numeros)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (numeros[i] != i + 1) return false;
    }
    return true;
}

namespace detalhe {

template <class Params, std::size_t I>
using ParamEm = std::tuple_element_t<I, Params>;

// One call through `canal`: the [in] parameters out, the HRESULT and [out] parameters back.
template <class Params, class Args, std::size_t... I>
platform::HRESULT ChamaPeloCanal(platform::com::CallChannel& canal, std::uint32_t metodo, const Args& args,
                                 std::index_sequence<I...>) {
    using namespace server::idl;
    (ParamEm<Params, I>::ZeroOut(std::get<I>(args), args), ...);
    if (!(true && ... && ParamEm<Params, I>::Valid(std::get<I>(args), args))) return RPC_X_NULL_REF_POINTER;

    platform::com::Bytes resposta;
    try {
        platform::com::Bytes pedido;
        WireWriter out(pedido);
        (ParamEm<Params, I>::EncodeIn(out, std::get<I>(args), args), ...);
        if (out.Overflowed()) return platform::E_OUTOFMEMORY;
        const platform::HRESULT enviado = canal.Call(metodo, pedido, resposta);
        if (platform::FAILED(enviado)) return enviado;
    } catch (const std::bad_alloc&) {
        return platform::E_OUTOFMEMORY;
    }

    WireReader in(resposta);
    std::uint32_t resultado = 0;
    if (!in.ReadU32(resultado)) return RPC_X_BAD_STUB_DATA;
    const auto hr = static_cast<platform::HRESULT>(resultado);
    if (in.AtEnd() && platform::FAILED(hr)) return hr;  // refused before the method ran

    [[maybe_unused]] const std::tuple<typename ParamEm<Params, I>::Saved...> guardados{
        ParamEm<Params, I>::Save(std::get<I>(args))...};
    const bool lido = (true && ... && ParamEm<Params, I>::DecodeOut(in, std::get<I>(args), args));
    if (lido && in.AtEnd()) return hr;
    (ParamEm<Params, I>::Discard(std::get<I>(args), args, std::get<I>(guardados)), ...);
    return RPC_X_BAD_STUB_DATA;
}

// A response that carries only a failure.
inline void Recusa(platform::com::Bytes& resposta, platform::HRESULT falha) {
    resposta.clear();
    server::idl::WireWriter out(resposta);
    out.WriteU32(static_cast<std::uint32_t>(falha));
}

template <class Libera>
class LiberaAoSair {
public:
    explicit LiberaAoSair(Libera libera) : libera_(std::move(libera)) {}
    ~LiberaAoSair() { libera_(); }
    LiberaAoSair(const LiberaAoSair&) = delete;
    LiberaAoSair& operator=(const LiberaAoSair&) = delete;

private:
    Libera libera_;
};

// Decodes one request, calls the object and encodes the response.
template <class Params, class Objeto, class Funcao, std::size_t... I>
void ExecutaCom(Objeto& objeto, Funcao funcao, std::span<const std::byte> pedido, platform::com::Bytes& resposta,
                std::index_sequence<I...>) {
    using namespace server::idl;
    std::tuple<typename ParamEm<Params, I>::Storage...> locais{};
    const LiberaAoSair libera([&] { (ParamEm<Params, I>::Release(std::get<I>(locais)), ...); });

    WireReader in(pedido);
    const bool lido = (true && ... && ParamEm<Params, I>::DecodeIn(in, std::get<I>(locais), locais));
    if (!lido || !in.AtEnd()) return Recusa(resposta, in.Error() == platform::S_OK ? RPC_X_BAD_STUB_DATA : in.Error());

    platform::HRESULT hr = platform::S_OK;
    try {
        hr = (objeto.*funcao)(ParamEm<Params, I>::Arg(std::get<I>(locais))...);
    } catch (...) {
        return Recusa(resposta, RPC_E_SERVERFAULT);
    }
    WireWriter out(resposta);
    out.WriteU32(static_cast<std::uint32_t>(hr));
    (ParamEm<Params, I>::EncodeOut(out, std::get<I>(locais), locais), ...);
    if (out.Overflowed()) Recusa(resposta, platform::E_OUTOFMEMORY);
}

template <class Metodos, std::uint32_t N>
void ExecutaMetodo(typename Metodos::Iface& objeto, std::span<const std::byte> pedido, platform::com::Bytes& resposta) {
    using Metodo = typename Metodos::template De<N>;
    using Params = typename Metodo::Params;
    ExecutaCom<Params>(objeto, Metodo::kFunction, pedido, resposta, std::make_index_sequence<std::tuple_size_v<Params>>{});
}

template <class Metodos, std::size_t... K>
constexpr auto TabelaExecucao(std::index_sequence<K...>) {
    using Executa = void (*)(typename Metodos::Iface&, std::span<const std::byte>, platform::com::Bytes&);
    return std::array<Executa, sizeof...(K)>{&ExecutaMetodo<Metodos, static_cast<std::uint32_t>(K + 1)>...};
}

}  // namespace detalhe

// The proxy's common part: IUnknown for the interface, and the call of method N.
template <class Metodos>
class ProxyModulo : public Metodos::Iface {
public:
    explicit ProxyModulo(std::unique_ptr<platform::com::CallChannel> canal) : canal_(std::move(canal)) {}
    ProxyModulo(const ProxyModulo&) = delete;
    ProxyModulo& operator=(const ProxyModulo&) = delete;

    platform::HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        if (!object) return platform::E_POINTER;
        if (iid != platform::IID_IUnknown && iid != Metodos::kIid) {
            *object = nullptr;
            return platform::E_NOINTERFACE;
        }
        AddRef();
        *object = static_cast<typename Metodos::Iface*>(this);
        return platform::S_OK;
    }
    platform::ULONG AddRef() override { return ++referencias_; }
    platform::ULONG Release() override {
        const platform::ULONG restantes = --referencias_;
        if (restantes == 0) delete this;
        return restantes;
    }

protected:
    virtual ~ProxyModulo() = default;

    // Method N with its arguments (after a leading 0 that keeps the pack well-formed when empty).
    template <std::uint32_t N, class... A>
    platform::HRESULT Chama(int, A... argumentos) {
        using Params = typename Metodos::template De<N>::Params;
        const std::tuple<A...> args{argumentos...};
        return detalhe::ChamaPeloCanal<Params>(*canal_, N, args, std::index_sequence_for<A...>{});
    }

private:
    std::unique_ptr<platform::com::CallChannel> canal_;
    std::atomic<platform::ULONG> referencias_{1};
};

// The stub of an object's interface: one handler per method number.
template <class Metodos>
class StubModulo final : public platform::com::CallTarget {
public:
    explicit StubModulo(typename Metodos::Iface* objeto) : objeto_(objeto) {}
    ~StubModulo() override { objeto_->Release(); }
    StubModulo(const StubModulo&) = delete;
    StubModulo& operator=(const StubModulo&) = delete;

    void Dispatch(std::uint32_t metodo, std::span<const std::byte> pedido, platform::com::Bytes& resposta) override {
        resposta.clear();
        if (metodo == 0 || metodo > Metodos::kQtd) {
            return detalhe::Recusa(resposta, server::idl::RPC_S_PROCNUM_OUT_OF_RANGE);
        }
        if (pedido.size() > server::idl::kMaxMessageBytes) {
            return detalhe::Recusa(resposta, server::idl::RPC_X_BAD_STUB_DATA);
        }
        static constexpr auto kTabela = detalhe::TabelaExecucao<Metodos>(std::make_index_sequence<Metodos::kQtd>{});
        try {
            kTabela[metodo - 1](*objeto_, pedido, resposta);
        } catch (const std::bad_alloc&) {
            detalhe::Recusa(resposta, platform::E_OUTOFMEMORY);
        }
    }

private:
    typename Metodos::Iface* objeto_;
};

// The proxy factory of the interface whose proxy class is `Proxy`.
template <class Proxy>
platform::HRESULT CriaProxy(std::unique_ptr<platform::com::CallChannel> canal, void** object) {
    if (!object) return platform::E_POINTER;
    *object = nullptr;
    if (!canal) return platform::E_INVALIDARG;
    *object = static_cast<platform::IUnknown*>(new Proxy(std::move(canal)));
    return platform::S_OK;
}

// The stub factory of the interface of `Metodos`: null when `objeto` does not offer it.
template <class Metodos>
std::unique_ptr<platform::com::CallTarget> CriaStub(platform::IUnknown* objeto) {
    if (!objeto) return nullptr;
    void* encontrado = nullptr;
    if (platform::FAILED(objeto->QueryInterface(Metodos::kIid, &encontrado)) || !encontrado) return nullptr;
    return std::make_unique<StubModulo<Metodos>>(static_cast<typename Metodos::Iface*>(encontrado));
}

}  // namespace modulos
