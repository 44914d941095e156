// The records that the methods of IZTQD_Srv pass, each declared once by its field table.
//
// Offsets are those of the 32-bit wire form (4-byte packing; REG_ZTDMC 2-byte) and are checked
// at compile time. Records without pointers are one packed struct; the others exist twice: the
// struct below, holding real pointers and BSTRs for the caller, and platform::idl::wire::<Name>,
// their 32-bit image with 32-bit pointer slots. char[N] fields hold at most N - 1 characters of
// Windows-1252 text. Arrays and BSTRs that the server returns are the caller's to free
// (CoTaskMemFree, SysFreeString); arrays a caller passes in stay the caller's.
#pragma once

#include "platform/idl/record_schema.h"
#include "server/idl/enumerations.h"

// Opening a session (empresa: company path, sessão: session, usuário: user).
#define KELVO_IDL_QD_INICIALIZA_PS(F, A) \
    F(0, Text<24>, szEmpresa)            \
    F(24, I32, lNumeroSessao)            \
    F(28, U16, iUsuario)
KELVO_IDL_PLAIN_RECORD(QD_INICIALIZA_PS, 32, 4, KELVO_IDL_QD_INICIALIZA_PS)

// The company database's properties (propriedades).
#define KELVO_IDL_QD_PROPRIEDADES_PS(F, A) \
    F(0, U32, iProxNumeroDoc)              \
    F(4, U32, iCodigoCliente)              \
    F(8, U16, iPorta)                      \
    F(10, U16, iVersaoSistema)             \
    F(12, I8, bBaseControlada)             \
    F(13, I8, bAcessoTotalSupervisor)      \
    F(14, I8, bExcluiDocumentoRegistrado)  \
    F(15, I8, bUsaEncriptacao)             \
    F(16, U8, bFlags)                      \
    F(17, U8, bEnviarEmail)                \
    F(20, I32, timeControle)               \
    F(24, Str, bsDominio)                  \
    F(28, Str, bsModeloEmail)              \
    F(32, Str, bsEmailPara)                \
    F(36, Str, bsEmailCC)                  \
    F(40, U8, bPermitirPreVisualizacao)    \
    F(41, U8, bManterTelaRelatorioAtiva)   \
    F(42, Bytes<12>, bFiller)
KELVO_IDL_RECORD(QD_PROPRIEDADES_PS, 56, KELVO_IDL_QD_PROPRIEDADES_PS)

// An archive location (localização de arquivo) with the document types it accepts.
#define KELVO_IDL_QD_LOCARQ_PS(F, A)                      \
    F(0, U32, dwFlags)                                    \
    A(4, std::uint32_t, nQtdTipDocs, pPtrsTipDocs)        \
    F(12, U32, nQtdMaximaDocs)                            \
    F(16, I32, nQtdDisponivel)                            \
    F(20, Text<40>, szCodigo)                             \
    F(60, Text<66>, szDescricao)                          \
    F(126, Bytes<4>, cFiller)
KELVO_IDL_RECORD(QD_LOCARQ_PS, 132, KELVO_IDL_QD_LOCARQ_PS)

// A search over archive locations (filtro: filter).
#define KELVO_IDL_QD_LOCARQ_FILTRO_PS(F, A) \
    F(0, U32, dwFlags)                      \
    F(4, U32, lTipDoc)                      \
    F(8, U32, lPosGrupo)                    \
    F(12, Text<40>, szCodigo)               \
    F(52, Bytes<6>, cFiller)
KELVO_IDL_PLAIN_RECORD(QD_LOCARQ_FILTRO_PS, 60, 4, KELVO_IDL_QD_LOCARQ_FILTRO_PS)

// A list of record positions (ponteiros).
#define KELVO_IDL_QD_ARRAY_PONTEIROS_PS(F, A) A(0, std::uint32_t, qtd, pPtrs)
KELVO_IDL_RECORD(QD_ARRAY_PONTEIROS_PS, 8, KELVO_IDL_QD_ARRAY_PONTEIROS_PS)

// The code mask (máscara) of one group of archive locations.
#define KELVO_IDL_QD_LOCARQ_MSC_PS(F, A) \
    F(0, U32, lPosicao)                  \
    F(4, Text<40>, szCodigo)             \
    F(44, Bytes<20>, filler)
KELVO_IDL_PLAIN_RECORD(QD_LOCARQ_MSC_PS, 64, 4, KELVO_IDL_QD_LOCARQ_MSC_PS)

// A field (campo) that a document type asks for.
#define KELVO_IDL_QD_TIPDOC_CAMPO_PS(F, A) \
    F(0, U32, dwFlags)                     \
    F(4, Value<QD_E_CAMPO_DOC>, id)        \
    F(8, Text<51>, szNome)
KELVO_IDL_PLAIN_RECORD(QD_TIPDOC_CAMPO_PS, 60, 4, KELVO_IDL_QD_TIPDOC_CAMPO_PS)

// A document type (tipo de documento) with its users, processes and fields.
#define KELVO_IDL_QD_TIPDOC_PS(F, A)                        \
    F(0, U32, dwFlags)                                      \
    A(4, std::uint16_t, nQtdUsuarios, pUsuarios)            \
    A(12, QD_E_PROCESSO, nQtdProcessos, pProcessos)         \
    A(20, QD_TIPDOC_CAMPO_PS, nQtdCampos, pCampos)          \
    F(28, Text<9>, szCodigo)                                \
    F(37, Text<51>, szNome)                                 \
    F(88, Value<QD_E_TIPDOC_VALIDADE>, eValidade)           \
    F(92, U8, iValorValidade)                               \
    F(93, U8, iDiasEnviarEmail)
KELVO_IDL_RECORD(QD_TIPDOC_PS, 96, KELVO_IDL_QD_TIPDOC_PS)

// A search over document types.
#define KELVO_IDL_QD_TIPDOC_FILTRO_PS(F, A) \
    F(0, U32, dwFlags)                      \
    F(4, Value<QD_E_PROCESSO>, eProc)       \
    F(8, Text<9>, szCodigo)
KELVO_IDL_PLAIN_RECORD(QD_TIPDOC_FILTRO_PS, 20, 4, KELVO_IDL_QD_TIPDOC_FILTRO_PS)

// The value of one document field, coded by the field's data type.
#define KELVO_IDL_QD_DOC_CAMPO_PS(F, A) \
    F(0, Bytes<60>, BinaryData)         \
    F(60, Value<QD_E_CAMPO_DOC>, id)
KELVO_IDL_PLAIN_RECORD(QD_DOC_CAMPO_PS, 64, 4, KELVO_IDL_QD_DOC_CAMPO_PS)

// Where a document link comes from (origem: origin; chave: key).
#define KELVO_IDL_QD_ORIGEM_VINCULO_DOC_PS(F, A) \
    F(0, Value<QD_E_PROCESSO>, eProc)            \
    F(4, U32, lChave)
KELVO_IDL_PLAIN_RECORD(QD_ORIGEM_VINCULO_DOC_PS, 8, 4, KELVO_IDL_QD_ORIGEM_VINCULO_DOC_PS)

// A document with its users, field values, link origins, content and description. Its validity
// date iDataValidade is a day count from 1950 (0: no expiry); its issue date a short day number.
#define KELVO_IDL_QD_DOC_PS(F, A)                                   \
    F(0, U32, dwFlags)                                              \
    F(4, U32, lTipDoc)                                              \
    F(8, U32, lLocArq)                                              \
    F(12, U32, lNextDoc)                                            \
    F(16, U32, lPrevDoc)                                            \
    F(20, U32, iNrLocalizacao)                                      \
    F(24, U32, iVersao)                                             \
    F(28, U32, iFiller)                                             \
    F(32, U32, dataInclusao)                                        \
    F(36, U32, dataModificacao)                                     \
    A(40, std::uint16_t, nQtdUsuarios, pUsuarios)                   \
    A(48, QD_DOC_CAMPO_PS, nQtdCampos, pCampos)                     \
    A(56, QD_ORIGEM_VINCULO_DOC_PS, nQtdVinculos, pVinculos)        \
    A(64, std::uint8_t, cbArquivo, pArquivo)                        \
    F(72, Str, bsDescricao)                                         \
    F(76, Str, bsFiller)                                            \
    F(80, U16, iDataEmissao)                                        \
    F(82, U16, iDataValidade)                                       \
    F(84, U16, iFilial)                                             \
    F(86, U16, iFiller2)                                            \
    F(88, Text<174>, szOriginalFileName)                            \
    F(262, Bytes<2>, szFiller)                                      \
    F(264, U16, iUsuarioIncluiu)                                    \
    F(266, U16, iUsuarioAlterou)                                    \
    F(268, Value<std::uint16_t[2]>, iFiller3)
KELVO_IDL_RECORD(QD_DOC_PS, 272, KELVO_IDL_QD_DOC_PS)

// A search over documents. iDataValidadeIni..iDataValidadeFim are day counts from 1950, as the
// stored validity dates; iDataEmissaoIni..iDataEmissaoFim are short day numbers.
#define KELVO_IDL_QD_DOC_FILTRO_PS(F, A)               \
    F(0, U32, dwFlags)                                 \
    F(4, U32, lPosDocIni)                              \
    F(8, U32, lPosDocFim)                              \
    A(12, std::uint32_t, nQtdTipDoc, pTipDoc)          \
    A(20, std::uint32_t, nQtdDoc, pDoc)                \
    F(28, U32, lLocArq)                                \
    F(32, U32, iNrLocalizacaoIni)                      \
    F(36, U32, iNrLocalizacaoFim)                      \
    F(40, U32, dataInclusaoIni)                        \
    F(44, U32, dataInclusaoFim)                        \
    F(48, U32, dataModificacaoIni)                     \
    F(52, U32, dataModificacaoFim)                     \
    A(56, QD_DOC_CAMPO_PS, nQtdCampos, pCampos)        \
    F(64, Str, bsDescricao)                            \
    F(68, U16, iDataEmissaoIni)                        \
    F(70, U16, iDataEmissaoFim)                        \
    F(72, U16, iDataValidadeIni)                       \
    F(74, U16, iDataValidadeFim)                       \
    F(76, U16, iUsuarioIncluiu)                        \
    F(78, U16, iUsuarioAlterou)                        \
    F(80, Text<174>, szOriginalFileName)
KELVO_IDL_RECORD(QD_DOC_FILTRO_PS, 256, KELVO_IDL_QD_DOC_FILTRO_PS)

// A width and a height in pixels.
#define KELVO_IDL_tagSIZE(F, A) \
    F(0, I32, cx)               \
    F(4, I32, cy)
KELVO_IDL_PLAIN_RECORD(tagSIZE, 8, 4, KELVO_IDL_tagSIZE)

// One preview bitmap: a bitmap header followed by its pixel rows.
#define KELVO_IDL_QD_DOC_THUMBNAIL_PS(F, A) A(0, std::uint8_t, cbThumbnail, pThumbnail)
KELVO_IDL_RECORD(QD_DOC_THUMBNAIL_PS, 8, KELVO_IDL_QD_DOC_THUMBNAIL_PS)

// The preview bitmaps of several documents.
#define KELVO_IDL_QD_ARRAY_DOC_THUMBNAIL_PS(F, A) A(0, QD_DOC_THUMBNAIL_PS, qtd, pThumbnails)
KELVO_IDL_RECORD(QD_ARRAY_DOC_THUMBNAIL_PS, 8, KELVO_IDL_QD_ARRAY_DOC_THUMBNAIL_PS)

// A link (vínculo) between an origin and a document.
#define KELVO_IDL_QD_VINCULO_DOC_PS(F, A)           \
    F(0, Value<QD_ORIGEM_VINCULO_DOC_PS>, origem)   \
    F(8, U32, lPosDoc)
KELVO_IDL_PLAIN_RECORD(QD_VINCULO_DOC_PS, 12, 4, KELVO_IDL_QD_VINCULO_DOC_PS)

// The 64-bit key that accompanies a new link.
#define KELVO_IDL_REG_ZTDMC(F, A) F(0, U64, lZTDMC)
KELVO_IDL_PLAIN_RECORD(REG_ZTDMC, 8, 2, KELVO_IDL_REG_ZTDMC)

// The option bits of a report.
#define KELVO_IDL_QD_RELATORIO_FLAGS(F, A) F(0, U32, dwFlags)
KELVO_IDL_PLAIN_RECORD(QD_RELATORIO_FLAGS, 4, 4, KELVO_IDL_QD_RELATORIO_FLAGS)

// A report (relatório) to write: model, output file, company name, component and selection. The
// documents report's validity bounds iShort1..iShort2 are day counts from 1950, as the stored
// validity dates; every other day there is a short day number.
#define KELVO_IDL_QD_RELATORIO_PS(F, A)               \
    F(0, Str, bsModelo)                               \
    F(4, Str, bsArquivo)                              \
    F(8, Str, bsRazaoSocial)                          \
    F(12, Str, bsComponente)                          \
    F(16, U32, lPonteiro1)                            \
    F(20, U32, lPonteiro2)                            \
    F(24, U32, lFiller)                               \
    F(28, I32, lLong1)                                \
    F(32, U16, iShort1)                               \
    F(34, U16, iShort2)                               \
    F(36, U16, iShort3)                               \
    F(38, U16, iShort4)                               \
    F(40, U16, iFiller)                               \
    F(44, Value<QD_RELATORIO_FLAGS>, flags)           \
    F(48, Value<QD_E_TIPO_RELATORIO>, cRelatorio)
KELVO_IDL_RECORD(QD_RELATORIO_PS, 52, KELVO_IDL_QD_RELATORIO_PS)

// One pointer item of a log entry: a typed block of bytes.
#define KELVO_IDL_QD_LOG_PTRS_PS(F, A)              \
    F(0, Value<QD_E_TYPE_LOG_PTRS>, eType)          \
    A(4, std::uint8_t, cbData, pData)               \
    F(12, Bytes<4>, cFiller)
KELVO_IDL_RECORD(QD_LOG_PTRS_PS, 16, KELVO_IDL_QD_LOG_PTRS_PS)

// One entry of the change log with its data and pointer items.
#define KELVO_IDL_QD_LOG_PS(F, A)                    \
    F(0, Value<QD_E_OPERACAO_LOG>, eOperacao)        \
    F(4, U32, lPosicao)                              \
    F(8, U16, iUsuario)                              \
    F(12, U32, dataGravacaoLog)                      \
    A(16, std::uint8_t, cbLogData, pLogData)         \
    A(24, QD_LOG_PTRS_PS, nQtdPtrs, pPtrs)
KELVO_IDL_RECORD(QD_LOG_PS, 32, KELVO_IDL_QD_LOG_PS)

// The log entries that one operation writes together (batch).
#define KELVO_IDL_QD_BATCH_GRAVA_LOG_PS(F, A) A(0, QD_LOG_PS, qtd, pLogs)
KELVO_IDL_RECORD(QD_BATCH_GRAVA_LOG_PS, 8, KELVO_IDL_QD_BATCH_GRAVA_LOG_PS)
