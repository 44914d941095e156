// The compile-time method table of a described interface (interface.h): for method number N, its
// name, its member function, its C++ arguments and its parameters' behaviours. The proxy and the
// stub are generated from it; tests walk it to reach every method.
//
// KELVO_IDL_METHOD_TABLE(Interface, Iid, METHODS) declares the struct `Interface##Methods`:
//   Type        the interface class; kIid its identity
//   Method<N>   kName, kFunction (the member function), Params (a std::tuple of the Param<>
//               behaviours of param_codec.h) and Arguments (a std::tuple of the C++ arguments)
//   kCount      the number of methods
// and checks at compile time that the numbers follow the slots, that every parameter's direction
// fits its type, and that an array's length is an earlier [in] unsigned 32-bit parameter.
// Declarations only; no state.
#pragma once

#include "platform/com/guid.h"
#include "platform/idl/param_codec.h"
#include "platform/idl/param_list.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <tuple>
#include <type_traits>
#include <utility>

namespace platform::idl {

template <class Params, std::size_t I>
using ParamAt = std::tuple_element_t<I, Params>;

// The C++ arguments of a method, in order.
template <class Params>
struct ArgumentsOf;
template <class... P>
struct ArgumentsOf<std::tuple<P...>> {
    using Type = std::tuple<typename P::Type...>;
};

// The member function that a method of `Interface` with these parameters must be.
template <class Interface, class Params>
struct MemberOf;
template <class Interface, class... P>
struct MemberOf<Interface, std::tuple<P...>> {
    using Type = HRESULT (Interface::*)(typename P::Type...);
};

// A length parameter comes before its array and is an [in] unsigned 32-bit number.
template <class Params, std::size_t J>
constexpr bool LengthPrecedes() {
    using P = ParamAt<Params, J>;
    if constexpr (P::kCountIndex == kNoCount) {
        return true;
    } else if constexpr (P::kCountIndex >= J) {
        return false;
    } else {
        return std::is_same_v<ParamAt<Params, P::kCountIndex>, Param<In, std::uint32_t>>;
    }
}

template <class Params, std::size_t... J>
constexpr bool LengthsPrecede(std::index_sequence<J...>) {
    return (true && ... && LengthPrecedes<Params, J>());
}

// Method numbers are the slots 1, 2, 3... in the order the methods are declared.
template <std::size_t N>
constexpr bool NumbersFollowSlots(const std::uint32_t (&numbers)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (numbers[i] != i + 1) return false;
    }
    return true;
}

}  // namespace platform::idl

// Method<number> of the table (a partial specialisation: a member template cannot be fully
// specialised inside its class).
#define KELVO_IDL_METHOD_ENTRY(number, name, ...)                                                   \
    template <class Unused>                                                                         \
    struct Method<number, Unused> {                                                                 \
        static constexpr const char* kName = #name;                                                 \
        static constexpr auto kFunction = &Type::name;                                              \
        using Params = std::tuple<KELVO_IDL_MAP(KELVO_IDL_PARAM __VA_OPT__(, ) __VA_ARGS__)>;       \
        using Arguments = typename ::platform::idl::ArgumentsOf<Params>::Type;                      \
        static_assert(std::is_same_v<decltype(kFunction),                                           \
                                     const typename ::platform::idl::MemberOf<Type, Params>::Type>, \
                      #name ": every parameter's direction fits its type");                         \
        static_assert(::platform::idl::LengthsPrecede<Params>(                                      \
                          std::make_index_sequence<std::tuple_size_v<Params>>{}),                   \
                      #name ": an array's length is an earlier [in] unsigned 32-bit parameter");    \
    };
#define KELVO_IDL_METHOD_NUMBER(number, ...) number,

// The method table `Interface##Methods` of interface `Interface` (identity `Iid`), described by
// METHODS.
#define KELVO_IDL_METHOD_TABLE(Interface, Iid, METHODS)                                                        \
    struct Interface##Methods {                                                                                \
        using Type = Interface;                                                                                \
        static constexpr const platform::IID& kIid = Iid;                                                      \
        template <std::uint32_t N, class Unused = void>                                                        \
        struct Method;                                                                                         \
        METHODS(KELVO_IDL_METHOD_ENTRY)                                                                        \
        static constexpr std::uint32_t kNumbers[] = {METHODS(KELVO_IDL_METHOD_NUMBER)};                        \
        static constexpr std::uint32_t kCount = static_cast<std::uint32_t>(std::size(kNumbers));               \
        static_assert(::platform::idl::NumbersFollowSlots(kNumbers), #Interface ": numbers follow the slots"); \
    };
