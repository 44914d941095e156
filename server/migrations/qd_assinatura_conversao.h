// The signature (assinatura) that a whole-file conversion leaves in the header (record 0) of the
// file it rebuilt.
//
// The header is written with the signature after the last converted record, in the same file, so
// a file that carries it is converted and complete, whatever became of the properties mark after
// it: a run that died between the renames and the mark never converts the records a second time.
// The signature lies in bytes of the header that the record layout reserves (zero in every file
// the layer creates):
//   QDDOC.DAT     "DIAS1950"   validity dates are day counts from 1950;
//   QDLOCARQ.DAT  "LOCARQ160"  the locations are 160-byte records.
// Pure, except QDArquivoAssinado, which reads the file. The server's one thread.
#pragma once

#include "server/document/qd_doc_arq.h"
#include "server/locations/qd_locarq_arq.h"

#include <cstddef>
#include <cstdint>

struct QDAssinatura {
    const char* pszTexto;   // the text, stored with its NUL
    std::uint32_t nOffset;  // where it starts in the header
};

inline constexpr char QD_TEXTO_ASSINATURA_DOC[] = "DIAS1950";
inline constexpr char QD_TEXTO_ASSINATURA_LOCARQ[] = "LOCARQ160";
inline constexpr QDAssinatura QD_ASSINATURA_DOC{QD_TEXTO_ASSINATURA_DOC, offsetof(QD_DOC_ARQ, cReservado)};
inline constexpr QDAssinatura QD_ASSINATURA_LOCARQ{QD_TEXTO_ASSINATURA_LOCARQ, offsetof(QD_LOCARQ_ARQ, cReservado)};
static_assert(sizeof QD_TEXTO_ASSINATURA_DOC <= sizeof(QD_DOC_ARQ::cReservado));
// The location header's reserved bytes also hold the legacy import's progress after the signature.
inline constexpr std::uint32_t QD_FIM_ASSINATURA_LOCARQ = offsetof(QD_LOCARQ_ARQ, cReservado) + 10;
static_assert(sizeof QD_TEXTO_ASSINATURA_LOCARQ <= 10);

// Writes the signature into the header `cabecalho` of `tamanho` bytes (nothing when it does not fit).
void QDPoeAssinatura(const QDAssinatura& assinatura, std::uint8_t* cabecalho, std::uint32_t tamanho);

// Whether the file at `caminho` carries the signature (read without sharing restrictions; a
// missing or short file does not).
[[nodiscard]] bool QDArquivoAssinado(const char* caminho, const QDAssinatura& assinatura);
