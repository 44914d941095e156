// The stored user and branch data: what is written reads back, and every stored value that fails
// its check is refused instead of being used.
#include "outside/conexo/conexo_dados.h"

#include "platform/text/codepage.h"
#include "platform/registry/registry.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/registry_functions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kEmpresa[] = "EMP1";

REGUSU_PS Usuario(std::uint16_t codigo, const char* nome, std::uint16_t pai, std::uint8_t supervisor) {
    REGUSU_PS reg;
    reg.iCodigo = codigo;
    reg.iCodigoPai = pai;
    reg.bSupervisor = supervisor;
    std::strncpy(reg.szNome, nome, sizeof reg.szNome - 1);
    return reg;
}

// Stores a raw value under user 5's key, behind the library's back.
void GravaBruto(const char* valor, platform::DWORD tipo, const void* dados, platform::DWORD tamanho) {
    platform::HKEY chave = nullptr;
    ASSERT_EQ(platform::Registry::CreateKey(platform::HKEY_LOCAL_MACHINE, ConexoChaveUsuario(kEmpresa, 5), &chave), 0u);
    ASSERT_EQ(platform::Registry::SetValue(chave, valor, tipo, dados, tamanho), 0u);
    (void)platform::Registry::CloseKey(chave);
}

}  // namespace

// A user written with a parent, the supervisor flag and branches reads back field by field, and
// exactly the listed branches are active (an off-by-two in the table would move them).
TEST(ConexoDados, UserWithBranchesReadsBack) {
    kelvo::testing::TestEnvironment ambiente;
    const std::string nome = platform::AnsiFromUtf8("José da Conceição");
    ASSERT_EQ(ConexoGravaUsuario(kEmpresa, Usuario(7, nome.c_str(), 3, 1), {0, 1, 17, 999}), platform::S_OK);

    REGUSU_PS reg;
    FILIAIS_ATIVAS filiais;
    std::memset(&filiais, 0xAA, sizeof filiais);
    ASSERT_EQ(ConexoLeUsuario(kEmpresa, 7, &reg, &filiais), platform::S_OK);
    EXPECT_EQ(reg.iCodigo, 7);
    EXPECT_EQ(reg.iCodigoPai, 3);
    EXPECT_EQ(reg.bSupervisor, 1);
    EXPECT_EQ(std::string(reg.szNome), nome);
    EXPECT_EQ(filiais.cCabecalho[0], 0);
    EXPECT_EQ(filiais.cCabecalho[1], 0);
    for (int filial = 0; filial < QD_QTD_FILIAIS; ++filial) {
        const bool ativa = filial == 0 || filial == 1 || filial == 17 || filial == 999;
        EXPECT_EQ(filiais.bAtiva[filial], ativa ? 1 : 0) << "branch " << filial;
    }
    // Company key names match without regard to case, as on the original platform.
    EXPECT_EQ(ConexoLeUsuario("emp1", 7, nullptr, nullptr), platform::S_OK);
}

// Missing users, branches and companies give their own codes and leave the outputs alone.
TEST(ConexoDados, MissingDataGivesItsCode) {
    kelvo::testing::TestEnvironment ambiente;
    REGUSU_PS reg = Usuario(9, "antes", 0, 0);
    EXPECT_EQ(ConexoLeUsuario(kEmpresa, 1, &reg, nullptr), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(std::string(reg.szNome), "antes");
    EXPECT_EQ(ConexoLeUsuario("", 1, &reg, nullptr), platform::E_INVALIDARG);
    EXPECT_EQ(ConexoLeUsuario(nullptr, 1, &reg, nullptr), platform::E_INVALIDARG);

    CZTString nome = "antes";
    EXPECT_EQ(ConexoLeNomeFilial(kEmpresa, 1, nome), CONEXO_E_FILIAL_INEXISTENTE);
    ASSERT_EQ(ConexoGravaFilial(kEmpresa, 2, "Filial dois"), platform::S_OK);
    EXPECT_EQ(ConexoLeNomeFilial(kEmpresa, 1, nome), CONEXO_E_FILIAL_INEXISTENTE);
    EXPECT_EQ(nome, "antes");
    ASSERT_EQ(ConexoLeNomeFilial(kEmpresa, 2, nome), platform::S_OK);
    EXPECT_EQ(nome, "Filial dois");
}

// Stored values of the wrong type, length or range are refused, never cut or wrapped.
TEST(ConexoDados, DamagedValuesAreRefused) {
    struct Caso {
        const char* valor;
        platform::DWORD tipo;
        std::string bytes;
        const char* motivo;
    };
    const platform::DWORD dois = 2;
    const platform::DWORD grande = 0x10000;
    const Caso casos[] = {
        {"Nome", platform::REG_SZ, std::string(41, 'N') + '\0', "name longer than 40"},
        {"Nome", platform::REG_DWORD, std::string("\1\0\0\0", 4), "name of the wrong type"},
        {"Supervisor", platform::REG_DWORD, std::string(reinterpret_cast<const char*>(&dois), 4), "flag above 1"},
        {"UsuarioPai", platform::REG_DWORD, std::string(reinterpret_cast<const char*>(&grande), 4), "parent beyond 16 bits"},
        {"UsuarioPai", platform::REG_SZ, std::string("3\0", 2), "parent of the wrong type"},
        {"Filiais", platform::REG_SZ, std::string("1000\0", 5), "branch beyond 999"},
        {"Filiais", platform::REG_SZ, std::string("1,,2\0", 5), "empty item"},
        {"Filiais", platform::REG_SZ, std::string("1,\0", 3), "trailing separator"},
        {"Filiais", platform::REG_SZ, std::string("-1\0", 3), "sign"},
        {"Filiais", platform::REG_SZ, std::string(5000, '1') + '\0', "list longer than any table"},
    };
    for (const Caso& caso : casos) {
        kelvo::testing::TestEnvironment ambiente;
        ASSERT_EQ(ConexoGravaUsuario(kEmpresa, Usuario(5, "Cinco", 0, 0), {1}), platform::S_OK);
        GravaBruto(caso.valor, caso.tipo, caso.bytes.data(), static_cast<platform::DWORD>(caso.bytes.size()));
        REGUSU_PS reg;
        FILIAIS_ATIVAS filiais{};
        EXPECT_EQ(ConexoLeUsuario(kEmpresa, 5, &reg, &filiais), CONEXO_E_DADOS_INVALIDOS) << caso.motivo;
        EXPECT_EQ(filiais.bAtiva[1], 0) << caso.motivo;
    }
}

// The writers refuse what the readers could never read back.
TEST(ConexoDados, WritersRefuseWhatCannotBeRead) {
    kelvo::testing::TestEnvironment ambiente;
    EXPECT_EQ(ConexoGravaUsuario(kEmpresa, Usuario(1, "Um", 0, 1), {1000}), platform::E_INVALIDARG);
    EXPECT_EQ(ConexoGravaUsuario(kEmpresa, Usuario(1, "Um", 0, 1), {-1}), platform::E_INVALIDARG);
    EXPECT_EQ(ConexoGravaUsuario("", Usuario(1, "Um", 0, 1), {1}), platform::E_INVALIDARG);
    REGUSU_PS semFim = Usuario(1, "", 0, 0);
    std::memset(semFim.szNome, 'X', sizeof semFim.szNome);
    EXPECT_EQ(ConexoGravaUsuario(kEmpresa, semFim, {1}), platform::E_INVALIDARG);
    EXPECT_EQ(ConexoGravaFilial(kEmpresa, 1, ""), platform::E_INVALIDARG);
    EXPECT_EQ(ConexoGravaFilial(kEmpresa, 1, std::string(61, 'F').c_str()), platform::E_INVALIDARG);
    EXPECT_EQ(ConexoLeUsuario(kEmpresa, 1, nullptr, nullptr), CONEXO_E_USUARIO_INEXISTENTE);
    // A user with no branch list has no active branch.
    ASSERT_EQ(ConexoGravaUsuario(kEmpresa, Usuario(2, "Dois", 0, 0), {}), platform::S_OK);
    FILIAIS_ATIVAS filiais;
    std::memset(&filiais, 1, sizeof filiais);
    ASSERT_EQ(ConexoLeUsuario(kEmpresa, 2, nullptr, &filiais), platform::S_OK);
    for (const std::uint8_t ativa : filiais.bAtiva) ASSERT_EQ(ativa, 0);
}

// Branches list in code order, a new branch is active, and the deactivation mark is kept per
// branch (a write to the wrong key, or a read of another branch's, would show here).
TEST(ConexoDados, BranchesListAndKeepTheirDeactivation) {
    kelvo::testing::TestEnvironment ambiente;
    std::vector<std::uint16_t> filiais;
    ASSERT_EQ(ConexoListaFiliais(kEmpresa, filiais), platform::S_OK);
    EXPECT_TRUE(filiais.empty());
    for (const std::uint16_t codigo : {12, 3, 7}) ASSERT_EQ(ConexoGravaFilial(kEmpresa, codigo, "Filial"), platform::S_OK);
    ASSERT_EQ(ConexoListaFiliais(kEmpresa, filiais), platform::S_OK);
    EXPECT_EQ(filiais, (std::vector<std::uint16_t>{3, 7, 12}));

    bool desativada = true;
    ASSERT_EQ(ConexoLeFilialDesativada(kEmpresa, 3, desativada), platform::S_OK);
    EXPECT_FALSE(desativada);
    ASSERT_EQ(ConexoGravaFilialDesativada(kEmpresa, 7, true), platform::S_OK);
    ASSERT_EQ(ConexoLeFilialDesativada(kEmpresa, 7, desativada), platform::S_OK);
    EXPECT_TRUE(desativada);
    ASSERT_EQ(ConexoLeFilialDesativada(kEmpresa, 3, desativada), platform::S_OK);
    EXPECT_FALSE(desativada);
    ASSERT_EQ(ConexoGravaFilialDesativada(kEmpresa, 7, false), platform::S_OK);
    ASSERT_EQ(ConexoLeFilialDesativada(kEmpresa, 7, desativada), platform::S_OK);
    EXPECT_FALSE(desativada);
    // Marking a branch that does not exist creates nothing.
    EXPECT_EQ(ConexoGravaFilialDesativada(kEmpresa, 99, true), CONEXO_E_FILIAL_INEXISTENTE);
    EXPECT_EQ(ConexoLeFilialDesativada(kEmpresa, 99, desativada), CONEXO_E_FILIAL_INEXISTENTE);
}
