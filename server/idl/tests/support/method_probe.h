// One call of any method of the interface, for tests: random arguments for the caller, the
// answers the object gives, and the checks on both sides. Generated from the method table, so
// that tests can walk every method.
//
// MethodCall<N> prepares the caller's arguments and the object's [out] values from a random
// source; Invoke calls through an IZTQD_Srv; Serve, run inside the (recording) object, checks
// that each [in] parameter arrived as sent and writes the [out] ones; Check, after the call, that
// each [out] parameter came back as written. It frees all its memory, including what the call
// returned to the caller. Single-threaded; uses GoogleTest assertions.
#pragma once

#include "server/idl/method_table.h"
#include "server/idl/tests/support/record_values.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <utility>

namespace server::idl::testing {

using namespace platform::idl;  // the marshalling that these tests exercise

// Probe<Param>: one parameter as the test sees it. Prepare makes the caller's value (and the
// object's answer); Arg is what the caller passes; Serve runs inside the object; Check runs after
// the call; Free releases the test's memory.
template <class P>
struct Probe;

template <class T>
struct Probe<Param<In, T>> {
    struct Slot {
        T sent{};
    };
    template <class Slots>
    static void Prepare(Slot& slot, const Slots&, Random& random, bool isLength) {
        if constexpr (std::is_same_v<T, std::uint32_t>) {
            if (isLength) {
                slot.sent = random() % 4;
                return;
            }
        }
        Fill(slot.sent, random);
    }
    static T Arg(Slot& slot) { return slot.sent; }
    static void Serve(Slot& slot, T received) { EXPECT_TRUE(Equal(slot.sent, received)); }
    static void Check(Slot&) {}
    static void Free(Slot& slot) { ::server::idl::testing::Free(slot.sent); }
};

template <class T>
struct Probe<Param<InRef, const T*>> {
    struct Slot {
        T sent{};
    };
    template <class Slots>
    static void Prepare(Slot& slot, const Slots&, Random& random, bool) {
        Fill(slot.sent, random);
    }
    static const T* Arg(Slot& slot) { return &slot.sent; }
    static void Serve(Slot& slot, const T* received) { EXPECT_TRUE(Equal(slot.sent, *received)); }
    static void Check(Slot&) {}
    static void Free(Slot& slot) { ::server::idl::testing::Free(slot.sent); }
};

template <class T>
struct Probe<Param<InOut, T*>> {
    struct Slot {
        T sent{};
        T current{};
        T reply{};
    };
    template <class Slots>
    static void Prepare(Slot& slot, const Slots&, Random& random, bool) {
        Fill(slot.sent, random);
        Fill(slot.reply, random);
        slot.current = slot.sent;
    }
    static T* Arg(Slot& slot) { return &slot.current; }
    static void Serve(Slot& slot, T* received) {
        EXPECT_EQ(*received, slot.sent);
        *received = slot.reply;
    }
    static void Check(Slot& slot) { EXPECT_EQ(slot.current, slot.reply); }
    static void Free(Slot&) {}
};

template <class T>
struct Probe<Param<Out, T*>> {
    struct Slot {
        T received{};
        T reply{};
    };
    template <class Slots>
    static void Prepare(Slot& slot, const Slots&, Random& random, bool) {
        std::memset(static_cast<void*>(&slot.received), 0xCD, sizeof slot.received);
        Fill(slot.reply, random);
    }
    static T* Arg(Slot& slot) { return &slot.received; }
    static void Serve(Slot& slot, T* received) {
        EXPECT_TRUE(IsZero(*received));
        *received = Clone(slot.reply);
    }
    static void Check(Slot& slot) { EXPECT_TRUE(Equal(slot.received, slot.reply)); }
    static void Free(Slot& slot) {
        ::server::idl::testing::Free(slot.received);
        ::server::idl::testing::Free(slot.reply);
    }
};

template <std::size_t I, class T>
struct Probe<Param<InArray<I>, const T*>> {
    struct Slot {
        T* sent = nullptr;
        std::uint32_t count = 0;
    };
    template <class Slots>
    static void Prepare(Slot& slot, const Slots& slots, Random& random, bool) {
        slot.count = std::get<I>(slots).sent;
        if (slot.count == 0 && random() % 2 == 0) return;  // null when there is nothing to send
        slot.sent = AllocateArray<T>(slot.count);
        for (std::uint32_t i = 0; i < slot.count; ++i) Fill(slot.sent[i], random);
    }
    static const T* Arg(Slot& slot) { return slot.sent; }
    static void Serve(Slot& slot, const T* received) {
        EXPECT_TRUE(EqualArray<T>(slot.sent, received, slot.count));
    }
    static void Check(Slot&) {}
    static void Free(Slot& slot) { FreeElements(slot.sent, slot.count); }
};

template <std::size_t I, class T>
struct Probe<Param<OutArray<I>, T*>> {
    struct Slot {
        T* received = nullptr;
        T* reply = nullptr;
        std::uint32_t count = 0;
    };
    template <class Slots>
    static void Prepare(Slot& slot, const Slots& slots, Random& random, bool) {
        slot.count = std::get<I>(slots).sent;
        slot.received = AllocateArray<T>(slot.count);
        std::memset(static_cast<void*>(slot.received), 0xCD, slot.count * sizeof(T));
        slot.reply = AllocateArray<T>(slot.count);
        for (std::uint32_t i = 0; i < slot.count; ++i) Fill(slot.reply[i], random);
    }
    static T* Arg(Slot& slot) { return slot.received; }
    static void Serve(Slot& slot, T* received) {
        for (std::uint32_t i = 0; i < slot.count; ++i) {
            EXPECT_TRUE(IsZero(received[i]));
            received[i] = Clone(slot.reply[i]);
        }
    }
    static void Check(Slot& slot) {
        for (std::uint32_t i = 0; i < slot.count; ++i) EXPECT_TRUE(Equal(slot.received[i], slot.reply[i])) << i;
    }
    static void Free(Slot& slot) {
        FreeElements(slot.received, slot.count);
        FreeElements(slot.reply, slot.count);
    }
};

template <class Params, std::size_t I>
using ProbeAt = Probe<std::tuple_element_t<I, Params>>;

// True when some parameter takes its length from parameter I.
template <class Params, std::size_t I, std::size_t... J>
constexpr bool IsLength(std::index_sequence<J...>) {
    return (false || ... || (std::tuple_element_t<J, Params>::kCountIndex == I));
}

template <class Params, class Indexes>
struct SlotsOf;
template <class Params, std::size_t... I>
struct SlotsOf<Params, std::index_sequence<I...>> {
    using Type = std::tuple<typename ProbeAt<Params, I>::Slot...>;
};

template <std::uint32_t N>
class MethodCall {
public:
    using Method = MethodOf<N>;
    using Params = typename Method::Params;
    static constexpr std::size_t kParams = std::tuple_size_v<Params>;

    explicit MethodCall(Random& random) { Prepare(random, kIndexes); }
    ~MethodCall() { Free(kIndexes); }
    MethodCall(const MethodCall&) = delete;
    MethodCall& operator=(const MethodCall&) = delete;

    // Calls method N of `object` with the prepared arguments.
    platform::HRESULT Invoke(IZTQD_Srv& object) { return Invoke(object, kIndexes); }
    // Inside the object: checks the [in] parameters and writes the [out] ones.
    void Serve(void* arguments) { Serve(*static_cast<typename Method::Arguments*>(arguments), kIndexes); }
    // After the call: the [out] parameters are what the object wrote.
    void Check() { Check(kIndexes); }

private:
    static constexpr auto kIndexes = std::make_index_sequence<kParams>{};

    template <std::size_t... I>
    void Prepare(Random& random, std::index_sequence<I...>) {
        (ProbeAt<Params, I>::Prepare(std::get<I>(slots_), slots_, random, IsLength<Params, I>(kIndexes)), ...);
    }
    template <std::size_t... I>
    platform::HRESULT Invoke(IZTQD_Srv& object, std::index_sequence<I...>) {
        return (object.*Method::kFunction)(ProbeAt<Params, I>::Arg(std::get<I>(slots_))...);
    }
    template <std::size_t... I>
    void Serve(typename Method::Arguments& received, std::index_sequence<I...>) {
        (ProbeAt<Params, I>::Serve(std::get<I>(slots_), std::get<I>(received)), ...);
    }
    template <std::size_t... I>
    void Check(std::index_sequence<I...>) {
        (ProbeAt<Params, I>::Check(std::get<I>(slots_)), ...);
    }
    template <std::size_t... I>
    void Free(std::index_sequence<I...>) {
        (ProbeAt<Params, I>::Free(std::get<I>(slots_)), ...);
    }

    typename SlotsOf<Params, std::make_index_sequence<kParams>>::Type slots_{};
};

}  // namespace server::idl::testing
