// Shared helpers of the document and link tests: a company with an open session reached through
// the client library, documents built the way a client builds them, and raw access to the record
// files behind the server's back (seeding types, locations and links; reading stored bytes).
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_doc.h"
#include "outside/pendora/qd_propriedades.h"
#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "server/document/qd_doc_arq.h"
#include "server/links/qd_vinculo_doc_arq.h"
#include "server/locations/qd_locarq_arq.h"
#include "server/log/qd_le_log.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/zt_sequencia.h"
#include "server/tests/log_test_support.h"
#include "server/tests/session_test_support.h"
#include "server/types/qd_tipdoc_arq.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kelvo::testing {

// Record `posicao` of the layout T in the session's files.
template <class T>
T LeRegistro(IQDArqBind& bind, std::uint32_t posicao) {
    CQDArqT<T> arquivo(bind);
    T registro{};
    EXPECT_EQ(arquivo.Open('L', true, true), 0);
    EXPECT_EQ(arquivo.ReadRecord(static_cast<std::int32_t>(posicao), &registro), 0) << posicao;
    return registro;
}

// Writes `registro` at `posicao` (0 appends); the position written.
template <class T>
std::uint32_t GravaRegistro(IQDArqBind& bind, const T& registro, std::uint32_t posicao = 0) {
    CQDArqT<T> arquivo(bind);
    EXPECT_EQ(arquivo.Open('G', true, true), 0);
    auto escrita = static_cast<std::int32_t>(posicao);
    EXPECT_EQ(arquivo.WriteRecord(&registro, escrita), 0);
    return static_cast<std::uint32_t>(escrita);
}

// Appends a run of user records of layout T holding `codigos`; its first position (0 for none).
template <class T>
std::uint32_t AnexaUsuarios(IQDArqBind& bind, const std::vector<std::uint16_t>& codigos) {
    std::vector<T> registros(codigos.size(), T{});
    for (std::size_t i = 0; i < codigos.size(); ++i) registros[i].iUsuario = codigos[i];
    CQDArqT<T> arquivo(bind);
    EXPECT_EQ(arquivo.Open('G', true, true), 0);
    std::int32_t primeiro = 0;
    EXPECT_EQ(ZTGravaSequencia(arquivo, registros.data(), static_cast<std::int32_t>(registros.size()), 0, primeiro), 0);
    return static_cast<std::uint32_t>(primeiro);
}

// What a test puts in a document.
struct DadosDoc {
    std::uint32_t dwFlags = 0;
    std::uint32_t lTipDoc = 0;
    std::uint32_t lLocArq = 0;
    std::uint32_t lPrevDoc = 0;
    std::uint32_t lNextDoc = 0;
    std::uint32_t iNrLocalizacao = 0;
    std::uint32_t iVersao = 0;
    std::uint16_t iDataEmissao = 0;
    std::uint16_t iDataValidade = 0;
    std::uint16_t iFilial = 0;
    std::vector<std::uint16_t> usuarios;
    std::vector<std::pair<QD_E_CAMPO_DOC, std::string>> campos;  // value bytes, at most 60
    std::string descricao;                                       // ANSI
    std::string conteudo;
    std::string nome = "nota.pdf";
};

// A task-allocator copy of `bytes` (null when empty), as a client hands arrays to the library.
inline void* Aloca(const void* bytes, std::size_t tamanho) {
    if (tamanho == 0) return nullptr;
    void* bloco = platform::CoTaskMemAlloc(tamanho);
    std::memcpy(bloco, bytes, tamanho);
    return bloco;
}

// The document as the client library's data class, owning its arrays and texts.
inline CQDDoc Documento(const DadosDoc& dados) {
    CQDDoc doc;
    QD_DOC_PS& ps = doc.GetPS();
    ps.dwFlags = dados.dwFlags;
    ps.lTipDoc = dados.lTipDoc;
    ps.lLocArq = dados.lLocArq;
    ps.lPrevDoc = dados.lPrevDoc;
    ps.lNextDoc = dados.lNextDoc;
    ps.iNrLocalizacao = dados.iNrLocalizacao;
    ps.iVersao = dados.iVersao;
    ps.iDataEmissao = dados.iDataEmissao;
    ps.iDataValidade = dados.iDataValidade;
    ps.iFilial = dados.iFilial;
    std::strncpy(ps.szOriginalFileName, dados.nome.c_str(), sizeof ps.szOriginalFileName - 1);
    ps.nQtdUsuarios = static_cast<std::uint32_t>(dados.usuarios.size());
    ps.pUsuarios = static_cast<std::uint16_t*>(Aloca(dados.usuarios.data(), dados.usuarios.size() * 2));
    std::vector<QD_DOC_CAMPO_PS> campos(dados.campos.size(), QD_DOC_CAMPO_PS{});
    for (std::size_t i = 0; i < campos.size(); ++i) {
        campos[i].id = dados.campos[i].first;
        std::memcpy(campos[i].BinaryData, dados.campos[i].second.data(), std::min<std::size_t>(dados.campos[i].second.size(), 60));
    }
    ps.nQtdCampos = static_cast<std::uint32_t>(campos.size());
    ps.pCampos = static_cast<QD_DOC_CAMPO_PS*>(Aloca(campos.data(), campos.size() * sizeof(QD_DOC_CAMPO_PS)));
    ps.cbArquivo = static_cast<std::uint32_t>(dados.conteudo.size());
    ps.pArquivo = static_cast<std::uint8_t*>(Aloca(dados.conteudo.data(), dados.conteudo.size()));
    ps.bsDescricao = dados.descricao.empty() ? nullptr : platform::SysAllocStringFromAnsi(dados.descricao);
    return doc;
}

// The parts of a document as read back.
inline std::vector<std::uint16_t> Usuarios(const CQDDoc& doc) {
    return {doc->pUsuarios, doc->pUsuarios + doc->nQtdUsuarios};
}
inline std::string Conteudo(const CQDDoc& doc) {
    return {reinterpret_cast<const char*>(doc->pArquivo), doc->cbArquivo};
}
inline std::string Descricao(const CQDDoc& doc) { return platform::AnsiFromBstr(doc->bsDescricao).str(); }
inline std::vector<std::pair<std::uint32_t, std::uint32_t>> Origens(const CQDDoc& doc) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> origens;
    for (std::uint32_t i = 0; i < doc->nQtdVinculos; ++i) {
        origens.emplace_back(static_cast<std::uint32_t>(doc->pVinculos[i].eProc), doc->pVinculos[i].lChave);
    }
    return origens;
}

// Switches the contents of the connection's company to encrypted through the properties.
inline void LigaEncriptacao(CSilentConexaoGedSrv& conexao) {
    CQDPropriedades propriedades;
    ASSERT_EQ(conexao.LePropriedades(propriedades), platform::S_OK);
    propriedades->bUsaEncriptacao = 1;
    ASSERT_EQ(conexao.GravaPropriedades(propriedades), platform::S_OK);
}

// A company whose session of `usuario` is open, with a client-library connection to its object.
class EmpresaDocs {
public:
    explicit EmpresaDocs(std::uint16_t usuario = 1) {
        EXPECT_EQ(srv_->Inicializa(Sessao(kEmpresaTeste, usuario)), platform::S_OK);
        conexao_.SetInterface(&*srv_);
    }

    [[nodiscard]] CSilentConexaoGedSrv& Conexao() { return conexao_; }
    [[nodiscard]] CZTQD_Srv& Srv() { return *srv_; }
    [[nodiscard]] IQDArqBind& Bind() { return *srv_; }
    [[nodiscard]] const EmpresaTeste& Empresa() const { return empresa_; }
    [[nodiscard]] std::string Arquivo(const char* nome) const { return empresa_.Arquivo(nome); }
    [[nodiscard]] std::string Docs(const std::string& nome) const { return empresa_.Pasta() + "/Docs/" + nome; }

    // Inserts `dados` with every part; its position (0 on failure, which the test sees).
    std::uint32_t Insere(const DadosDoc& dados, std::uint32_t dwFlags = 0xF) {
        std::uint32_t posicao = 0;
        EXPECT_EQ(conexao_.GravaDoc(&posicao, Documento(dados), dwFlags), platform::S_OK);
        return posicao;
    }

    // The stored record at `posicao`.
    [[nodiscard]] QD_DOC_ARQ Doc(std::uint32_t posicao) { return LeRegistro<QD_DOC_ARQ>(*srv_, posicao); }

    // One document read through the client library with `dwFlags`; S_OK expected.
    [[nodiscard]] CQDDoc Le(std::uint32_t posicao, std::uint32_t dwFlags = 0) {
        CQDDoc doc;
        EXPECT_EQ(conexao_.LeDoc(1, &posicao, &doc, dwFlags), platform::S_OK) << posicao;
        return doc;
    }

    // A type whose user list is `usuarios`; its position.
    std::uint32_t NovoTipo(const std::vector<std::uint16_t>& usuarios = {}) {
        QD_TIPDOC_ARQ tipo{};
        std::strcpy(tipo.szCodigo, "01");
        std::strcpy(tipo.szNome, "Notas");
        tipo.nQtdUsuarios = static_cast<std::uint32_t>(usuarios.size());
        tipo.lPrimeiroUsuario = AnexaUsuarios<QD_TIPDOC_USUARIO_ARQ>(*srv_, usuarios);
        return GravaRegistro(*srv_, tipo);
    }

    // A location with `maximo` places of which `disponivel` are free; its position.
    std::uint32_t NovoLocal(std::int32_t maximo, std::int32_t disponivel) {
        QD_LOCARQ_ARQ local{};
        std::strcpy(local.szCodigo, "1.001");
        local.nQtdMaximaDocs = maximo;
        local.nQtdDisponivel = disponivel;
        return GravaRegistro(*srv_, local);
    }
    [[nodiscard]] std::int32_t Disponivel(std::uint32_t local) {
        return LeRegistro<QD_LOCARQ_ARQ>(*srv_, local).nQtdDisponivel;
    }

    // A live link of document `doc` to the origin (eProc, lChave); its position.
    std::uint32_t NovoVinculo(std::uint32_t doc, std::uint32_t eProc, std::uint32_t lChave) {
        return GravaRegistro(*srv_, QD_VINCULO_DOC_ARQ{doc, eProc, lChave, QD_VINCULO_VIVO});
    }
    // The removed marks of every link record, in file order.
    [[nodiscard]] std::vector<std::uint32_t> MarcasVinculos() const {
        const std::string bytes = Bytes(Arquivo("QDVINDOC.DAT"));
        std::vector<std::uint32_t> marcas;
        for (std::size_t offset = 16; offset + 16 <= bytes.size(); offset += 16) marcas.push_back(U32At(bytes, offset + 12));
        return marcas;
    }

    // The log's entries after the company's opening, as read back.
    [[nodiscard]] std::vector<LogEntry> Log() const {
        const std::vector<CQDLogEntrada> entradas = LogAposAbertura(empresa_.Pasta());
        std::vector<LogEntry> descritas;
        for (const CQDLogEntrada& entrada : entradas) descritas.push_back(Describe(entrada));
        return descritas;
    }

private:
    EmpresaTeste empresa_;
    Servidor srv_;
    CSilentConexaoGedSrv conexao_;
};

// The bytes of a record, as the log holds it.
inline std::string BytesDe(const QD_DOC_ARQ& arq) { return {reinterpret_cast<const char*>(&arq), sizeof arq}; }

// User codes as the log's item holds them.
inline std::string BytesUsuarios(const std::vector<std::uint16_t>& codigos) {
    return {reinterpret_cast<const char*>(codigos.data()), codigos.size() * 2};
}

}  // namespace kelvo::testing
