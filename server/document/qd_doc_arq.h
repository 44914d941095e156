// QD_DOC_ARQ (documento: document): one document as stored in QDDOC.DAT, with the two sub-record
// layouts it owns runs of: the users allowed to see it (QDDOCUSU.DAT) and its field values
// (QDDOCCMP.DAT). Its description text lies in the byte file QDDOCDSC.DAT.
//
// Versions of one document are chained by position (lNextDoc newer, lPrevDoc older). A deleted
// document keeps its record with QD_DOC_EXCLUIDO set: searches skip it, reads return it with the
// flag. Plain bytes; safe from any thread.
#pragma once

#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_layout.h"

#include <cstdint>

// Bits of QD_DOC_ARQ::dwFlags.
inline constexpr std::uint32_t QD_DOC_ACESSO_WEB = 0x1;      // available to web access
inline constexpr std::uint32_t QD_DOC_EXCLUIDO = 0x2;        // deleted
inline constexpr std::uint32_t QD_DOC_SEM_CONTEUDO = 0x4;    // no content file is stored
inline constexpr std::uint32_t QD_DOC_ESTADO_EXTRA = 0x8;    // a state searches can leave out

#pragma pack(push, 1)
struct QD_DOC_ARQ {
    std::uint32_t dwFlags;               // QD_DOC_...
    std::uint32_t lTipDoc;               // position of the type in QDTPD.DAT
    std::uint32_t lLocArq;               // position of the location in QDLOCARQ.DAT, 0 = none
    std::uint32_t lNextDoc;              // newer version, 0 = this is the newest
    std::uint32_t lPrevDoc;              // older version, 0 = none
    std::uint32_t iNrLocalizacao;        // physical location number
    std::uint32_t iVersao;               // version
    std::uint32_t dataInclusao;          // moment (unsigned seconds since 1970), set on insert
    std::uint32_t dataModificacao;       // moment, set on every write
    std::uint32_t nQtdUsuarios;          // run of users in QDDOCUSU.DAT
    std::uint32_t lPrimeiroUsuario;
    std::uint32_t nQtdCampos;            // run of field values in QDDOCCMP.DAT
    std::uint32_t lPrimeiroCampo;
    std::uint32_t nTamDescricao;         // description text in QDDOCDSC.DAT: length, offset (0 = none)
    std::uint32_t lPosDescricao;
    std::uint16_t iDataEmissao;          // issue date (day number)
    std::uint16_t iDataValidade;         // validity date (day count from 1950), 0 = no expiry
    std::uint16_t iFilial;               // branch, 0 = none
    char szOriginalFileName[174];        // the file the content came from, NUL-terminated
    std::uint16_t iUsuarioIncluiu;       // user who included it
    std::uint16_t iUsuarioAlterou;       // user who changed it last
    std::uint8_t cReservado[12];         // zero
};

struct QD_DOC_USUARIO_ARQ {
    std::uint16_t iUsuario;              // user code
    std::uint8_t cReservado[6];          // zero
};

struct QD_DOC_CAMPO_ARQ {
    std::uint8_t BinaryData[60];         // the value, coded by the field's data type
    std::int32_t id;                     // field identifier (QD_E_CAMPO_DOC)
};
#pragma pack(pop)

ZT_REGISTRO_TAMANHO(QD_DOC_ARQ, 256);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, dwFlags, 0, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, lTipDoc, 4, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, lLocArq, 8, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, lNextDoc, 12, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, lPrevDoc, 16, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, iNrLocalizacao, 20, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, iVersao, 24, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, dataInclusao, 28, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, dataModificacao, 32, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, nQtdUsuarios, 36, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, lPrimeiroUsuario, 40, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, nQtdCampos, 44, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, lPrimeiroCampo, 48, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, nTamDescricao, 52, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, lPosDescricao, 56, 4);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, iDataEmissao, 60, 2);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, iDataValidade, 62, 2);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, iFilial, 64, 2);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, szOriginalFileName, 66, 174);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, iUsuarioIncluiu, 240, 2);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, iUsuarioAlterou, 242, 2);
ZT_REGISTRO_CAMPO(QD_DOC_ARQ, cReservado, 244, 12);
QD_LIGA_REGISTRO_ARQUIVO(QD_DOC_ARQ, QD_ARQ_DOC);

ZT_REGISTRO_TAMANHO(QD_DOC_USUARIO_ARQ, 8);
ZT_REGISTRO_CAMPO(QD_DOC_USUARIO_ARQ, iUsuario, 0, 2);
ZT_REGISTRO_CAMPO(QD_DOC_USUARIO_ARQ, cReservado, 2, 6);
QD_LIGA_REGISTRO_ARQUIVO(QD_DOC_USUARIO_ARQ, QD_ARQ_DOC_USUARIO);

ZT_REGISTRO_TAMANHO(QD_DOC_CAMPO_ARQ, 64);
ZT_REGISTRO_CAMPO(QD_DOC_CAMPO_ARQ, BinaryData, 0, 60);
ZT_REGISTRO_CAMPO(QD_DOC_CAMPO_ARQ, id, 60, 4);
QD_LIGA_REGISTRO_ARQUIVO(QD_DOC_CAMPO_ARQ, QD_ARQ_DOC_CAMPO);
