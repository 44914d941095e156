// The result list of the document searches: pairs (position, score), 8 bytes each, kept in the
// order the scan met the documents (ascending positions), then ordered by score when the search
// scores, and handed to the caller as an array of positions.
//
// Pure apart from the task allocator; safe from any thread on distinct lists.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>
#include <limits>
#include <vector>

struct QDDocPontuado {
    std::uint32_t lPos;      // position in QDDOC.DAT
    std::int32_t nPontos;    // score
};
static_assert(sizeof(QDDocPontuado) == 8);

using QDDocsPontuados = std::vector<QDDocPontuado>;

// Adds `mais` (not negative) to the score `pontos`, held at the int maximum rather than wrapping
// (the word filter's hits can reach it on their own).
inline void QDSomaPontos(int& pontos, int mais) {
    pontos = pontos > std::numeric_limits<int>::max() - mais ? std::numeric_limits<int>::max() : pontos + mais;
}

// Orders `lista` by score, highest first, and by position, lowest first, among equal scores.
void QDOrdenaPorPontos(QDDocsPontuados& lista);

// The positions of `lista`, in its order, into `*pRegPtrs`: the count and a task-allocator array
// that becomes the caller's (null for an empty list). S_OK or E_OUTOFMEMORY (then `*pRegPtrs` is
// left as it was).
[[nodiscard]] platform::HRESULT QDEntregaPontuados(const QDDocsPontuados& lista, QD_ARRAY_PONTEIROS_PS* pRegPtrs);
