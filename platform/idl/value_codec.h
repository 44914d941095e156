// How each value of an interface crosses the wire: numbers, enumerations, BSTRs, records and
// the arrays inside records.
//
// A record travels as its 32-bit wire image (every pointer slot 0 = null, 1 = present) followed,
// in field order, by a counted block for each present pointer: an array as its 32-bit element
// count (equal to the record's count field) and its elements, each element again followed by its
// own blocks; a BSTR as its length in characters and its UTF-16 text. A null pointer carries no
// block, so null stays apart from empty; the record's count field travels either way.
//
// Decoding checks every count against the bytes left before allocating, forces the terminating
// zero of every char[N] field, and allocates arrays with CoTaskMemAlloc and texts as BSTRs, the
// forms that the receiver frees (Free below). A value being decoded must be zero on entry; when
// decoding fails it holds only null pointers or blocks it owns, so Free releases it.
// Stateless; safe from any thread.
#pragma once

#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "platform/idl/record_schema.h"
#include "platform/idl/wire_stream.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace platform::idl {

inline constexpr std::uint32_t kPresent = 1;

[[nodiscard]] inline std::uint32_t SlotOf(const void* pointer) { return pointer ? kPresent : 0; }

// Codec<T>: kWireSize (the fewest bytes a T takes on the wire), kOwnsMemory (Free has work),
// kBulk (an array of T is its memory bytes), Encode, Decode and Free.
template <class T>
struct Codec;

template <class T>
concept Scalar = std::is_integral_v<T> || std::is_enum_v<T>;

template <Scalar T>
struct Codec<T> {
    static constexpr std::size_t kWireSize = sizeof(T);
    static constexpr bool kOwnsMemory = false;
    static constexpr bool kBulk = true;
    static void Encode(WireWriter& out, const T& value) { out.Write(&value, sizeof value); }
    [[nodiscard]] static bool Decode(WireReader& in, T& value) { return in.Read(&value, sizeof value); }
    static void Free(T&) {}
};

// The block of a present BSTR: its length in characters, then its UTF-16 text.
inline void EncodeText(WireWriter& out, platform::BSTR text) {
    const std::uint32_t length = platform::SysStringLen(text);
    out.WriteU32(length);
    out.Write(text, std::size_t{length} * sizeof(platform::OLECHAR));
}

[[nodiscard]] inline bool DecodeText(WireReader& in, platform::BSTR& text) {
    std::uint32_t length = 0;
    if (!in.ReadU32(length)) return false;
    if (length > in.Remaining() / sizeof(platform::OLECHAR)) return in.Fail(RPC_X_BAD_STUB_DATA);
    text = platform::SysAllocStringLen(nullptr, length);
    if (!text) return in.Fail(platform::E_OUTOFMEMORY);
    return in.Read(text, std::size_t{length} * sizeof(platform::OLECHAR));
}

// A BSTR passed on its own: a slot, then the block when present.
template <>
struct Codec<platform::BSTR> {
    static constexpr std::size_t kWireSize = sizeof(std::uint32_t);
    static constexpr bool kOwnsMemory = true;
    static constexpr bool kBulk = false;
    static void Encode(WireWriter& out, platform::BSTR text) {
        out.WriteU32(SlotOf(text));
        if (text) EncodeText(out, text);
    }
    [[nodiscard]] static bool Decode(WireReader& in, platform::BSTR& text) {
        std::uint32_t slot = 0;
        if (!in.ReadU32(slot)) return false;
        return slot == 0 || DecodeText(in, text);
    }
    static void Free(platform::BSTR& text) {
        platform::SysFreeString(text);
        text = nullptr;
    }
};

// `count` elements one after the other. The caller's memory is never read beyond what a message
// can hold, so a count that the array does not have stops at the message bound.
template <class E>
void EncodeElements(WireWriter& out, const E* items, std::uint32_t count) {
    if (count == 0) return;
    if (count > kMaxMessageBytes / Codec<E>::kWireSize) {
        out.MarkOverflow();
        return;
    }
    if constexpr (Codec<E>::kBulk) {
        out.Write(items, std::size_t{count} * sizeof(E));
    } else {
        for (std::uint32_t i = 0; i < count && !out.Overflowed(); ++i) Codec<E>::Encode(out, items[i]);
    }
}

// Allocates a zeroed array of `count` elements (CoTaskMemAlloc; a valid pointer also for 0) and
// decodes them into it. `items` receives the array before the elements are read.
template <class E>
[[nodiscard]] bool DecodeElements(WireReader& in, std::uint32_t count, E*& items) {
    if (count > in.Remaining() / Codec<E>::kWireSize) return in.Fail(RPC_X_BAD_STUB_DATA);
    const std::size_t bytes = std::size_t{count} * sizeof(E);
    items = static_cast<E*>(platform::CoTaskMemAlloc(bytes));
    if (!items) return in.Fail(platform::E_OUTOFMEMORY);
    if (bytes != 0) std::memset(static_cast<void*>(items), 0, bytes);
    if constexpr (Codec<E>::kBulk) {
        return in.Read(items, bytes);
    } else {
        for (std::uint32_t i = 0; i < count; ++i) {
            if (!Codec<E>::Decode(in, items[i])) return false;
        }
        return true;
    }
}

// Frees what the elements own, then the array (CoTaskMemFree); null is allowed.
template <class E>
void FreeElements(E*& items, std::uint32_t count) {
    if (!items) return;
    if constexpr (Codec<E>::kOwnsMemory) {
        for (std::uint32_t i = 0; i < count; ++i) Codec<E>::Free(items[i]);
    }
    platform::CoTaskMemFree(items);
    items = nullptr;
}

// The block of a present array: its element count, then the elements.
template <class E>
void EncodeBlock(WireWriter& out, const E* items, std::uint32_t count) {
    out.WriteU32(count);
    EncodeElements(out, items, count);
}

// Reads an array block whose count must be `expected` (the count that the holder declared).
template <class E>
[[nodiscard]] bool DecodeBlock(WireReader& in, std::uint32_t expected, E*& items) {
    std::uint32_t count = 0;
    if (!in.ReadU32(count)) return false;
    if (count != expected) return in.Fail(RPC_X_BAD_STUB_DATA);
    return DecodeElements(in, count, items);
}

// --- the rows of a record ------------------------------------------------------------------

template <class Kind, auto M, auto W, class Memory, class Wire>
void ToWire(FieldDesc<Kind, M, W>, const Memory& value, Wire& image) {
    if constexpr (std::is_same_v<Kind, Str>) {
        image.*W = SlotOf(value.*M);
    } else {
        static_assert(sizeof(image.*W) == sizeof(value.*M));
        std::memcpy(&(image.*W), &(value.*M), sizeof(value.*M));
    }
}

template <class Kind, auto M, auto W, class Memory, class Wire>
void FromWire(FieldDesc<Kind, M, W>, const Wire& image, Memory& value) {
    if constexpr (!std::is_same_v<Kind, Str>) {
        std::memcpy(&(value.*M), &(image.*W), sizeof(value.*M));
        // Text may arrive without its zero: it is cut to N - 1 characters, never read beyond.
        if constexpr (Kind::kIsText) (value.*M)[sizeof(value.*M) - 1] = '\0';
        if constexpr (Record<typename Kind::Memory>) {
            using Embedded = RecordTraits<typename Kind::Memory>;
            static_assert(Embedded::kPlain && !Embedded::kHasText, "an embedded record is copied as bytes");
        }
    }
}

template <class Kind, auto M, auto W, class Memory>
void EncodeBlocks(FieldDesc<Kind, M, W>, WireWriter& out, const Memory& value) {
    if constexpr (std::is_same_v<Kind, Str>) {
        if (value.*M) EncodeText(out, value.*M);
    }
}

template <class Kind, auto M, auto W, class Memory, class Wire>
[[nodiscard]] bool DecodeBlocks(FieldDesc<Kind, M, W>, WireReader& in, const Wire& image, Memory& value) {
    if constexpr (std::is_same_v<Kind, Str>) {
        if (image.*W != 0) return DecodeText(in, value.*M);
    }
    return true;
}

template <class Kind, auto M, auto W, class Memory>
void FreeField(FieldDesc<Kind, M, W>, Memory& value) {
    if constexpr (std::is_same_v<Kind, Str>) {
        platform::SysFreeString(value.*M);
        value.*M = nullptr;
    }
}

template <class E, auto MC, auto MA, auto WC, auto WA, class Memory, class Wire>
void ToWire(ArrayDesc<E, MC, MA, WC, WA>, const Memory& value, Wire& image) {
    image.*WC = value.*MC;
    image.*WA = SlotOf(value.*MA);
}

template <class E, auto MC, auto MA, auto WC, auto WA, class Memory, class Wire>
void FromWire(ArrayDesc<E, MC, MA, WC, WA>, const Wire& image, Memory& value) {
    value.*MC = image.*WC;
}

template <class E, auto MC, auto MA, auto WC, auto WA, class Memory>
void EncodeBlocks(ArrayDesc<E, MC, MA, WC, WA>, WireWriter& out, const Memory& value) {
    if (value.*MA) EncodeBlock(out, value.*MA, value.*MC);
}

template <class E, auto MC, auto MA, auto WC, auto WA, class Memory, class Wire>
[[nodiscard]] bool DecodeBlocks(ArrayDesc<E, MC, MA, WC, WA>, WireReader& in, const Wire& image, Memory& value) {
    if (image.*WA == 0) return true;
    return DecodeBlock(in, value.*MC, value.*MA);
}

template <class E, auto MC, auto MA, auto WC, auto WA, class Memory>
void FreeField(ArrayDesc<E, MC, MA, WC, WA>, Memory& value) {
    FreeElements(value.*MA, value.*MC);
}

// --- records -------------------------------------------------------------------------------

template <Record T>
struct Codec<T> {
    using Traits = RecordTraits<T>;
    using Wire = typename Traits::Wire;
    static constexpr std::size_t kWireSize = Traits::kWireSize;
    static constexpr bool kOwnsMemory = Traits::kOwnsMemory;
    // A plain record without padding or text is its own wire image, byte for byte.
    static constexpr bool kBulk = Traits::kPlain && Traits::kDense && !Traits::kHasText;

    static void Encode(WireWriter& out, const T& value) {
        if constexpr (kBulk) {
            out.Write(&value, sizeof value);
        } else {
            Wire image;
            std::memset(static_cast<void*>(&image), 0, sizeof image);  // padding goes out as zeros
            Traits::ForEachField([&](auto field) { ToWire(field, value, image); });
            out.Write(&image, sizeof image);
            if constexpr (kOwnsMemory) Traits::ForEachField([&](auto field) { EncodeBlocks(field, out, value); });
        }
    }

    [[nodiscard]] static bool Decode(WireReader& in, T& value) {
        if constexpr (kBulk) {
            return in.Read(&value, sizeof value);
        } else {
            Wire image;
            if (!in.Read(&image, sizeof image)) return false;
            Traits::ForEachField([&](auto field) { FromWire(field, image, value); });
            bool decoded = true;
            if constexpr (kOwnsMemory) {
                Traits::ForEachField([&](auto field) { decoded = decoded && DecodeBlocks(field, in, image, value); });
            }
            return decoded;
        }
    }

    // Frees every array and BSTR the record holds and nulls them; counts stay.
    static void Free(T& value) {
        if constexpr (kOwnsMemory) Traits::ForEachField([&](auto field) { FreeField(field, value); });
    }
};

}  // namespace platform::idl
