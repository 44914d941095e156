// Conversions between a stored document type (QD_TIPDOC_ARQ) and the interface record
// QD_TIPDOC_PS: the flags, the three counts, the validity and both texts travel; the three
// first-record positions never reach the client and are kept from the stored record on writing.
//
// Texts are cut to their field with a terminating NUL and the rest of the field zeroed, so a
// client text without a terminator never runs into the next field. Pure; safe from any thread on
// distinct records.
#pragma once

#include "server/idl/records.h"
#include "server/types/qd_tipdoc_arq.h"

#include <cstddef>

// Fills the fields of `ps` that the record carries; its list pointers are left as they are.
void QDTipDocParaPS(const QD_TIPDOC_ARQ& arq, QD_TIPDOC_PS& ps);

// Puts the client's fields of `ps` into `arq`; the first positions and the reserved bytes of
// `arq` stay as they are.
void QDTipDocDePS(const QD_TIPDOC_PS& ps, QD_TIPDOC_ARQ& arq);

// Copies the text of `origem` (at most `tamanhoOrigem` bytes, up to its NUL) into `destino` of
// `tamanhoDestino` bytes, cut to tamanhoDestino - 1 characters; the rest of `destino` is zeroed.
void QDCopiaTextoCampo(char* destino, std::size_t tamanhoDestino, const char* origem, std::size_t tamanhoOrigem);

// The same for two char arrays.
template <std::size_t N, std::size_t M>
void QDCopiaTextoCampo(char (&destino)[N], const char (&origem)[M]) {
    QDCopiaTextoCampo(destino, N, origem, M);
}
