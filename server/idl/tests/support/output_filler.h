// Fills the [out] values of one call with test values, as an object that answers would: Out and
// InOut values, and every element of an OutArray (as many as its length parameter says). Walks
// the method table, so a method added to the interface is covered without a line here.
//
// For the stub's fuzz target, whose object must hand back outputs of every shape for the
// response encoding to be reached. Filled values own their arrays and BSTRs in the interface's
// forms; the stub frees them as it frees any object's outputs. Single-threaded.
#pragma once

#include "server/idl/method_table.h"
#include "server/idl/tests/support/record_values.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <utility>

namespace server::idl::testing {

// What one parameter's direction gives back: nothing for [in] ones.
template <class P>
struct OutputOf {
    template <class A, class Args>
    static void Fill(A&, const Args&, Random&) {}
};

template <class T>
struct OutputOf<Param<Out, T*>> {
    template <class Args>
    static void Fill(T* value, const Args&, Random& random) {
        testing::Fill(*value, random);
    }
};

template <class T>
struct OutputOf<Param<InOut, T*>> {
    template <class Args>
    static void Fill(T* value, const Args&, Random& random) {
        testing::Fill(*value, random);
    }
};

template <std::size_t I, class T>
struct OutputOf<Param<OutArray<I>, T*>> {
    template <class Args>
    static void Fill(T* items, const Args& args, Random& random) {
        const std::uint32_t count = CountArgument<I>(args);
        for (std::uint32_t i = 0; i < count; ++i) testing::Fill(items[i], random);
    }
};

// Fills the outputs of method N, whose arguments (MethodOf<N>::Arguments) `arguments` points to.
template <std::uint32_t N>
void FillOutputs(void* arguments, Random& random) {
    using Params = typename MethodOf<N>::Params;
    auto& args = *static_cast<typename MethodOf<N>::Arguments*>(arguments);
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (OutputOf<std::tuple_element_t<I, Params>>::Fill(std::get<I>(args), args, random), ...);
    }(std::make_index_sequence<std::tuple_size_v<Params>>{});
}

// The same for a method number known at run time (1..kMethodCount).
inline void FillOutputs(std::uint32_t method, void* arguments, Random& random) {
    using Filler = void (*)(void*, Random&);
    static constexpr auto kFillers = []<std::size_t... K>(std::index_sequence<K...>) {
        return std::array<Filler, sizeof...(K)>{&FillOutputs<static_cast<std::uint32_t>(K + 1)>...};
    }(std::make_index_sequence<kMethodCount>{});
    kFillers[method - 1](arguments, random);
}

}  // namespace server::idl::testing
