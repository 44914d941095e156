// QD_PROPRIEDADES_ARQ (propriedades: properties): the company's module properties as stored in
// record 0 (the header) of QDMESTRE.DAT, and their conversions to and from the interface record
// QD_PROPRIEDADES_PS.
//
// The four e-mail and domain texts are not in the record: it holds their (length, offset) in
// QDDOCDSC.DAT. `bFlags` and `iVersaoSistema` mark the one-time data migrations done. Plain
// bytes; safe from any thread.
#pragma once

#include "server/idl/records.h"
#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_layout.h"

#include <cstdint>

#pragma pack(push, 1)
struct QD_PROPRIEDADES_ARQ {
    std::uint32_t iProxNumeroDoc;             // next physical location number (próximo número)
    std::uint16_t iCodigoCliente;             // client code
    std::uint8_t bAcessoTotalSupervisor;      // a supervisor has all rights
    std::uint8_t bExcluiDocumentoRegistrado;  // registered documents may be deleted
    std::int32_t timeControle;                // control time
    std::uint8_t bBaseControlada;             // controlled database
    std::uint8_t bUsaEncriptacao;             // contents are encrypted
    std::uint8_t bFlags;                      // migrations done (QD_MIGRACAO_...)
    std::uint8_t bEnviarEmail;                // send e-mail
    std::uint32_t nTamDominio;                // domain text: length and offset in QDDOCDSC.DAT
    std::uint32_t lPosDominio;
    std::uint16_t iPorta;                     // port
    std::uint16_t iVersaoSistema;             // 0 = location records not converted yet
    std::uint32_t nTamModeloEmail;            // e-mail template (modelo) text
    std::uint32_t lPosModeloEmail;
    std::uint32_t nTamEmailPara;              // e-mail "to" (para) text
    std::uint32_t lPosEmailPara;
    std::uint32_t nTamEmailCC;                // e-mail "cc" text
    std::uint32_t lPosEmailCC;
    std::uint8_t bPermitirPreVisualizacao;    // preview allowed
    std::uint8_t bManterTelaRelatorioAtiva;   // keep the report window active
    std::uint8_t cReservado[202];             // zero
};
#pragma pack(pop)
ZT_REGISTRO_TAMANHO(QD_PROPRIEDADES_ARQ, 256);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, iProxNumeroDoc, 0, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, iCodigoCliente, 4, 2);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bAcessoTotalSupervisor, 6, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bExcluiDocumentoRegistrado, 7, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, timeControle, 8, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bBaseControlada, 12, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bUsaEncriptacao, 13, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bFlags, 14, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bEnviarEmail, 15, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, nTamDominio, 16, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, lPosDominio, 20, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, iPorta, 24, 2);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, iVersaoSistema, 26, 2);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, nTamModeloEmail, 28, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, lPosModeloEmail, 32, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, nTamEmailPara, 36, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, lPosEmailPara, 40, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, nTamEmailCC, 44, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, lPosEmailCC, 48, 4);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bPermitirPreVisualizacao, 52, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, bManterTelaRelatorioAtiva, 53, 1);
ZT_REGISTRO_CAMPO(QD_PROPRIEDADES_ARQ, cReservado, 54, 202);
QD_LIGA_REGISTRO_ARQUIVO(QD_PROPRIEDADES_ARQ, QD_ARQ_MESTRE);

// The migration marks of `bFlags`.
constexpr std::uint8_t QD_MIGRACAO_USUARIOS_LOG = 0x1;     // user fields taken from the log
constexpr std::uint8_t QD_MIGRACAO_REFAZ_DOCUMENTOS = 0x2; // document file rebuilt
constexpr std::uint8_t QD_MIGRACAO_LOCAIS_ANTIGOS = 0x8;   // legacy locations imported
constexpr std::uint8_t QD_MIGRACOES_MARCADAS =  // all three
    QD_MIGRACAO_USUARIOS_LOG | QD_MIGRACAO_REFAZ_DOCUMENTOS | QD_MIGRACAO_LOCAIS_ANTIGOS;
// The data version whose location records are in the current layout.
constexpr std::uint16_t QD_VERSAO_SISTEMA_ATUAL = 1;

// The record into the interface record: every field but the texts (the client code widened to
// 32 bits); the four BSTRs and the filler are left as they are.
void QDPropriedadesParaPS(const QD_PROPRIEDADES_ARQ& arq, QD_PROPRIEDADES_PS& ps);
// The interface record's fields into the record (the client code cut to 16 bits); the text
// positions and the reserved bytes stay as they were.
void QDPropriedadesDePS(const QD_PROPRIEDADES_PS& ps, QD_PROPRIEDADES_ARQ& arq);
