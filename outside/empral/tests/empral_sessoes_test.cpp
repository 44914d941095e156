// Sessions: which one a start-up data search uses, which ones it refuses, and numbers that two
// processes opening sessions at once never share.
#include "outside/empral/tests/empral_test_support.h"
#include "outside/empral/zt_sessoes.h"

#include "platform/registry/registry.h"
#include "platform/tests/support/child_processes.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

using namespace empral_testing;

class Sessoes : public EmpralTest {
protected:
    // A whole session record written behind the library's back.
    static void GravaSessao(std::int32_t numero, std::uint16_t usuario, const char* empresa, const char* conta) {
        platform::HKEY chave = nullptr;
        ASSERT_EQ(platform::Registry::CreateKey(platform::HKEY_LOCAL_MACHINE, ZTChaveSessao(numero), &chave), 0u);
        const platform::DWORD codigo = usuario;
        ASSERT_EQ(platform::Registry::SetValue(chave, "Usuario", platform::REG_DWORD, &codigo, sizeof codigo), 0u);
        for (const auto& [valor, texto] : {std::pair{"Empresa", empresa}, std::pair{"Conta", conta}}) {
            ASSERT_EQ(platform::Registry::SetValue(chave, valor, platform::REG_SZ, texto,
                                                   static_cast<platform::DWORD>(std::strlen(texto) + 1)),
                      0u);
        }
        (void)platform::Registry::CloseKey(chave);
    }

    static bool Vazio(const CZTDadosInicializacao& dados) {
        return dados.GetNumeroSecao() == 0 && !dados.GetSupervisor() && dados.GetNomeUsuario().IsEmpty() &&
               !dados.GetTemAcesso();
    }
};

// A given session is read back with its own user, whoever the last choice was.
TEST_F(Sessoes, GivenSessionIsReadBack) {
    std::int32_t numero = 0;
    ASSERT_EQ(ZTAbreSessao(kEmpresa, kUsuario, numero), platform::S_OK);
    EXPECT_GT(numero, 0);
    const CZTDadosInicializacao dados = Busca(numero);
    EXPECT_EQ(dados.GetNumeroSecao(), numero);
    EXPECT_EQ(dados.GetNomeUsuario(), "Maria");
}

// The /L of a session this account did not open, of another company, or that does not exist
// opens nothing: the data is empty, so the access test refuses. Another account's session is a
// record whose system account differs from the process's.
TEST_F(Sessoes, ForeignOrMissingSessionGivesEmptyData) {
    ASSERT_EQ(ConexoGravaDireitos(kEmpresa, kSupervisor, {{21, 1}}), platform::S_OK);
    std::int32_t propria = 0;
    ASSERT_EQ(ZTAbreSessao(kEmpresa, kSupervisor, propria), platform::S_OK);
    ZT_SESSAO sessao;
    ASSERT_EQ(ZTLeSessao(propria, sessao), platform::S_OK);
    ASSERT_FALSE(Vazio(Busca(propria))) << "the account's own session is the control case";

    GravaSessao(propria + 1, kSupervisor, kEmpresa, (sessao.strConta + "-outra").GetString());
    GravaSessao(propria + 2, kSupervisor, "OUTRA", sessao.strConta.GetString());
    struct Caso {
        const char* caso;
        std::int32_t numero;
    };
    const Caso casos[] = {
        {"another account's session", propria + 1},
        {"another company's session", propria + 2},
        {"a session never opened", propria + 3},
        {"a negative number", -propria},
        {"session 0 without a choice", 0},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.caso);
        CZTParametroInicializacao parametros(kEmpresa, caso.numero, 1, 0, 0);
        CZTDadosInicializacao dados;
        EXPECT_FALSE(dados.BuscaDados(parametros, 0, 1, 1));
        EXPECT_TRUE(Vazio(dados));
    }
}

// Session 0 with a choice, and a choice made after the given session opened, each open a new
// session for the chosen user; the old number is never given again.
TEST_F(Sessoes, ChoiceOpensANewSessionForTheChosenUser) {
    escolha_.resposta = ZT_ESCOLHA_EMPRESA{kEmpresa, kSupervisor, 1};
    char codigo[ZT_TAM_CODIGO_EMPRESA] = {};
    std::uint16_t filial = 0;
    REGUSU_PS reg;
    ASSERT_TRUE(CZTEmp::GetEmpresaEx("DF", false, codigo, filial, reg, false));
    const CZTDadosInicializacao primeira = Busca(0);
    ASSERT_GT(primeira.GetNumeroSecao(), 0);
    EXPECT_TRUE(primeira.GetSupervisor());

    escolha_.resposta = ZT_ESCOLHA_EMPRESA{kEmpresa, kUsuario, 2};
    ASSERT_TRUE(CZTEmp::GetEmpresaEx("DF", false, codigo, filial, reg, false));
    const CZTDadosInicializacao segunda = Busca(primeira.GetNumeroSecao());
    EXPECT_GT(segunda.GetNumeroSecao(), primeira.GetNumeroSecao());
    EXPECT_EQ(segunda.GetNomeUsuario(), "Maria");
    EXPECT_FALSE(segunda.GetSupervisor());

    // The choice is used once: the next search reads the session given.
    const CZTDadosInicializacao terceira = Busca(primeira.GetNumeroSecao());
    EXPECT_EQ(terceira.GetNumeroSecao(), primeira.GetNumeroSecao());
    EXPECT_TRUE(terceira.GetSupervisor());
}

// Two processes opening sessions at once never get the same number.
TEST_F(Sessoes, ProcessesOpeningAtOnceGetDifferentNumbers) {
    constexpr int kProcessos = 3;
    constexpr int kSessoes = 8;
    bool todos = false;
    const std::vector<std::uint32_t> numeros = kelvo::testing::CollectNumbersAtOnce(
        kProcessos,
        [](const kelvo::testing::NumberSink& entrega) {
            for (int i = 0; i < kSessoes; ++i) {
                std::int32_t numero = 0;
                if (platform::FAILED(ZTAbreSessao(kEmpresa, kUsuario, numero))) return false;
                if (!entrega(static_cast<std::uint32_t>(numero))) return false;
            }
            return true;
        },
        todos);
    EXPECT_TRUE(todos);
    EXPECT_EQ(numeros.size(), static_cast<std::size_t>(kProcessos * kSessoes));
    EXPECT_EQ(std::set<std::uint32_t>(numeros.begin(), numeros.end()).size(), numeros.size());
    for (const std::uint32_t numero : numeros) {
        ZT_SESSAO sessao;
        EXPECT_EQ(ZTLeSessao(static_cast<std::int32_t>(numero), sessao), platform::S_OK) << numero;
    }
}

}  // namespace
