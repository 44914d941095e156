// Shared helpers of the document-type tests: types built as a client builds them, a server object
// with an open session reached through the client library, and the stored records read raw from
// the company's files behind the server's back.
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_array_ponteiros.h"
#include "outside/pendora/qd_tip_doc.h"
#include "platform/com/task_allocator.h"
#include "server/log/qd_le_log.h"
#include "server/tests/log_test_support.h"
#include "server/tests/session_test_support.h"
#include "server/types/qd_tipdoc_arq.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kelvo::testing {

// One search field as a test describes it.
struct CampoTeste {
    std::uint32_t dwFlags;
    QD_E_CAMPO_DOC id;
    std::string nome;
};

// A type as a test describes it.
struct TipoTeste {
    std::string codigo;
    std::string nome;
    std::uint32_t dwFlags = 0;
    std::vector<std::uint16_t> usuarios;
    std::vector<QD_E_PROCESSO> processos;
    std::vector<CampoTeste> campos;
};

// A copy of `elementos` in the task allocator, as a client hands arrays to a data class; null
// for none.
template <class T>
T* ArrayTarefa(const std::vector<T>& elementos) {
    if (elementos.empty()) return nullptr;
    auto* array = static_cast<T*>(platform::CoTaskMemAlloc(elementos.size() * sizeof(T)));
    std::memcpy(static_cast<void*>(array), elementos.data(), elementos.size() * sizeof(T));
    return array;
}

// The data class of `tipo`, its arrays owned by the object.
inline CQDTipDoc Monta(const TipoTeste& tipo) {
    CQDTipDoc objeto;
    QD_TIPDOC_PS& ps = objeto.GetPS();
    ps.dwFlags = tipo.dwFlags;
    std::strncpy(ps.szCodigo, tipo.codigo.c_str(), sizeof ps.szCodigo - 1);
    std::strncpy(ps.szNome, tipo.nome.c_str(), sizeof ps.szNome - 1);
    ps.eValidade = QD_TIPDOC_VALIDADE_MES;
    ps.iValorValidade = 6;
    ps.iDiasEnviarEmail = 10;
    ps.nQtdUsuarios = static_cast<std::uint32_t>(tipo.usuarios.size());
    ps.pUsuarios = ArrayTarefa(tipo.usuarios);
    ps.nQtdProcessos = static_cast<std::uint32_t>(tipo.processos.size());
    ps.pProcessos = ArrayTarefa(tipo.processos);
    std::vector<QD_TIPDOC_CAMPO_PS> campos;
    for (const CampoTeste& campo : tipo.campos) {
        QD_TIPDOC_CAMPO_PS c;
        std::memset(&c, 0, sizeof c);
        c.dwFlags = campo.dwFlags;
        c.id = campo.id;
        std::strncpy(c.szNome, campo.nome.c_str(), sizeof c.szNome - 1);
        campos.push_back(c);
    }
    ps.nQtdCampos = static_cast<std::uint32_t>(campos.size());
    ps.pCampos = ArrayTarefa(campos);
    return objeto;
}

// The lists of a type the server handed out, as plain vectors.
inline std::vector<std::uint16_t> Usuarios(const QD_TIPDOC_PS& ps) {
    return ps.pUsuarios ? std::vector<std::uint16_t>(ps.pUsuarios, ps.pUsuarios + ps.nQtdUsuarios)
                        : std::vector<std::uint16_t>{};
}
inline std::vector<QD_E_PROCESSO> Processos(const QD_TIPDOC_PS& ps) {
    return ps.pProcessos ? std::vector<QD_E_PROCESSO>(ps.pProcessos, ps.pProcessos + ps.nQtdProcessos)
                         : std::vector<QD_E_PROCESSO>{};
}
inline std::vector<std::string> NomesCampos(const QD_TIPDOC_PS& ps) {
    std::vector<std::string> nomes;
    for (std::uint32_t i = 0; ps.pCampos && i < ps.nQtdCampos; ++i) nomes.emplace_back(ps.pCampos[i].szNome);
    return nomes;
}

// The positions of a search result.
inline std::vector<std::uint32_t> Posicoes(const CQDArrayPonteiros& ponteiros) {
    const QD_ARRAY_PONTEIROS_PS& ps = ponteiros.GetPS();
    return ps.pPtrs ? std::vector<std::uint32_t>(ps.pPtrs, ps.pPtrs + ps.qtd) : std::vector<std::uint32_t>{};
}

// A filter of document types.
inline QD_TIPDOC_FILTRO_PS Filtro(std::uint32_t dwFlags, const char* codigo = "",
                                  QD_E_PROCESSO eProc = QD_PROCESSO_CN_LAN) {
    QD_TIPDOC_FILTRO_PS filtro{};
    filtro.dwFlags = dwFlags;
    filtro.eProc = eProc;
    std::strncpy(filtro.szCodigo, codigo, sizeof filtro.szCodigo - 1);
    return filtro;
}

// Record `posicao` of a record file of R bytes, read raw (empty when the file is shorter).
inline std::string RegistroBruto(const std::string& caminho, std::uint32_t posicao, std::size_t tamanho) {
    const std::string bytes = ReadFile(caminho);
    if (bytes.size() < (posicao + 1) * tamanho) return {};
    return bytes.substr(posicao * tamanho, tamanho);
}

// The number of data records of a record file of R bytes (the header not counted).
inline std::size_t QtdRegistros(const std::string& caminho, std::size_t tamanho) {
    const std::size_t bytes = ReadFile(caminho).size();
    return bytes < tamanho ? 0 : bytes / tamanho - 1;
}

// The stored type at `posicao`, read raw.
inline QD_TIPDOC_ARQ TipoGravado(const std::string& pasta, std::uint32_t posicao) {
    QD_TIPDOC_ARQ arq{};
    const std::string bytes = RegistroBruto(pasta + "/QDTPD.DAT", posicao, sizeof arq);
    EXPECT_EQ(bytes.size(), sizeof arq) << posicao;
    if (bytes.size() == sizeof arq) std::memcpy(&arq, bytes.data(), sizeof arq);
    return arq;
}

// The user codes of the stored run `primeiro`..`primeiro + qtd - 1` of QDTPDUSU.DAT, read raw.
inline std::vector<std::uint16_t> UsuariosGravados(const std::string& pasta, std::uint32_t primeiro, std::uint32_t qtd) {
    std::vector<std::uint16_t> usuarios;
    for (std::uint32_t i = 0; i < qtd; ++i) {
        const std::string bytes = RegistroBruto(pasta + "/QDTPDUSU.DAT", primeiro + i, 8);
        if (bytes.size() != 8) return usuarios;
        usuarios.push_back(U16At(bytes, 0));
        EXPECT_EQ(bytes.substr(2), std::string(6, '\0'));
    }
    return usuarios;
}

// Every entry of the company's log after its opening, described.
inline std::vector<LogEntry> Log(const std::string& pasta) {
    const std::vector<CQDLogEntrada> entradas = LogAposAbertura(pasta);
    std::vector<LogEntry> descritas;
    for (const CQDLogEntrada& entrada : entradas) descritas.push_back(Describe(entrada));
    return descritas;
}

// The bytes of a stored type, as the log carries them.
inline std::string BytesDe(const QD_TIPDOC_ARQ& arq) { return std::string(reinterpret_cast<const char*>(&arq), sizeof arq); }

// A company with an open session of its supervisor (user 1), reached through the client library
// bound to the object in this process.
class TiposTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(srv_->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        conexao_.SetInterface(&*srv_);
    }

    // Stores `tipo` as a new type; its position (0 on failure, which the test reports).
    std::uint32_t Insere(const TipoTeste& tipo) {
        std::uint32_t posicao = 0;
        EXPECT_EQ(conexao_.GravaTipDoc(&posicao, Monta(tipo)), platform::S_OK) << tipo.codigo;
        return posicao;
    }
    // Reads the type at `posicao` with `dwFlags`.
    CQDTipDoc Le(std::uint32_t posicao, std::uint32_t dwFlags = 0) {
        CQDTipDoc tipo;
        EXPECT_EQ(conexao_.LeTipDoc(1, &posicao, &tipo, dwFlags), platform::S_OK) << posicao;
        return tipo;
    }
    // The positions that `filtro` finds for the session.
    std::vector<std::uint32_t> Busca(const QD_TIPDOC_FILTRO_PS& filtro) {
        CQDArrayPonteiros ponteiros;
        EXPECT_EQ(conexao_.BuscaPtrsTipDoc(filtro, ponteiros), platform::S_OK);
        return Posicoes(ponteiros);
    }
    [[nodiscard]] std::string Pasta() const { return empresa_.Pasta(); }
    [[nodiscard]] std::string Arquivo(const char* nome) const { return empresa_.Arquivo(nome); }

    EmpresaTeste empresa_;
    Servidor srv_;
    CSilentConexaoGedSrv conexao_;
};

}  // namespace kelvo::testing
