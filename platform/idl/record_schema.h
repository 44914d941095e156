// How an interface's records are declared: one field table per record, from which come the
// in-memory struct that servers and clients use, the 32-bit wire struct, the compile-time checks
// of every wire offset and size, and the field list that the codec walks.
//
// A field table is a macro taking two callbacks, one row per field in wire order:
//   F(offset, kind, name)              a field of fixed size at that wire offset
//   A(offset, element, count, array)   a 32-bit element count at offset and, at offset + 4, a
//                                      pointer to `count` elements (in memory `element*`)
// Kinds: U8 I8 U16 I32 U32 U64 or Value<T> (a number, an enumeration, a pointer-free record),
// Text<N> (char[N], zero-terminated ANSI text), Bytes<N> (reserved bytes) and Str (a BSTR).
//
// In memory, arrays and BSTRs are real pointers. On the wire (32-bit layout, 4-byte packing)
// their slot holds 0 for null and 1 for present, and the pointed-to data follows the record as a
// counted block (see value_codec.h). KELVO_IDL_RECORD declares a record with pointers, whose
// memory and wire structs differ; KELVO_IDL_PLAIN_RECORD a pointer-free one: a single packed
// struct that is its own wire form. Declarations only; no state.
#pragma once

#include "platform/com/bstr.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace platform::idl {

// What the codec knows of each record; specialised by the record macros.
template <class T>
struct RecordTraits;

template <class T>
concept Record = requires { RecordTraits<T>::kWireSize; };

// A field that is the same bytes in memory and on the wire. An embedded record must itself be
// plain and hold no text, so that copying its bytes is its whole conversion.
template <class T>
struct Value {
    static_assert(std::is_trivially_copyable_v<T>);
    using Memory = T;
    using Wire = T;
    static constexpr bool kIsText = false;
    static constexpr bool kOwnsMemory = false;
};

using U8 = Value<std::uint8_t>;
using I8 = Value<std::int8_t>;
using U16 = Value<std::uint16_t>;
using I32 = Value<std::int32_t>;
using U32 = Value<std::uint32_t>;
using U64 = Value<std::uint64_t>;

// Zero-terminated ANSI text of at most N - 1 characters.
template <std::size_t N>
struct Text {
    using Memory = char[N];
    using Wire = char[N];
    static constexpr bool kIsText = true;
    static constexpr bool kOwnsMemory = false;
};

// Reserved bytes, carried unchanged.
template <std::size_t N>
struct Bytes {
    using Memory = std::uint8_t[N];
    using Wire = std::uint8_t[N];
    static constexpr bool kIsText = false;
    static constexpr bool kOwnsMemory = false;
};

// A BSTR owned by the record's holder.
struct Str {
    using Memory = platform::BSTR;
    using Wire = std::uint32_t;
    static constexpr bool kIsText = false;
    static constexpr bool kOwnsMemory = true;
};

// One F row: the member in memory and on the wire.
template <class Kind, auto MemoryMember, auto WireMember>
struct FieldDesc {
    using FieldKind = Kind;
    static constexpr auto kMemory = MemoryMember;
    static constexpr auto kWire = WireMember;
    const char* name;
    std::size_t offset;
};

// One A row: the count and the array pointer in memory and on the wire.
template <class Element, auto MemoryCount, auto MemoryArray, auto WireCount, auto WireArray>
struct ArrayDesc {
    using ElementType = Element;
    static constexpr auto kMemoryCount = MemoryCount;
    static constexpr auto kMemoryArray = MemoryArray;
    static constexpr auto kWireCount = WireCount;
    static constexpr auto kWireArray = WireArray;
    const char* countName;
    const char* arrayName;
    std::size_t offset;
};

}  // namespace platform::idl

#define KELVO_IDL_PRAGMA(text) _Pragma(#text)
#define KELVO_IDL_NOTHING(...)

#define KELVO_IDL_MEMBER(at, kind, name) ::platform::idl::kind::Memory name;
#define KELVO_IDL_ARRAY_MEMBER(at, element, count, array) \
    std::uint32_t count;                                  \
    element* array;
#define KELVO_IDL_WIRE_MEMBER(at, kind, name) ::platform::idl::kind::Wire name;
#define KELVO_IDL_WIRE_ARRAY_MEMBER(at, element, count, array) \
    std::uint32_t count;                                       \
    std::uint32_t array;
#define KELVO_IDL_NO_ARRAY(at, element, count, array) static_assert(false, "a plain record holds no pointer");

#define KELVO_IDL_CHECK_OFFSET(at, kind, name) \
    static_assert(offsetof(Wire, name) == (at), "wire offset of " #name);
#define KELVO_IDL_CHECK_ARRAY_OFFSET(at, element, count, array)             \
    static_assert(offsetof(Wire, count) == (at), "wire offset of " #count); \
    static_assert(offsetof(Wire, array) == (at) + 4, "wire offset of " #array);
#define KELVO_IDL_HAS_TEXT(at, kind, name) || ::platform::idl::kind::kIsText
#define KELVO_IDL_OWNS(at, kind, name) || ::platform::idl::kind::kOwnsMemory
#define KELVO_IDL_OWNS_ARRAY(...) || true
#define KELVO_IDL_FIELD_SIZE(at, kind, name) +sizeof(::platform::idl::kind::Wire)
#define KELVO_IDL_ARRAY_SIZE(...) +8
#define KELVO_IDL_VISIT(at, kind, name) \
    visit(::platform::idl::FieldDesc<::platform::idl::kind, &Memory::name, &Wire::name>{#name, at});
#define KELVO_IDL_VISIT_ARRAY(at, element, count, array)                                          \
    visit(::platform::idl::ArrayDesc<element, &Memory::count, &Memory::array, &Wire::count, &Wire::array>{ \
        #count, #array, at});

// The codec's view of record Name: sizes, flags, the offset checks and the field walk.
#define KELVO_IDL_TRAITS(Name, Size, Align, Plain, FIELDS)                                          \
    namespace platform::idl {                                                                         \
    template <>                                                                                     \
    struct RecordTraits<::Name> {                                                                   \
        using Memory = ::Name;                                                                      \
        using Wire = wire::Name;                                                                    \
        static constexpr const char* kName = #Name;                                                 \
        static constexpr std::size_t kWireSize = sizeof(Wire);                                      \
        static constexpr bool kPlain = Plain;                                                       \
        static constexpr bool kHasText = false FIELDS(KELVO_IDL_HAS_TEXT, KELVO_IDL_NOTHING);       \
        static constexpr bool kOwnsMemory = false FIELDS(KELVO_IDL_OWNS, KELVO_IDL_OWNS_ARRAY);     \
        static constexpr bool kDense = (0 FIELDS(KELVO_IDL_FIELD_SIZE, KELVO_IDL_ARRAY_SIZE)) == sizeof(Wire); \
        static_assert(sizeof(Wire) == (Size), "wire size of " #Name);                               \
        static_assert(alignof(Wire) == (Align), "wire alignment of " #Name);                        \
        static_assert(std::is_standard_layout_v<Wire> && std::is_trivially_copyable_v<Wire>);       \
        FIELDS(KELVO_IDL_CHECK_OFFSET, KELVO_IDL_CHECK_ARRAY_OFFSET)                                \
        template <class Visit>                                                                      \
        static constexpr void ForEachField(Visit&& visit) {                                         \
            FIELDS(KELVO_IDL_VISIT, KELVO_IDL_VISIT_ARRAY)                                          \
        }                                                                                           \
    };                                                                                              \
    }

// A record that holds arrays or BSTRs: the caller's struct and its 32-bit wire form.
#define KELVO_IDL_RECORD(Name, Size, FIELDS)                                            \
    struct Name {                                                                       \
        FIELDS(KELVO_IDL_MEMBER, KELVO_IDL_ARRAY_MEMBER)                                \
    };                                                                                  \
    namespace platform::idl::wire {                                                       \
    KELVO_IDL_PRAGMA(pack(push, 4))                                                     \
    struct Name {                                                                       \
        FIELDS(KELVO_IDL_WIRE_MEMBER, KELVO_IDL_WIRE_ARRAY_MEMBER)                      \
    };                                                                                  \
    KELVO_IDL_PRAGMA(pack(pop))                                                         \
    }                                                                                   \
    KELVO_IDL_TRAITS(Name, Size, 4, false, FIELDS)

// A pointer-free record: one struct, packed to Align, identical in memory and on the wire.
#define KELVO_IDL_PLAIN_RECORD(Name, Size, Align, FIELDS)  \
    KELVO_IDL_PRAGMA(pack(push, Align))                    \
    struct Name {                                          \
        FIELDS(KELVO_IDL_MEMBER, KELVO_IDL_NO_ARRAY)       \
    };                                                     \
    KELVO_IDL_PRAGMA(pack(pop))                            \
    namespace platform::idl::wire {                          \
    using Name = ::Name;                                   \
    }                                                      \
    KELVO_IDL_TRAITS(Name, Size, Align, true, FIELDS)
