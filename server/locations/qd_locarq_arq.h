// QD_LOCARQ_ARQ (localização de arquivo: archive location): one location as stored in
// QDLOCARQ.DAT, and QD_LOCARQ_TIPDOC_ARQ, one record of the run of document types it accepts in
// QDLAQTPD.DAT.
//
// A location's code is dotted ("1.001.002"); its first level is the number of its group. A
// location with QD_LOCARQ_GRUPO is a heading: every location whose code begins with the
// heading's code and a '.' lies under it. The accepted types are the nQtdTipDocs records from
// lPrimeiroTipDoc (zt_sequencia.h). Plain bytes; safe from any thread.
#pragma once

#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_layout.h"

#include <cstdint>

// Bit of QD_LOCARQ_ARQ::dwFlags: a heading (grupo: group) rather than a place documents lie in.
inline constexpr std::uint32_t QD_LOCARQ_GRUPO = 0x1;

#pragma pack(push, 1)
struct QD_LOCARQ_ARQ {
    std::uint32_t dwFlags;          // QD_LOCARQ_GRUPO; other bits as the client sets them
    std::uint32_t nQtdTipDocs;      // accepted types: count of the run in QDLAQTPD.DAT
    std::uint32_t lPrimeiroTipDoc;  // and its first position (0 = no run yet)
    std::int32_t nQtdMaximaDocs;    // most documents it may hold (0 = no maximum)
    std::int32_t nQtdDisponivel;    // places still available; kept by the server, may be negative
    char szCodigo[40];              // dotted code, NUL-terminated
    char szDescricao[66];           // NUL-terminated
    std::uint8_t cReservado[34];    // zero
};

struct QD_LOCARQ_TIPDOC_ARQ {
    std::uint32_t lTipDoc;          // position of the type in QDTPD.DAT
    std::uint8_t cReservado[4];     // zero
};
#pragma pack(pop)

ZT_REGISTRO_TAMANHO(QD_LOCARQ_ARQ, 160);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, dwFlags, 0, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, nQtdTipDocs, 4, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, lPrimeiroTipDoc, 8, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, nQtdMaximaDocs, 12, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, nQtdDisponivel, 16, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, szCodigo, 20, 40);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, szDescricao, 60, 66);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ, cReservado, 126, 34);
QD_LIGA_REGISTRO_ARQUIVO(QD_LOCARQ_ARQ, QD_ARQ_LOCARQ);

ZT_REGISTRO_TAMANHO(QD_LOCARQ_TIPDOC_ARQ, 8);
ZT_REGISTRO_CAMPO(QD_LOCARQ_TIPDOC_ARQ, lTipDoc, 0, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_TIPDOC_ARQ, cReservado, 4, 4);
QD_LIGA_REGISTRO_ARQUIVO(QD_LOCARQ_TIPDOC_ARQ, QD_ARQ_LOCARQ_TIPDOC);
