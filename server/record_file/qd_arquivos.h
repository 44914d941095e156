// The module's record files: their names, record sizes and contents, in one table, and the
// binding of each record layout to its file.
//
// Every file lives in the session's data directory. A layout declared for one of these files
// (see record_layout.h) binds itself with QD_LIGA_REGISTRO_ARQUIVO, which also checks at compile
// time that the layout's size is the file's record size in this table. The typed file wrapper asks
// QDArquivoDoRegistro<T>::kNome for the name to join to the data directory, and opens it with
// R = sizeof(T). Byte files (R = 1) have no layout: their callers name the file.
#pragma once

#include "server/record_file/zt_ctlarq.h"

#include <cstdint>
#include <string_view>

inline constexpr char QD_ARQ_DOC[] = "QDDOC.DAT";
inline constexpr char QD_ARQ_DOC_USUARIO[] = "QDDOCUSU.DAT";
inline constexpr char QD_ARQ_DOC_CAMPO[] = "QDDOCCMP.DAT";
inline constexpr char QD_ARQ_DOC_DESCRICAO[] = "QDDOCDSC.DAT";
inline constexpr char QD_ARQ_VINCULO_DOC[] = "QDVINDOC.DAT";
inline constexpr char QD_ARQ_TIPDOC[] = "QDTPD.DAT";
inline constexpr char QD_ARQ_TIPDOC_USUARIO[] = "QDTPDUSU.DAT";
inline constexpr char QD_ARQ_TIPDOC_PROCESSO[] = "QDTPDPRC.DAT";
inline constexpr char QD_ARQ_TIPDOC_CAMPO[] = "QDTPDCMP.DAT";
inline constexpr char QD_ARQ_LOCARQ[] = "QDLOCARQ.DAT";
inline constexpr char QD_ARQ_LOCARQ_TIPDOC[] = "QDLAQTPD.DAT";
inline constexpr char QD_ARQ_LOCARQ_MASCARA[] = "QDLOCMSC.DAT";
inline constexpr char QD_ARQ_MESTRE[] = "QDMESTRE.DAT";
inline constexpr char QD_ARQ_LOG[] = "QDLOG.DAT";
inline constexpr char QD_ARQ_DISTRIBUICAO[] = "QDDIST.DAT";
inline constexpr char QD_ARQ_DISTRIBUICAO_ITEM[] = "QDDISTIT.DAT";

// One record file of the module.
struct QD_ARQUIVO_INFO {
    const char* pszNome;             // file name in the data directory
    std::uint32_t nTamanhoRegistro;  // R: bytes per record (1 = byte file)
    const char* pszConteudo;         // what it holds
};

inline constexpr QD_ARQUIVO_INFO QD_ARQUIVOS[] = {
    {QD_ARQ_DOC, 256, "documents"},
    {QD_ARQ_DOC_USUARIO, 8, "users allowed to see a document"},
    {QD_ARQ_DOC_CAMPO, 64, "field values of documents"},
    {QD_ARQ_DOC_DESCRICAO, 1, "document descriptions, e-mail template text"},
    {QD_ARQ_VINCULO_DOC, 16, "links document - origin record"},
    {QD_ARQ_TIPDOC, 128, "document types"},
    {QD_ARQ_TIPDOC_USUARIO, 8, "users allowed per type"},
    {QD_ARQ_TIPDOC_PROCESSO, 8, "processes of a type"},
    {QD_ARQ_TIPDOC_CAMPO, 64, "search fields of a type"},
    {QD_ARQ_LOCARQ, 160, "archive locations"},
    {QD_ARQ_LOCARQ_TIPDOC, 8, "types accepted by a location"},
    {QD_ARQ_LOCARQ_MASCARA, 64, "location code masks"},
    {QD_ARQ_MESTRE, 256, "module properties"},
    {QD_ARQ_LOG, 1, "operations log"},
    {QD_ARQ_DISTRIBUICAO, 16, "e-mail distribution lists"},
    {QD_ARQ_DISTRIBUICAO_ITEM, 4, "items of distribution lists"},
    {ZT_ARQ_CONTROLE, 32, "control list of the folder's record files"},
};

// The table entry of the file `nome` (exact spelling); null when the module has no such file.
[[nodiscard]] constexpr const QD_ARQUIVO_INFO* QDBuscaArquivo(std::string_view nome) {
    for (const QD_ARQUIVO_INFO& info : QD_ARQUIVOS) {
        if (nome == info.pszNome) return &info;
    }
    return nullptr;
}

// The record size of the file `nome`; 0 when the module has no such file.
[[nodiscard]] constexpr std::uint32_t QDTamanhoRegistro(std::string_view nome) {
    // A loop of its own: comparing a pointer into the table with null is not a constant expression
    // for every compiler (GCC's undefined-behaviour checks).
    for (const QD_ARQUIVO_INFO& info : QD_ARQUIVOS) {
        if (nome == info.pszNome) return info.nTamanhoRegistro;
    }
    return 0;
}

// The file a record layout lives in: specialised for each layout by QD_LIGA_REGISTRO_ARQUIVO.
template <class T>
struct QDArquivoDoRegistro;

// Binds layout `Tipo` to the file `nome` of the table; fails to compile when the sizes differ.
// Use at global scope, after the layout's own checks.
#define QD_LIGA_REGISTRO_ARQUIVO(Tipo, nome)                                                       \
    template <>                                                                                    \
    struct QDArquivoDoRegistro<Tipo> {                                                             \
        static constexpr const char* kNome = nome;                                                 \
    };                                                                                             \
    static_assert(sizeof(Tipo) == QDTamanhoRegistro(nome), #Tipo " is not the record size of its file")

QD_LIGA_REGISTRO_ARQUIVO(ZT_CTLARQ_ARQ, ZT_ARQ_CONTROLE);
