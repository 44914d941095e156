// The company's name and systems block and the users' rights and Enter option: the defaults a
// missing value reads as, what is written reads back, and stored values that fail their check.
#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/conexo_direitos.h"
#include "outside/conexo/conexo_empresa.h"
#include "outside/conexo/qd_acesso_total.h"

#include "platform/registry/registry.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kEmpresa[] = "EMP1";
constexpr std::uint16_t kUsuario = 5;

void GravaUsuario(std::uint16_t codigo, std::uint16_t pai = 0, std::uint8_t supervisor = 0) {
    REGUSU_PS reg;
    reg.iCodigo = codigo;
    reg.iCodigoPai = pai;
    reg.bSupervisor = supervisor;
    ASSERT_EQ(ConexoGravaUsuario(kEmpresa, reg, {1}), platform::S_OK);
}

// Stores a raw value under `chave`, behind the library's back.
void GravaBruto(const CZTString& caminho, const char* valor, platform::DWORD tipo, const void* dados,
                platform::DWORD tamanho) {
    platform::HKEY chave = nullptr;
    ASSERT_EQ(platform::Registry::CreateKey(platform::HKEY_LOCAL_MACHINE, caminho, &chave), 0u);
    ASSERT_EQ(platform::Registry::SetValue(chave, valor, tipo, dados, tamanho), 0u);
    (void)platform::Registry::CloseKey(chave);
}

void GravaTextoBruto(const CZTString& caminho, const char* valor, const std::string& texto) {
    GravaBruto(caminho, valor, platform::REG_SZ, texto.c_str(), static_cast<platform::DWORD>(texto.size() + 1));
}

CZTString ChaveEmpresa() { return CZTString(ZT_CHAVE_EMPRESAS) + kEmpresa; }

}  // namespace

// What a company or user that never had these values reads as: an empty name, a zero block, no
// right and Enter as Tab; a missing company reads the same, a missing user is refused.
TEST(ConexoEmpresaDireitos, MissingValuesReadAsTheirDefaults) {
    kelvo::testing::TestEnvironment ambiente;
    CZTString nome = "antigo";
    CONEXO_TIPOS_SISTEMAS tipos;
    tipos.fill(0xAA);
    EXPECT_EQ(ConexoLeNomeEmpresa(kEmpresa, nome), platform::S_OK);
    EXPECT_TRUE(nome.IsEmpty());
    EXPECT_EQ(ConexoLeTiposSistemas(kEmpresa, tipos), platform::S_OK);
    EXPECT_EQ(tipos, CONEXO_TIPOS_SISTEMAS{});

    std::vector<CONEXO_DIREITO> direitos{{1, 1}};
    bool gravados = true;
    bool testarEnter = false;
    EXPECT_EQ(ConexoLeDireitos(kEmpresa, kUsuario, direitos), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(ConexoLeTestarEnter(kEmpresa, kUsuario, testarEnter), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(ConexoGravaDireitos(kEmpresa, kUsuario, {}), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(ConexoLeUsuario(kEmpresa, kUsuario, nullptr, nullptr), CONEXO_E_USUARIO_INEXISTENTE)
        << "a refused write must not create the user";

    GravaUsuario(kUsuario);
    ASSERT_EQ(ConexoLeDireitos(kEmpresa, kUsuario, direitos, &gravados), platform::S_OK);
    EXPECT_TRUE(direitos.empty());
    EXPECT_FALSE(gravados);
    ASSERT_EQ(ConexoLeTestarEnter(kEmpresa, kUsuario, testarEnter), platform::S_OK);
    EXPECT_TRUE(testarEnter);

    for (const char* vazia : {"", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(ConexoLeNomeEmpresa(vazia, nome), platform::E_INVALIDARG);
        EXPECT_EQ(ConexoLeTiposSistemas(vazia, tipos), platform::E_INVALIDARG);
        EXPECT_EQ(ConexoLeDireitos(vazia, kUsuario, direitos), platform::E_INVALIDARG);
    }
}

// Written values read back byte for byte, in the stored order; the companies are listed.
TEST(ConexoEmpresaDireitos, WrittenValuesReadBack) {
    kelvo::testing::TestEnvironment ambiente;
    CONEXO_TIPOS_SISTEMAS tipos{};
    for (std::size_t i = 0; i < tipos.size(); ++i) tipos[i] = static_cast<std::uint8_t>(i * 3 + 1);
    ASSERT_EQ(ConexoGravaNomeEmpresa(kEmpresa, "Empresa Um"), platform::S_OK);
    ASSERT_EQ(ConexoGravaTiposSistemas(kEmpresa, tipos), platform::S_OK);
    ASSERT_EQ(ConexoGravaNomeEmpresa("DEMO", "Demo"), platform::S_OK);
    GravaUsuario(kUsuario);
    GravaUsuario(12);
    const std::vector<CONEXO_DIREITO> gravados = {{21, 16}, {1, 42}, {65535, 0}, {21, 1}};
    ASSERT_EQ(ConexoGravaDireitos(kEmpresa, kUsuario, gravados), platform::S_OK);
    ASSERT_EQ(ConexoGravaTestarEnter(kEmpresa, kUsuario, false), platform::S_OK);

    CZTString nome;
    CONEXO_TIPOS_SISTEMAS lidos{};
    std::vector<CONEXO_DIREITO> direitos;
    bool existe = false;
    bool testarEnter = true;
    ASSERT_EQ(ConexoLeNomeEmpresa(kEmpresa, nome), platform::S_OK);
    EXPECT_EQ(nome, "Empresa Um");
    ASSERT_EQ(ConexoLeTiposSistemas(kEmpresa, lidos), platform::S_OK);
    EXPECT_EQ(lidos, tipos);
    ASSERT_EQ(ConexoLeDireitos(kEmpresa, kUsuario, direitos, &existe), platform::S_OK);
    EXPECT_EQ(direitos, gravados);
    EXPECT_TRUE(existe);
    EXPECT_TRUE(ConexoTemDireito(direitos, 1, 42));
    EXPECT_FALSE(ConexoTemDireito(direitos, 42, 1)) << "module and right must not be swapped";
    ASSERT_EQ(ConexoLeTestarEnter(kEmpresa, kUsuario, testarEnter), platform::S_OK);
    EXPECT_FALSE(testarEnter);

    std::vector<CZTString> empresas;
    ASSERT_EQ(ConexoListaEmpresas(empresas), platform::S_OK);
    EXPECT_EQ(empresas, (std::vector<CZTString>{"DEMO", "EMP1"}));
    std::vector<std::uint16_t> usuarios;
    ASSERT_EQ(ConexoListaUsuarios(kEmpresa, usuarios), platform::S_OK);
    EXPECT_EQ(usuarios, (std::vector<std::uint16_t>{kUsuario, 12}));
}

// A stored value that fails its check is refused, never used, and the output stays as it was.
TEST(ConexoEmpresaDireitos, DamagedValuesAreRefused) {
    kelvo::testing::TestEnvironment ambiente;
    GravaUsuario(kUsuario);
    const CZTString usuario = ConexoChaveUsuario(kEmpresa, kUsuario);
    const std::string textos[] = {"21", "21:", ":3", "21:3,", ",21:3", "21:3;1:2", "21:65536", "2x:1", "021:1"};
    for (const std::string& texto : textos) {
        SCOPED_TRACE(texto);
        GravaTextoBruto(usuario, "Direitos", texto);
        std::vector<CONEXO_DIREITO> direitos{{9, 9}};
        EXPECT_EQ(ConexoLeDireitos(kEmpresa, kUsuario, direitos), CONEXO_E_DADOS_INVALIDOS);
        EXPECT_EQ(direitos, (std::vector<CONEXO_DIREITO>{{9, 9}}));
    }
    const platform::DWORD dois = 2;
    GravaBruto(usuario, "TestarEnter", platform::REG_DWORD, &dois, sizeof dois);
    bool testarEnter = false;
    EXPECT_EQ(ConexoLeTestarEnter(kEmpresa, kUsuario, testarEnter), CONEXO_E_DADOS_INVALIDOS);

    const std::uint8_t curto[63] = {};
    GravaBruto(ChaveEmpresa(), "TiposSistemas", platform::REG_BINARY, curto, sizeof curto);
    CONEXO_TIPOS_SISTEMAS tipos;
    tipos.fill(7);
    EXPECT_EQ(ConexoLeTiposSistemas(kEmpresa, tipos), CONEXO_E_DADOS_INVALIDOS);
    EXPECT_EQ(tipos[0], 7);
    GravaTextoBruto(ChaveEmpresa(), "Nome", std::string(CONEXO_TAM_NOME_EMPRESA + 1, 'x'));
    CZTString nome = "antigo";
    EXPECT_EQ(ConexoLeNomeEmpresa(kEmpresa, nome), CONEXO_E_DADOS_INVALIDOS);
    EXPECT_EQ(nome, "antigo");
    EXPECT_EQ(ConexoGravaNomeEmpresa(kEmpresa, std::string(CONEXO_TAM_NOME_EMPRESA + 1, 'x').c_str()),
              platform::E_INVALIDARG);
}

// The all-rights rule: only with the properties' switch, for a supervisor or the child of one
// whose parent could be read.
TEST(QDAcessoTotal, SupervisorOrChildOfOneWithTheSwitch) {
    REGUSU_PS supervisor;
    supervisor.bSupervisor = 1;
    REGUSU_PS comum;
    REGUSU_PS filho;
    filho.iCodigoPai = 3;
    struct Caso {
        const char* quem;
        bool chave;
        const REGUSU_PS& reg;
        const REGUSU_PS* pai;
        std::uint8_t esperado;
    };
    const Caso casos[] = {
        {"supervisor", true, supervisor, nullptr, 1},
        {"supervisor without the switch", false, supervisor, nullptr, 0},
        {"plain user", true, comum, &supervisor, 0},
        {"child of a supervisor", true, filho, &supervisor, 1},
        {"child of a plain user", true, filho, &comum, 0},
        {"child whose parent is unread", true, filho, nullptr, 0},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(QDAcessoTotal(caso.chave, caso.reg, caso.pai), caso.esperado) << caso.quem;
    }
}
