// Shared helpers of the archive-location tests: a company with an open session reached through
// the client library, locations built and read as the client does, raw documents and raw
// location records behind the server's back, and the log entries as plain values.
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "platform/com/task_allocator.h"
#include "server/document/qd_doc_arq.h"
#include "server/locations/qd_locarq_arq.h"
#include "server/log/qd_le_log.h"
#include "server/tests/session_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace kelvo::testing {

inline constexpr std::size_t kTamanhoLocal = 160;
inline constexpr std::size_t kTamanhoDocumento = 256;

// A location as a client fills it, with its accepted types in task-allocator memory.
inline CQDLocArq NovoLocal(const char* codigo, std::uint32_t flags = 0, std::uint32_t maximo = 0,
                           const std::vector<std::uint32_t>& tipos = {}, const char* descricao = "Local") {
    CQDLocArq local;
    QD_LOCARQ_PS& ps = local.GetPS();
    ps.dwFlags = flags;
    ps.nQtdMaximaDocs = maximo;
    std::strncpy(ps.szCodigo, codigo, sizeof ps.szCodigo - 1);
    std::strncpy(ps.szDescricao, descricao, sizeof ps.szDescricao - 1);
    if (!tipos.empty()) {
        ps.pPtrsTipDocs = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(tipos.size() * sizeof(std::uint32_t)));
        std::memcpy(ps.pPtrsTipDocs, tipos.data(), tipos.size() * sizeof(std::uint32_t));
        ps.nQtdTipDocs = static_cast<std::uint32_t>(tipos.size());
    }
    return local;
}

// The accepted types a read handed back.
inline std::vector<std::uint32_t> Tipos(const CQDLocArq& local) {
    const QD_LOCARQ_PS& ps = local.GetPS();
    if (!ps.pPtrsTipDocs) return {};
    return std::vector<std::uint32_t>(ps.pPtrsTipDocs, ps.pPtrsTipDocs + ps.nQtdTipDocs);
}

// A document of QDDOC.DAT at location `local`.
inline QD_DOC_ARQ Documento(std::uint32_t local, std::uint32_t flags = 0, std::uint16_t usuario = 1,
                            std::uint16_t filial = 0) {
    QD_DOC_ARQ doc{};
    doc.dwFlags = flags;
    doc.lTipDoc = 1;
    doc.lLocArq = local;
    doc.iFilial = filial;
    doc.iUsuarioIncluiu = usuario;
    doc.iUsuarioAlterou = usuario;
    doc.nQtdUsuarios = 0;
    return doc;
}

// Writes QDDOC.DAT at `caminho` as the document methods would: a zeroed header, then `docs`.
inline void GravaDocumentos(const std::string& caminho, const std::vector<QD_DOC_ARQ>& docs) {
    std::string bytes(kTamanhoDocumento, '\0');
    for (const QD_DOC_ARQ& doc : docs) bytes.append(reinterpret_cast<const char*>(&doc), sizeof doc);
    WriteFile(caminho, bytes);
}

// Record `posicao` of a record file as raw bytes (empty when the file is shorter).
inline std::string RegistroBruto(const std::string& caminho, std::size_t posicao, std::size_t tamanho) {
    const std::string bytes = ReadFile(caminho);
    if (bytes.size() < (posicao + 1) * tamanho) return {};
    return bytes.substr(posicao * tamanho, tamanho);
}

// Location `posicao` of QDLOCARQ.DAT as stored.
inline QD_LOCARQ_ARQ LocalGravado(const std::string& caminho, std::size_t posicao) {
    QD_LOCARQ_ARQ arq{};
    const std::string bytes = RegistroBruto(caminho, posicao, sizeof arq);
    EXPECT_EQ(bytes.size(), sizeof arq) << "no location at " << posicao;
    if (bytes.size() == sizeof arq) std::memcpy(&arq, bytes.data(), sizeof arq);
    return arq;
}

// One log entry as plain values.
struct EntradaLog {
    QD_E_OPERACAO_LOG operacao;
    std::uint32_t posicao;
    std::string dados;
    std::vector<std::pair<QD_E_TYPE_LOG_PTRS, std::string>> itens;
};

// Every entry of the log of the data folder `pasta` after the company's opening.
inline std::vector<EntradaLog> EntradasLog(const std::string& pasta) {
    const std::vector<CQDLogEntrada> lidas = LogAposAbertura(pasta);
    std::vector<EntradaLog> entradas;
    for (const CQDLogEntrada& lida : lidas) {
        const QD_LOG_PS& log = lida.GetLog();
        EntradaLog entrada{log.eOperacao, log.lPosicao, {}, {}};
        if (log.cbLogData) entrada.dados.assign(reinterpret_cast<const char*>(log.pLogData), log.cbLogData);
        for (std::uint32_t i = 0; i < log.nQtdPtrs; ++i) {
            const QD_LOG_PTRS_PS& item = log.pPtrs[i];
            entrada.itens.emplace_back(item.eType, std::string(reinterpret_cast<const char*>(item.pData), item.cbData));
        }
        entradas.push_back(std::move(entrada));
    }
    return entradas;
}

// The bytes of a list of type positions as the log keeps them.
inline std::string BytesTipos(const std::vector<std::uint32_t>& tipos) {
    return std::string(reinterpret_cast<const char*>(tipos.data()), tipos.size() * sizeof(std::uint32_t));
}

// The bytes of a stored location.
inline std::string BytesLocal(const QD_LOCARQ_ARQ& arq) {
    return std::string(reinterpret_cast<const char*>(&arq), sizeof arq);
}

// A company with an open session of its supervisor and a connection of the client library bound
// to the session's object in this process.
class LocaisTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(srv_->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        conexao_.SetInterface(&*srv_);
    }

    [[nodiscard]] std::string Arquivo(const char* nome) const { return empresa_.Arquivo(nome); }

    // Writes `local` at `posicao` (0 inserts); the position written.
    std::uint32_t Grava(const CQDLocArq& local, std::uint32_t posicao = 0) {
        EXPECT_EQ(conexao_.GravaLocArq(&posicao, local), platform::S_OK);
        return posicao;
    }
    std::uint32_t Grava(const char* codigo, std::uint32_t flags = 0, std::uint32_t maximo = 0,
                        const std::vector<std::uint32_t>& tipos = {}) {
        return Grava(NovoLocal(codigo, flags, maximo, tipos));
    }

    // The location at `posicao` as the client reads it.
    CQDLocArq Le(std::uint32_t posicao, std::uint32_t flags = 0) {
        CQDLocArq local;
        EXPECT_EQ(conexao_.LeLocArq(1, &posicao, &local, flags), platform::S_OK);
        return local;
    }
    std::string Codigo(std::uint32_t posicao) { return Le(posicao, 1)->szCodigo; }

    // The positions a search with these filter fields finds.
    std::vector<std::uint32_t> Busca(std::uint32_t flags, const char* codigo = "", std::uint32_t grupo = 0,
                                     std::uint32_t tipo = 0) {
        QD_LOCARQ_FILTRO_PS filtro{};
        filtro.dwFlags = flags;
        filtro.lPosGrupo = grupo;
        filtro.lTipDoc = tipo;
        std::strncpy(filtro.szCodigo, codigo, sizeof filtro.szCodigo - 1);
        CQDArrayPonteiros ponteiros;
        EXPECT_EQ(conexao_.BuscaPtrsLocArq(filtro, ponteiros), platform::S_OK);
        const QD_ARRAY_PONTEIROS_PS& ps = ponteiros.GetPS();
        EXPECT_TRUE(ps.pPtrs) << "an empty result is still an array";
        if (!ps.pPtrs) return {};
        return std::vector<std::uint32_t>(ps.pPtrs, ps.pPtrs + ps.qtd);
    }

    EmpresaTeste empresa_;
    Servidor srv_;
    CSilentConexaoGedSrv conexao_;
};

}  // namespace kelvo::testing
