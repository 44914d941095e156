// Conversions between a stored location (QD_LOCARQ_ARQ) and the interface record QD_LOCARQ_PS,
// its code as text, and the check of what a client hands in for writing.
//
// Reading hands out the flags, the type count, the maximum, the available places, code and
// description; writing takes flags, type count, maximum, code and description, never the
// available places nor the run's first position, which only the server keeps. Texts are cut to
// their field with a terminating NUL and padded with NULs. Pure; safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/locations/qd_locarq_arq.h"

#include <cstddef>
#include <string>
#include <string_view>

// The longest code a location keeps: its field less the terminating NUL.
inline constexpr std::size_t QD_LOCARQ_MAX_CODIGO = sizeof(QD_LOCARQ_ARQ::szCodigo) - 1;

// `texto` into `destino` (`tamanho` bytes): at most tamanho - 1 characters, the rest NULs.
void QDCopiaTextoLocArq(char* destino, std::size_t tamanho, std::string_view texto);

// The text of a fixed field that may lack its NUL: up to the first NUL or the field's end.
[[nodiscard]] std::string_view QDTextoCampoLocArq(const char* campo, std::size_t tamanho);

// The stored record's fields into `ps`; the type count and pointer are left 0 and null (the
// reader fills them) and the filler zero.
void QDLocArqParaPS(const QD_LOCARQ_ARQ& arq, QD_LOCARQ_PS& ps);

// The client's flags, type count, maximum, code and description into `arq`; the available
// places and the first type position stay as they are.
void QDLocArqDePS(const QD_LOCARQ_PS& ps, QD_LOCARQ_ARQ& arq);

// S_OK when `ps` can be written; E_INVALIDARG for a type count without its array, a count that no
// request can carry, or a maximum that the stored signed field cannot hold.
[[nodiscard]] platform::HRESULT QDVerificaLocArqPS(const QD_LOCARQ_PS& ps);

// The stored code (at most QD_LOCARQ_MAX_CODIGO characters).
[[nodiscard]] std::string QDCodigoLocArq(const QD_LOCARQ_ARQ& arq);
// Stores `codigo` cut to QD_LOCARQ_MAX_CODIGO characters, padded with NULs.
void QDDefineCodigoLocArq(QD_LOCARQ_ARQ& arq, std::string_view codigo);
