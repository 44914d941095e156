// Test values for every type the interface carries: random filling, deep equality and deep
// copies, walked through the same field tables as the codec, so that a record added to the
// interface is covered without a line here.
//
// Filled values own their arrays and BSTRs in the interface's forms (CoTaskMemAlloc,
// SysAllocStringLen) and are released with Free. Arrays come null, null with a non-zero count,
// empty or with one to three elements; BSTRs null, empty or with text; char[N] fields
// zero-terminated with zeros after the text. Single-threaded.
#pragma once

#include "platform/idl/value_codec.h"

#include <cstdint>
#include <cstring>
#include <random>
#include <type_traits>

namespace server::idl::testing {

using namespace platform::idl;  // the marshalling that these tests exercise

using Random = std::mt19937;

template <class T>
void Fill(T& value, Random& random);
template <class T>
[[nodiscard]] bool Equal(const T& a, const T& b);
template <class T>
[[nodiscard]] T Clone(const T& value);
template <class T>
void Free(T& value) {
    Codec<T>::Free(value);
}

inline void FillBytes(void* data, std::size_t size, Random& random) {
    auto* bytes = static_cast<std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(random());
}

inline void FillText(char* text, std::size_t size, Random& random) {
    std::memset(text, 0, size);
    const std::size_t length = random() % size;
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>(0x20 + random() % 0xDF);
}

inline platform::BSTR MakeBstr(Random& random) {
    switch (random() % 4) {
    case 0: return nullptr;
    case 1: return platform::SysAllocStringLen(nullptr, 0);
    default: {
        const auto length = static_cast<std::uint32_t>(1 + random() % 20);
        platform::BSTR text = platform::SysAllocStringLen(nullptr, length);
        for (std::uint32_t i = 0; i < length; ++i) text[i] = static_cast<platform::OLECHAR>(1 + random() % 0xFFFE);
        return text;
    }
    }
}

template <class E>
E* AllocateArray(std::uint32_t count) {
    auto* items = static_cast<E*>(platform::CoTaskMemAlloc(std::size_t{count} * sizeof(E)));
    if (count != 0) std::memset(static_cast<void*>(items), 0, std::size_t{count} * sizeof(E));
    return items;
}

template <class E>
void FillArray(std::uint32_t& count, E*& items, Random& random) {
    switch (random() % 8) {
    case 0: count = 0; items = nullptr; return;
    case 1: count = 1 + random() % 3; items = nullptr; return;  // a count whose array is left out
    case 2: count = 0; items = AllocateArray<E>(0); return;
    default:
        count = 1 + random() % 3;
        items = AllocateArray<E>(count);
        for (std::uint32_t i = 0; i < count; ++i) Fill(items[i], random);
    }
}

template <class E>
[[nodiscard]] bool EqualArray(const E* a, const E* b, std::uint32_t count) {
    if ((a == nullptr) != (b == nullptr)) return false;
    if (!a) return true;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!Equal(a[i], b[i])) return false;
    }
    return true;
}

template <class E>
[[nodiscard]] E* CloneArray(const E* items, std::uint32_t count) {
    if (!items) return nullptr;
    E* copy = AllocateArray<E>(count);
    for (std::uint32_t i = 0; i < count; ++i) copy[i] = Clone(items[i]);
    return copy;
}

template <class Kind, auto M, auto W, class R>
void FillField(FieldDesc<Kind, M, W>, R& value, Random& random) {
    auto& member = value.*M;
    if constexpr (std::is_same_v<Kind, Str>) {
        member = MakeBstr(random);
    } else if constexpr (Kind::kIsText) {
        FillText(member, sizeof member, random);
    } else if constexpr (Record<std::remove_cvref_t<decltype(member)>>) {
        Fill(member, random);
    } else {
        FillBytes(&member, sizeof member, random);
    }
}

template <class E, auto MC, auto MA, auto WC, auto WA, class R>
void FillField(ArrayDesc<E, MC, MA, WC, WA>, R& value, Random& random) {
    FillArray(value.*MC, value.*MA, random);
}

template <class Kind, auto M, auto W, class R>
[[nodiscard]] bool EqualField(FieldDesc<Kind, M, W>, const R& a, const R& b) {
    const auto& left = a.*M;
    const auto& right = b.*M;
    if constexpr (std::is_same_v<Kind, Str>) {
        return Equal(left, right);
    } else if constexpr (Record<std::remove_cvref_t<decltype(left)>>) {
        return Equal(left, right);
    } else {
        return std::memcmp(&left, &right, sizeof left) == 0;
    }
}

template <class E, auto MC, auto MA, auto WC, auto WA, class R>
[[nodiscard]] bool EqualField(ArrayDesc<E, MC, MA, WC, WA>, const R& a, const R& b) {
    return a.*MC == b.*MC && EqualArray(a.*MA, b.*MA, a.*MC);
}

template <class Kind, auto M, auto W, class R>
void CloneField(FieldDesc<Kind, M, W>, R& copy) {
    if constexpr (std::is_same_v<Kind, Str>) copy.*M = Clone(copy.*M);
}

template <class E, auto MC, auto MA, auto WC, auto WA, class R>
void CloneField(ArrayDesc<E, MC, MA, WC, WA>, R& copy) {
    copy.*MA = CloneArray(copy.*MA, copy.*MC);
}

template <class T>
void Fill(T& value, Random& random) {
    if constexpr (Record<T>) {
        std::memset(static_cast<void*>(&value), 0, sizeof value);
        RecordTraits<T>::ForEachField([&](auto field) { FillField(field, value, random); });
    } else if constexpr (std::is_same_v<T, platform::BSTR>) {
        value = MakeBstr(random);
    } else {
        FillBytes(&value, sizeof value, random);
    }
}

template <class T>
bool Equal(const T& a, const T& b) {
    if constexpr (Record<T>) {
        bool equal = true;
        RecordTraits<T>::ForEachField([&](auto field) { equal = equal && EqualField(field, a, b); });
        return equal;
    } else if constexpr (std::is_same_v<T, platform::BSTR>) {
        if ((a == nullptr) != (b == nullptr)) return false;
        if (!a) return true;
        const std::uint32_t length = platform::SysStringLen(a);
        return length == platform::SysStringLen(b) && std::memcmp(a, b, length * sizeof(platform::OLECHAR)) == 0;
    } else {
        return a == b;
    }
}

template <class T>
T Clone(const T& value) {
    if constexpr (Record<T>) {
        T copy = value;
        RecordTraits<T>::ForEachField([&](auto field) { CloneField(field, copy); });
        return copy;
    } else if constexpr (std::is_same_v<T, platform::BSTR>) {
        return value ? platform::SysAllocStringLen(value, platform::SysStringLen(value)) : nullptr;
    } else {
        return value;
    }
}

// True when every byte of the value is zero.
template <class T>
[[nodiscard]] bool IsZero(const T& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

}  // namespace server::idl::testing
