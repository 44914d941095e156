// Shared helpers of the session tests: a company with its data folder, users and branch 1 in a
// private registry, a server object, and raw access to the records behind the server's back.
#pragma once

#include "outside/conexo/conexo_dados.h"
#include "platform/com/bstr.h"
#include "platform/tests/support/test_environment.h"
#include "server/log/qd_le_log.h"
#include "server/object/zt_qd_srv.h"
#include "server/session/qd_propriedades_arq.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <string>
#include <vector>

namespace kelvo::testing {

inline constexpr char kEmpresaTeste[] = "EMPTESTE";

// A user record for the suite's user data.
inline REGUSU_PS UsuarioTeste(std::uint16_t codigo, std::uint8_t supervisor, std::uint16_t pai = 0) {
    REGUSU_PS reg;
    reg.iCodigo = codigo;
    reg.bSupervisor = supervisor;
    reg.iCodigoPai = pai;
    std::strcpy(reg.szNome, "Usuario");
    return reg;
}

// The session record of `empresa` for `usuario`.
inline QD_INICIALIZA_PS Sessao(const char* empresa, std::uint16_t usuario, std::int32_t numero = 1) {
    QD_INICIALIZA_PS ini{};
    std::strncpy(ini.szEmpresa, empresa, sizeof ini.szEmpresa - 1);
    ini.iUsuario = usuario;
    ini.lNumeroSessao = numero;
    return ini;
}

// A company whose module folder is "<scratch>/dados/QD/" with a supervisor (user 1) and branch 1.
class EmpresaTeste {
public:
    EmpresaTeste() {
        std::filesystem::create_directories(Pasta());
        EXPECT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE,
                                        (CZTString(ZT_CHAVE_EMPRESAS) + kEmpresaTeste).GetString(),
                                        ZTGetPrefixoModulo(ZT_MODULO_GED), (Pasta() + "/").c_str()),
                  0u);
        EXPECT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(1, 1), {1}), platform::S_OK);
        EXPECT_EQ(ConexoGravaFilial(kEmpresaTeste, 1, "Matriz"), platform::S_OK);
    }

    [[nodiscard]] std::string Pasta() const { return ambiente_.Path("dados/QD"); }
    [[nodiscard]] std::string Arquivo(const char* nome) const { return Pasta() + "/" + nome; }
    [[nodiscard]] const TestEnvironment& Ambiente() const { return ambiente_; }

private:
    TestEnvironment ambiente_;
};

// A server object, released with the holder.
class Servidor {
public:
    Servidor() : srv_(new CZTQD_Srv) {}
    ~Servidor() { srv_->Release(); }
    Servidor(const Servidor&) = delete;
    Servidor& operator=(const Servidor&) = delete;
    CZTQD_Srv* operator->() const { return srv_; }
    CZTQD_Srv& operator*() const { return *srv_; }

private:
    CZTQD_Srv* srv_;
};

// The bytes of a file (empty when missing).
inline std::string Bytes(const std::string& caminho) { return ReadFile(caminho); }

// Record 0 of QDMESTRE.DAT as stored.
inline QD_PROPRIEDADES_ARQ MestreGravado(const std::string& caminho) {
    QD_PROPRIEDADES_ARQ arq{};
    const std::string bytes = Bytes(caminho);
    EXPECT_GE(bytes.size(), sizeof arq);
    std::memcpy(&arq, bytes.data(), std::min(bytes.size(), sizeof arq));
    return arq;
}

// Whether `entrada` is the half `operacao` of the change that set the legacy import's mark: the
// record before it without the mark, the record after it with it.
inline bool MarcaImportacaoNoLog(const CQDLogEntrada& entrada, QD_E_OPERACAO_LOG operacao) {
    const QD_LOG_PS& log = entrada.GetLog();
    if (log.eOperacao != operacao || log.lPosicao != 0 || log.cbLogData != sizeof(QD_PROPRIEDADES_ARQ)) return false;
    QD_PROPRIEDADES_ARQ arq{};
    std::memcpy(&arq, log.pLogData, sizeof arq);
    const bool bMarcado = (arq.bFlags & QD_MIGRACAO_LOCAIS_ANTIGOS) != 0;
    return bMarcado == (operacao == QD_OP_LOG_PROP_ALTERACAO_PARA);
}

// The log of the data folder `pasta` after the company's opening. The first session of a company
// created here sets the legacy import's mark through GravaPropriedades, which logs it as a change
// of the properties (two entries at position 0); what a test does follows them.
inline std::vector<CQDLogEntrada> LogAposAbertura(const std::string& pasta) {
    std::vector<CQDLogEntrada> entradas;
    EXPECT_EQ(QDLeLog(pasta.c_str(), entradas), platform::S_OK);
    if (entradas.size() >= 2 && MarcaImportacaoNoLog(entradas[0], QD_OP_LOG_PROP_ALTERACAO_DE) &&
        MarcaImportacaoNoLog(entradas[1], QD_OP_LOG_PROP_ALTERACAO_PARA)) {
        entradas.erase(entradas.begin(), entradas.begin() + 2);
    }
    return entradas;
}

// A little-endian number of `largura` bytes at `offset` of `bytes`.
inline std::uint32_t NumeroEm(const std::string& bytes, std::size_t offset, std::size_t largura) {
    std::uint32_t valor = 0;
    for (std::size_t i = 0; i < largura; ++i) {
        valor |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(offset + i))) << (8 * i);
    }
    return valor;
}

// The four texts of a properties record as BSTRs, freed with the holder.
struct TextosPS {
    explicit TextosPS(QD_PROPRIEDADES_PS& ps) : ps_(ps) {}
    ~TextosPS() { Libera(); }
    TextosPS(const TextosPS&) = delete;
    TextosPS& operator=(const TextosPS&) = delete;
    void Libera() {
        for (platform::BSTR* bs : {&ps_.bsDominio, &ps_.bsModeloEmail, &ps_.bsEmailPara, &ps_.bsEmailCC}) {
            platform::SysFreeString(*bs);
            *bs = nullptr;
        }
    }
    void Define(const char* dominio, const char* modelo, const char* para, const char* cc) {
        Libera();
        ps_.bsDominio = platform::SysAllocStringFromAnsi(dominio);
        ps_.bsModeloEmail = platform::SysAllocStringFromAnsi(modelo);
        ps_.bsEmailPara = platform::SysAllocStringFromAnsi(para);
        ps_.bsEmailCC = platform::SysAllocStringFromAnsi(cc);
    }
    QD_PROPRIEDADES_PS& ps_;
};

}  // namespace kelvo::testing
