// The bytes a value takes on the wire, as Codec<T>::Encode writes it, counted without writing.
//
// For the server's methods, which must know while they build their outputs whether those still
// fit one reply (kMaxMessageBytes), so that a request can never make the server build more than
// a reply may carry. Walks the same field tables as the codec. Stateless; any thread.
#pragma once

#include "platform/idl/value_codec.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace platform::idl {

// What every reply starts with: the method's HRESULT.
inline constexpr std::size_t kStatusWireBytes = sizeof(std::uint32_t);
// What a present array's block starts with: its element count.
inline constexpr std::size_t kCountWireBytes = sizeof(std::uint32_t);

template <class T>
[[nodiscard]] std::size_t WireSize(const T& value);

// The block of a present BSTR: its length, then its UTF-16 text.
[[nodiscard]] inline std::size_t TextBlockWireSize(platform::BSTR text) {
    return kCountWireBytes + std::size_t{platform::SysStringLen(text)} * sizeof(platform::OLECHAR);
}

// The block of a present array of `count` elements that carry no blocks of their own (empty
// records, numbers): its count, then the elements' wire images.
template <class E>
[[nodiscard]] constexpr std::size_t EmptyBlockWireSize(std::uint64_t count) {
    return kCountWireBytes + count * Codec<E>::kWireSize;
}

// The block of a present array of `count` elements: its count, then the elements with theirs.
template <class E>
[[nodiscard]] std::size_t BlockWireSize(const E* items, std::uint32_t count) {
    if constexpr (!Codec<E>::kOwnsMemory) {
        return EmptyBlockWireSize<E>(count);
    } else {
        std::size_t size = kCountWireBytes;
        for (std::uint32_t i = 0; i < count; ++i) size += WireSize(items[i]);
        return size;
    }
}

template <class Kind, auto M, auto W, class Memory>
[[nodiscard]] std::size_t BlocksWireSize(FieldDesc<Kind, M, W>, const Memory& value) {
    if constexpr (std::is_same_v<Kind, Str>) {
        if (value.*M) return TextBlockWireSize(value.*M);
    }
    return 0;
}

template <class E, auto MC, auto MA, auto WC, auto WA, class Memory>
[[nodiscard]] std::size_t BlocksWireSize(ArrayDesc<E, MC, MA, WC, WA>, const Memory& value) {
    return value.*MA ? BlockWireSize(value.*MA, value.*MC) : 0;
}

template <class T>
std::size_t WireSize(const T& value) {
    if constexpr (std::is_same_v<T, platform::BSTR>) {
        return Codec<T>::kWireSize + (value ? TextBlockWireSize(value) : 0);
    } else if constexpr (Record<T> && Codec<T>::kOwnsMemory) {
        std::size_t size = Codec<T>::kWireSize;
        RecordTraits<T>::ForEachField([&](auto field) { size += BlocksWireSize(field, value); });
        return size;
    } else {
        return Codec<T>::kWireSize;
    }
}

}  // namespace platform::idl
