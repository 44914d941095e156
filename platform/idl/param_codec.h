// The directions a parameter of an interface can have and what each means on both sides of the
// wire. An interface description (method_table.h) names one direction per parameter; the proxy
// and the stub are generated from these behaviours.
//
//   In            [in] by value: a number, an enumeration, a record or a BSTR
//   InRef         [in] pointer to one value (never null)
//   InOut         [in,out] pointer to one number (never null)
//   Out           [out] pointer to one value (never null); the caller's contents are ignored
//   InArray<I>    [in] array whose length is parameter I (null only when that is 0)
//   OutArray<I>   [out] caller-provided array of parameter I elements, filled by the server
//
// A request holds the [in] parameters in order; a response holds the method's HRESULT, then the
// [out] parameters in order. Client side (proxy): ZeroOut, Valid, EncodeIn, Save, DecodeOut,
// Discard. Server side (stub): Storage, DecodeIn, Arg, EncodeOut, Release. Stateless.
#pragma once

#include "platform/idl/value_codec.h"

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>

namespace platform::idl {

struct In {};
struct InRef {};
struct InOut {};
struct Out {};
template <std::size_t I>
struct InArray {};
template <std::size_t I>
struct OutArray {};

inline constexpr std::size_t kNoCount = static_cast<std::size_t>(-1);

// Param<Direction, C++ type>: the behaviours of one parameter.
template <class Direction, class Type>
struct Param;

// What a direction does not do; each direction below replaces some of it.
struct ParamBase {
    static constexpr std::size_t kCountIndex = kNoCount;
    static constexpr bool kHasOut = false;
    struct Saved {};
    template <class A, class Args>
    static void ZeroOut(const A&, const Args&) {}
    template <class A, class Args>
    [[nodiscard]] static bool Valid(const A&, const Args&) { return true; }
    template <class A, class Args>
    static void EncodeIn(WireWriter&, const A&, const Args&) {}
    template <class A>
    [[nodiscard]] static Saved Save(const A&) { return {}; }
    template <class A, class Args>
    [[nodiscard]] static bool DecodeOut(WireReader&, const A&, const Args&) { return true; }
    template <class A, class Args, class S>
    static void Discard(const A&, const Args&, const S&) {}
    template <class Storage, class Storages>
    [[nodiscard]] static bool DecodeIn(WireReader&, Storage&, const Storages&) { return true; }
    template <class Storage, class Storages>
    static void EncodeOut(WireWriter&, const Storage&, const Storages&) {}
};

// The element count that parameter I holds (an [in] unsigned 32-bit number).
template <std::size_t I, class Args>
[[nodiscard]] std::uint32_t CountArgument(const Args& args) {
    static_assert(std::is_same_v<std::remove_cvref_t<std::tuple_element_t<I, Args>>, std::uint32_t>,
                  "an array's length is an unsigned 32-bit parameter");
    return std::get<I>(args);
}

template <std::size_t I, class Storages>
[[nodiscard]] std::uint32_t CountStorage(const Storages& storages) {
    return std::get<I>(storages).value;
}

template <class T>
struct Param<In, T> : ParamBase {
    static_assert(!std::is_pointer_v<T> || std::is_same_v<T, platform::BSTR>, "an [in] pointer is InRef or InArray");
    using Type = T;
    struct Storage {
        T value{};
    };
    template <class Args>
    static void EncodeIn(WireWriter& out, const T& value, const Args&) {
        Codec<T>::Encode(out, value);
    }
    template <class Storages>
    [[nodiscard]] static bool DecodeIn(WireReader& in, Storage& storage, const Storages&) {
        return Codec<T>::Decode(in, storage.value);
    }
    [[nodiscard]] static T Arg(Storage& storage) { return storage.value; }
    static void Release(Storage& storage) { Codec<T>::Free(storage.value); }
};

template <class T>
struct Param<InRef, const T*> : ParamBase {
    using Type = const T*;
    struct Storage {
        T value{};
    };
    template <class Args>
    [[nodiscard]] static bool Valid(const T* pointer, const Args&) {
        return pointer != nullptr;
    }
    template <class Args>
    static void EncodeIn(WireWriter& out, const T* pointer, const Args&) {
        Codec<T>::Encode(out, *pointer);
    }
    template <class Storages>
    [[nodiscard]] static bool DecodeIn(WireReader& in, Storage& storage, const Storages&) {
        return Codec<T>::Decode(in, storage.value);
    }
    [[nodiscard]] static const T* Arg(Storage& storage) { return &storage.value; }
    static void Release(Storage& storage) { Codec<T>::Free(storage.value); }
};

// Only numbers travel both ways, so a failed call can give the caller's value back unchanged.
template <Scalar T>
struct Param<InOut, T*> : ParamBase {
    using Type = T*;
    static constexpr bool kHasOut = true;
    struct Saved {
        T value{};
    };
    struct Storage {
        T value{};
    };
    template <class Args>
    [[nodiscard]] static bool Valid(T* pointer, const Args&) {
        return pointer != nullptr;
    }
    template <class Args>
    static void EncodeIn(WireWriter& out, T* pointer, const Args&) {
        Codec<T>::Encode(out, *pointer);
    }
    [[nodiscard]] static Saved Save(T* pointer) { return {*pointer}; }
    template <class Args>
    [[nodiscard]] static bool DecodeOut(WireReader& in, T* pointer, const Args&) {
        return Codec<T>::Decode(in, *pointer);
    }
    template <class Args>
    static void Discard(T* pointer, const Args&, const Saved& saved) {
        *pointer = saved.value;
    }
    template <class Storages>
    [[nodiscard]] static bool DecodeIn(WireReader& in, Storage& storage, const Storages&) {
        return Codec<T>::Decode(in, storage.value);
    }
    [[nodiscard]] static T* Arg(Storage& storage) { return &storage.value; }
    template <class Storages>
    static void EncodeOut(WireWriter& out, const Storage& storage, const Storages&) {
        Codec<T>::Encode(out, storage.value);
    }
    static void Release(Storage&) {}
};

template <class T>
struct Param<Out, T*> : ParamBase {
    static_assert(!std::is_const_v<T>);
    using Type = T*;
    static constexpr bool kHasOut = true;
    struct Storage {
        T value{};
    };
    template <class Args>
    static void ZeroOut(T* pointer, const Args&) {
        if (pointer) std::memset(static_cast<void*>(pointer), 0, sizeof(T));
    }
    template <class Args>
    [[nodiscard]] static bool Valid(T* pointer, const Args&) {
        return pointer != nullptr;
    }
    template <class Args>
    [[nodiscard]] static bool DecodeOut(WireReader& in, T* pointer, const Args&) {
        return Codec<T>::Decode(in, *pointer);
    }
    template <class Args, class S>
    static void Discard(T* pointer, const Args& args, const S&) {
        Codec<T>::Free(*pointer);
        ZeroOut(pointer, args);
    }
    [[nodiscard]] static T* Arg(Storage& storage) { return &storage.value; }
    template <class Storages>
    static void EncodeOut(WireWriter& out, const Storage& storage, const Storages&) {
        Codec<T>::Encode(out, storage.value);
    }
    static void Release(Storage& storage) { Codec<T>::Free(storage.value); }
};

template <std::size_t I, class T>
struct Param<InArray<I>, const T*> : ParamBase {
    using Type = const T*;
    static constexpr std::size_t kCountIndex = I;
    struct Storage {
        T* items = nullptr;
        std::uint32_t count = 0;
    };
    template <class Args>
    [[nodiscard]] static bool Valid(const T* items, const Args& args) {
        return items != nullptr || CountArgument<I>(args) == 0;
    }
    template <class Args>
    static void EncodeIn(WireWriter& out, const T* items, const Args& args) {
        out.WriteU32(SlotOf(items));
        if (items) EncodeBlock(out, items, CountArgument<I>(args));
    }
    template <class Storages>
    [[nodiscard]] static bool DecodeIn(WireReader& in, Storage& storage, const Storages& storages) {
        storage.count = CountStorage<I>(storages);
        std::uint32_t slot = 0;
        if (!in.ReadU32(slot)) return false;
        if (slot == 0) return storage.count == 0 || in.Fail(RPC_X_BAD_STUB_DATA);
        return DecodeBlock(in, storage.count, storage.items);
    }
    [[nodiscard]] static const T* Arg(Storage& storage) { return storage.items; }
    static void Release(Storage& storage) { FreeElements(storage.items, storage.count); }
};

template <std::size_t I, class T>
struct Param<OutArray<I>, T*> : ParamBase {
    static_assert(!std::is_const_v<T>);
    using Type = T*;
    static constexpr std::size_t kCountIndex = I;
    static constexpr bool kHasOut = true;
    struct Storage {
        T* items = nullptr;
        std::uint32_t count = 0;
    };
    template <class Args>
    static void ZeroOut(T* items, const Args& args) {
        if (items) std::memset(static_cast<void*>(items), 0, std::size_t{CountArgument<I>(args)} * sizeof(T));
    }
    template <class Args>
    [[nodiscard]] static bool Valid(T* items, const Args& args) {
        return items != nullptr || CountArgument<I>(args) == 0;
    }
    template <class Args>
    [[nodiscard]] static bool DecodeOut(WireReader& in, T* items, const Args& args) {
        const std::uint32_t expected = CountArgument<I>(args);
        std::uint32_t count = 0;
        if (!in.ReadU32(count)) return false;
        if (count != expected || count > in.Remaining() / Codec<T>::kWireSize) return in.Fail(RPC_X_BAD_STUB_DATA);
        for (std::uint32_t i = 0; i < count; ++i) {
            if (!Codec<T>::Decode(in, items[i])) return false;
        }
        return true;
    }
    template <class Args, class S>
    static void Discard(T* items, const Args& args, const S&) {
        if (!items) return;
        const std::uint32_t count = CountArgument<I>(args);
        for (std::uint32_t i = 0; i < count; ++i) Codec<T>::Free(items[i]);
        ZeroOut(items, args);
    }
    // The server's array: as many zeroed records as the caller provided, bounded by what one
    // response can carry.
    template <class Storages>
    [[nodiscard]] static bool DecodeIn(WireReader& in, Storage& storage, const Storages& storages) {
        const std::uint32_t count = CountStorage<I>(storages);
        if (count > kMaxMessageBytes / Codec<T>::kWireSize) return in.Fail(RPC_X_BAD_STUB_DATA);
        const std::size_t bytes = std::size_t{count} * sizeof(T);
        storage.items = static_cast<T*>(platform::CoTaskMemAlloc(bytes));
        if (!storage.items) return in.Fail(platform::E_OUTOFMEMORY);
        if (bytes != 0) std::memset(static_cast<void*>(storage.items), 0, bytes);
        storage.count = count;
        return true;
    }
    [[nodiscard]] static T* Arg(Storage& storage) { return storage.items; }
    template <class Storages>
    static void EncodeOut(WireWriter& out, const Storage& storage, const Storages&) {
        EncodeBlock(out, storage.items, storage.count);
    }
    static void Release(Storage& storage) { FreeElements(storage.items, storage.count); }
};

}  // namespace platform::idl
