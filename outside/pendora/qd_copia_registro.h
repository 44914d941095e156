// Deep copies of interface records: the copy gets arrays and texts of its own, allocated in the
// forms the server hands out (CoTaskMemAlloc, BSTRs), so that one free routine
// (platform::idl::Codec<T>::Free) serves records from the server and copies alike.
//
// Walks the record's field table (server/idl/records.h), so no record needs a copy routine of
// its own. Internal to the client library. Stateless; safe from any thread on distinct records.
#pragma once

#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "platform/idl/value_codec.h"

#include <cstring>
#include <new>
#include <type_traits>

namespace pendora::detail {

template <class T>
void CopiaProfunda(const T& origem, T& destino);

// The owned pointers of a shallow copy are set to null before anything is allocated, so that a
// failure half-way leaves only memory that the copy owns.
template <class Kind, auto M, auto W, class R>
void AnulaCampo(platform::idl::FieldDesc<Kind, M, W>, R& registro) {
    if constexpr (std::is_same_v<Kind, platform::idl::Str>) registro.*M = nullptr;
}

template <class E, auto MC, auto MA, auto WC, auto WA, class R>
void AnulaCampo(platform::idl::ArrayDesc<E, MC, MA, WC, WA>, R& registro) {
    registro.*MA = nullptr;
}

template <class Kind, auto M, auto W, class R>
void CopiaCampo(platform::idl::FieldDesc<Kind, M, W>, const R& origem, R& destino) {
    if constexpr (std::is_same_v<Kind, platform::idl::Str>) {
        if (!(origem.*M)) return;
        destino.*M = platform::SysAllocStringLen(origem.*M, platform::SysStringLen(origem.*M));
        if (!(destino.*M)) throw std::bad_alloc();
    }
}

template <class E, auto MC, auto MA, auto WC, auto WA, class R>
void CopiaCampo(platform::idl::ArrayDesc<E, MC, MA, WC, WA>, const R& origem, R& destino) {
    const E* fonte = origem.*MA;
    if (!fonte) return;  // a null array stays apart from an empty one
    const std::size_t bytes = std::size_t{origem.*MC} * sizeof(E);
    auto* alvo = static_cast<E*>(platform::CoTaskMemAlloc(bytes));
    if (!alvo) throw std::bad_alloc();
    if (bytes != 0) std::memset(static_cast<void*>(alvo), 0, bytes);
    destino.*MA = alvo;
    if constexpr (platform::idl::Codec<E>::kOwnsMemory) {
        for (std::uint32_t i = 0; i < origem.*MC; ++i) CopiaProfunda(fonte[i], alvo[i]);
    } else if (bytes != 0) {
        std::memcpy(static_cast<void*>(alvo), fonte, bytes);
    }
}

// Makes `destino` a copy of `origem` with its own memory. `destino` must own nothing on entry.
// Throws std::bad_alloc when memory runs out; `destino` then owns nothing either.
template <class T>
void CopiaProfunda(const T& origem, T& destino) {
    destino = origem;
    if constexpr (platform::idl::Record<T> && platform::idl::Codec<T>::kOwnsMemory) {
        using Traits = platform::idl::RecordTraits<T>;
        Traits::ForEachField([&](auto campo) { AnulaCampo(campo, destino); });
        try {
            Traits::ForEachField([&](auto campo) { CopiaCampo(campo, origem, destino); });
        } catch (...) {
            platform::idl::Codec<T>::Free(destino);
            throw;
        }
    }
}

}  // namespace pendora::detail
