// The compile-time table of IZTQD_Srv's methods, expanded from the interface description: for
// method number N, its name, its member function and its parameters' behaviours. The proxy and
// the stub are generated from it; tests walk it to reach every method.
#pragma once

#include "server/idl/iztqd_srv.h"
#include "server/idl/param_codec.h"

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

namespace server::idl {

template <std::uint32_t N>
struct MethodOf;

// The C++ arguments of a method, in order.
template <class Params>
struct ArgumentsOf;
template <class... P>
struct ArgumentsOf<std::tuple<P...>> {
    using Type = std::tuple<typename P::Type...>;
};

// A length parameter comes before its array and is an [in] unsigned 32-bit number.
template <class Params, std::size_t J>
constexpr bool LengthPrecedes() {
    using P = std::tuple_element_t<J, Params>;
    if constexpr (P::kCountIndex == kNoCount) {
        return true;
    } else if constexpr (P::kCountIndex >= J) {
        return false;
    } else {
        return std::is_same_v<std::tuple_element_t<P::kCountIndex, Params>, Param<In, std::uint32_t>>;
    }
}

template <class Params, std::size_t... J>
constexpr bool LengthsPrecede(std::index_sequence<J...>) {
    return (true && ... && LengthPrecedes<Params, J>());
}

template <class Params>
struct MemberOf;
template <class... P>
struct MemberOf<std::tuple<P...>> {
    using Type = platform::HRESULT (IZTQD_Srv::*)(typename P::Type...);
};

#define KELVO_IDL_METHOD_ENTRY(number, name, ...)                                                          \
    template <>                                                                                            \
    struct MethodOf<number> {                                                                              \
        static constexpr const char* kName = #name;                                                        \
        static constexpr auto kFunction = &IZTQD_Srv::name;                                                \
        using Params = std::tuple<KELVO_IDL_MAP(KELVO_IDL_PARAM __VA_OPT__(, ) __VA_ARGS__)>;              \
        using Arguments = typename ArgumentsOf<Params>::Type;                                              \
        static_assert(std::is_same_v<decltype(kFunction), const typename MemberOf<Params>::Type>,          \
                      #name ": every parameter's direction fits its type");                               \
        static_assert(LengthsPrecede<Params>(std::make_index_sequence<std::tuple_size_v<Params>>{}),        \
                      #name ": an array's length is an earlier [in] unsigned 32-bit parameter");           \
    };
KELVO_IZTQD_SRV_METHODS(KELVO_IDL_METHOD_ENTRY)
#undef KELVO_IDL_METHOD_ENTRY

#define KELVO_IDL_METHOD_NUMBER(number, ...) number,
inline constexpr std::uint32_t kMethodNumbers[] = {KELVO_IZTQD_SRV_METHODS(KELVO_IDL_METHOD_NUMBER)};
#undef KELVO_IDL_METHOD_NUMBER

inline constexpr std::uint32_t kMethodCount = static_cast<std::uint32_t>(std::size(kMethodNumbers));

// Method numbers are the slots 1, 2, 3... in the order the methods are declared.
constexpr bool NumbersFollowSlots() {
    for (std::uint32_t i = 0; i < kMethodCount; ++i) {
        if (kMethodNumbers[i] != i + 1) return false;
    }
    return true;
}
static_assert(NumbersFollowSlots(), "method numbers follow the slot order");
static_assert(kMethodCount == 33);

}  // namespace server::idl
