// QD_TIPDOC_ARQ (tipo de documento: document type): one document type as stored in QDTPD.DAT,
// and the three sub-record layouts whose runs it owns: the users allowed to see it
// (QDTPDUSU.DAT), the processes it belongs to (QDTPDPRC.DAT) and the search fields its documents
// carry (QDTPDCMP.DAT).
//
// On disk the name comes before the code, unlike the interface record QD_TIPDOC_PS. A deleted
// type keeps its record (QD_TIPDOC_EXCLUIDO) and its lists; every reader skips it. A type whose
// user count is 0 is visible to every user. Plain bytes; safe from any thread.
#pragma once

#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_layout.h"

#include <cstdint>

// Bits of QD_TIPDOC_ARQ::dwFlags (the others are stored as the client sets them).
inline constexpr std::uint32_t QD_TIPDOC_GRUPO = 0x1;     // a heading ("título") over the codes that begin with its own
inline constexpr std::uint32_t QD_TIPDOC_EXCLUIDO = 0x2;  // deleted

#pragma pack(push, 1)
struct QD_TIPDOC_ARQ {
    std::uint32_t dwFlags;            // QD_TIPDOC_...
    std::uint32_t nQtdUsuarios;       // run of users in QDTPDUSU.DAT (0: visible to all)
    std::uint32_t lPrimeiroUsuario;   //   its first position, 0 = none yet
    std::uint32_t nQtdProcessos;      // run of processes in QDTPDPRC.DAT
    std::uint32_t lPrimeiroProcesso;
    std::uint32_t nQtdCampos;         // run of search fields in QDTPDCMP.DAT
    std::uint32_t lPrimeiroCampo;
    char szNome[51];                  // name, NUL-terminated
    char szCodigo[9];                 // dotted code, NUL-terminated
    std::uint32_t eValidade;          // QD_E_TIPDOC_VALIDADE: unit of iValorValidade
    std::uint8_t iValorValidade;      // validity in units of eValidade
    std::uint8_t iDiasEnviarEmail;    // days before expiry for the e-mail warning
    std::uint8_t cReservado[34];      // zero
};

struct QD_TIPDOC_USUARIO_ARQ {
    std::uint16_t iUsuario;           // user code
    std::uint8_t cReservado[6];       // zero
};

struct QD_TIPDOC_PROCESSO_ARQ {
    std::uint32_t eProcesso;          // QD_E_PROCESSO
    std::uint8_t cReservado[4];       // zero
};

// The interface's QD_TIPDOC_CAMPO_PS (60 bytes, its last one padding) followed by zeros.
struct QD_TIPDOC_CAMPO_ARQ {
    std::uint32_t dwFlags;            // the field's flags, as the registration program sets them
    std::uint32_t id;                 // QD_E_CAMPO_DOC
    char szNome[51];                  // NUL-terminated
    std::uint8_t cReservado[5];       // zero
};
#pragma pack(pop)

ZT_REGISTRO_TAMANHO(QD_TIPDOC_ARQ, 128);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, dwFlags, 0, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, nQtdUsuarios, 4, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, lPrimeiroUsuario, 8, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, nQtdProcessos, 12, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, lPrimeiroProcesso, 16, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, nQtdCampos, 20, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, lPrimeiroCampo, 24, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, szNome, 28, 51);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, szCodigo, 79, 9);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, eValidade, 88, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, iValorValidade, 92, 1);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, iDiasEnviarEmail, 93, 1);
ZT_REGISTRO_CAMPO(QD_TIPDOC_ARQ, cReservado, 94, 34);
QD_LIGA_REGISTRO_ARQUIVO(QD_TIPDOC_ARQ, QD_ARQ_TIPDOC);

ZT_REGISTRO_TAMANHO(QD_TIPDOC_USUARIO_ARQ, 8);
ZT_REGISTRO_CAMPO(QD_TIPDOC_USUARIO_ARQ, iUsuario, 0, 2);
ZT_REGISTRO_CAMPO(QD_TIPDOC_USUARIO_ARQ, cReservado, 2, 6);
QD_LIGA_REGISTRO_ARQUIVO(QD_TIPDOC_USUARIO_ARQ, QD_ARQ_TIPDOC_USUARIO);

ZT_REGISTRO_TAMANHO(QD_TIPDOC_PROCESSO_ARQ, 8);
ZT_REGISTRO_CAMPO(QD_TIPDOC_PROCESSO_ARQ, eProcesso, 0, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_PROCESSO_ARQ, cReservado, 4, 4);
QD_LIGA_REGISTRO_ARQUIVO(QD_TIPDOC_PROCESSO_ARQ, QD_ARQ_TIPDOC_PROCESSO);

ZT_REGISTRO_TAMANHO(QD_TIPDOC_CAMPO_ARQ, 64);
ZT_REGISTRO_CAMPO(QD_TIPDOC_CAMPO_ARQ, dwFlags, 0, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_CAMPO_ARQ, id, 4, 4);
ZT_REGISTRO_CAMPO(QD_TIPDOC_CAMPO_ARQ, szNome, 8, 51);
ZT_REGISTRO_CAMPO(QD_TIPDOC_CAMPO_ARQ, cReservado, 59, 5);
QD_LIGA_REGISTRO_ARQUIVO(QD_TIPDOC_CAMPO_ARQ, QD_ARQ_TIPDOC_CAMPO);
