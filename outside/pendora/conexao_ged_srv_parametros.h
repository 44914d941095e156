// How CConexaoGedSrv's operations take their parameters, derived from the interface description:
// each parameter keeps its interface type, except the records that have a data class.
//
//   [in] record            const data class&   the object's record is passed as it is
//   [out] record*          data class&         the object takes over what came back
//   [out] array of records data class*         each object takes over its record; on success
//                                              each gets the position it was read from
//
// Per parameter: Tipo (the operation's parameter type), Estado (what lives for the call),
// Prepara (before the call; a failure stops it), Bruto (the value passed to IZTQD_Srv) and
// Conclui (after the call, whatever its result). Internal to the client library; stateless.
#pragma once

#include "outside/pendora/qd_array_ponteiros.h"
#include "outside/pendora/qd_batch_grava_log.h"
#include "outside/pendora/qd_doc.h"
#include "outside/pendora/qd_doc_filtro.h"
#include "outside/pendora/qd_loc_arq.h"
#include "outside/pendora/qd_loc_mascara.h"
#include "outside/pendora/qd_propriedades.h"
#include "outside/pendora/qd_tip_doc.h"
#include "platform/idl/param_codec.h"
#include "platform/idl/wire_limits.h"

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace pendora::detail {

// The data class of an interface record; void for records passed as they are.
template <class R>
struct ClasseDados {
    using Tipo = void;
};
template <> struct ClasseDados<QD_DOC_PS> { using Tipo = CQDDoc; };
template <> struct ClasseDados<QD_TIPDOC_PS> { using Tipo = CQDTipDoc; };
template <> struct ClasseDados<QD_LOCARQ_PS> { using Tipo = CQDLocArq; };
template <> struct ClasseDados<QD_LOCARQ_MSC_PS> { using Tipo = CQDLocMascara; };
template <> struct ClasseDados<QD_PROPRIEDADES_PS> { using Tipo = CQDPropriedades; };
template <> struct ClasseDados<QD_DOC_FILTRO_PS> { using Tipo = CQDDocFiltro; };
template <> struct ClasseDados<QD_ARRAY_PONTEIROS_PS> { using Tipo = CQDArrayPonteiros; };
template <> struct ClasseDados<QD_BATCH_GRAVA_LOG_PS> { using Tipo = CQDBatchGravaLog; };

template <class R>
concept ComClasse = !std::is_void_v<typename ClasseDados<R>::Tipo>;

template <class R>
using ClasseDe = typename ClasseDados<R>::Tipo;

// A parameter passed as it is.
template <class Direcao, class T>
struct Parametro {
    using Tipo = T;
    struct Estado {};
    template <class Args>
    [[nodiscard]] static platform::HRESULT Prepara(const T&, Estado&, const Args&) {
        return platform::S_OK;
    }
    [[nodiscard]] static T Bruto(T valor, Estado&) { return valor; }
    template <class Parametros, class Args>
    static void Conclui(const T&, Estado&, platform::HRESULT, const Args&) {}
};

// An [in] record given as its data class (the batch included).
template <ComClasse R>
struct Parametro<platform::idl::In, R> {
    using Tipo = const ClasseDe<R>&;
    struct Estado {};
    template <class Args>
    [[nodiscard]] static platform::HRESULT Prepara(Tipo, Estado&, const Args&) {
        return platform::S_OK;
    }
    [[nodiscard]] static R Bruto(Tipo objeto, Estado&) { return objeto.GetPS(); }
    template <class Parametros, class Args>
    static void Conclui(Tipo, Estado&, platform::HRESULT, const Args&) {}
};

// An [out] record that the data class takes over.
template <ComClasse R>
struct Parametro<platform::idl::Out, R*> {
    using Tipo = ClasseDe<R>&;
    struct Estado {
        R registro{};
    };
    template <class Args>
    [[nodiscard]] static platform::HRESULT Prepara(Tipo, Estado&, const Args&) {
        return platform::S_OK;
    }
    [[nodiscard]] static R* Bruto(Tipo, Estado& estado) { return &estado.registro; }
    template <class Parametros, class Args>
    static void Conclui(Tipo objeto, Estado& estado, platform::HRESULT, const Args&) {
        objeto.TakeOwnership(estado.registro);
    }
};

inline constexpr std::size_t kNenhum = static_cast<std::size_t>(-1);

// The index of the [in] array of positions whose length is parameter I, or kNenhum.
template <class Parametros, std::size_t I, std::size_t... J>
constexpr std::size_t IndicePosicoes(std::index_sequence<J...>) {
    std::size_t indice = kNenhum;
    ((indice = (indice == kNenhum &&
                std::is_same_v<std::tuple_element_t<J, Parametros>,
                               Parametro<platform::idl::InArray<I>, const std::uint32_t*>>)
                   ? J
                   : indice),
     ...);
    return indice;
}

// An [out] array of records, each taken over by one object of the caller's array. The records
// are received in an array of the call's own, as long as parameter I says.
template <std::size_t I, ComClasse R>
struct Parametro<platform::idl::OutArray<I>, R*> {
    using Tipo = ClasseDe<R>*;
    struct Estado {
        std::vector<R> registros;
    };
    template <class Args>
    [[nodiscard]] static platform::HRESULT Prepara(Tipo objetos, Estado& estado, const Args& args) {
        const std::uint32_t qtd = std::get<I>(args);
        if (!objetos || qtd == 0) return platform::S_OK;  // a null array is the interface's to refuse
        // No response could carry more; the records are not allocated for a call bound to fail.
        if (qtd > platform::idl::kMaxMessageBytes / platform::idl::Codec<R>::kWireSize) return platform::E_OUTOFMEMORY;
        estado.registros.resize(qtd);
        return platform::S_OK;
    }
    [[nodiscard]] static R* Bruto(Tipo objetos, Estado& estado) {
        return estado.registros.empty() ? nullptr : estado.registros.data();
    }
    template <class Parametros, class Args>
    static void Conclui(Tipo objetos, Estado& estado, platform::HRESULT hr, const Args& args) {
        for (std::size_t i = 0; i < estado.registros.size(); ++i) objetos[i].TakeOwnership(estado.registros[i]);
        constexpr std::size_t kPosicoes =
            IndicePosicoes<Parametros, I>(std::make_index_sequence<std::tuple_size_v<Parametros>>{});
        if constexpr (kPosicoes != kNenhum) {
            const std::uint32_t* posicoes = std::get<kPosicoes>(args);
            if (platform::FAILED(hr) || !posicoes) return;
            for (std::size_t i = 0; i < estado.registros.size(); ++i) objetos[i].SetPosicao(posicoes[i]);
        }
    }
};

template <class Direcao, class T>
using TipoCliente = typename Parametro<Direcao, T>::Tipo;

}  // namespace pendora::detail

// One parameter of a CConexaoGedSrv operation, from a (direction, type, name) row of the
// interface description.
#define KELVO_PENDORA_PARAMETRO(direction, type, name) \
    ::pendora::detail::TipoCliente<::platform::idl::direction, type> name
#define KELVO_PENDORA_PARAMETROS(...) KELVO_IDL_MAP(KELVO_PENDORA_PARAMETRO __VA_OPT__(, ) __VA_ARGS__)
// The behaviours of one parameter.
#define KELVO_PENDORA_ADAPTADOR(direction, type, name) ::pendora::detail::Parametro<::platform::idl::direction, type>
