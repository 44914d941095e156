#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"

#include "outside/conexo/conexao_usuario.h"
#include "outside/conexo/conexo_empresa.h"
#include "platform/text/codepage.h"

#include "platform/registry/registry.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"
#include "util/message/messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

namespace kelvo::setup {
namespace {

namespace fs = std::filesystem;

class EmbeddedDefault : public ::testing::Test {
protected:
    PreparationReport Prepare() { return PrepareEmbeddedDefault(env_.Path("data"), env_.Path("bin"), ModuleMessageFile()); }
    kelvo::testing::TestEnvironment env_;
};

TEST_F(EmbeddedDefault, FirstRunPreparesFoldersRegistryMessagesAndDemoCompany) {
    const auto report = Prepare();
    EXPECT_TRUE(report.failures.empty());
    EXPECT_FALSE(report.changes.empty());

    EXPECT_EQ(ZTGetDiretorioMensagens(), env_.Path("data/Mensagens") + "/");
    EXPECT_TRUE(fs::is_directory(env_.Path("data/Relatorios")));
    // Context help looks for its files in the help folder.
    EXPECT_EQ(ZTGetDiretorioAjuda(), env_.Path("data/Ajuda") + "/");
    EXPECT_TRUE(fs::is_directory(env_.Path("data/Ajuda")));
    EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_GED, kDemoCompany), env_.Path("data/Dados/DEMO/QD") + "/");
    EXPECT_TRUE(fs::is_directory(env_.Path("data/Dados/DEMO/QD")));
    EXPECT_EQ(ZTGetDiretorioModulo(ZT_MODULO_GED), env_.Path("bin") + "/");

    // The installed message file is the shipped one and answers lookups.
    EXPECT_EQ(kelvo::testing::ReadFile(env_.Path("data/Mensagens/ZTQDMens.txt")), ModuleMessageFile());
    EXPECT_FALSE(ZTLeMensagem(16055, ZT_MODULO_GED).IsEmpty());
    EXPECT_FALSE(ZTLeMensagem(16217, ZT_MODULO_GED).IsEmpty());
}

// The demo company gets a supervisor working in branch 1 and branch 1 a name with its accent
// kept as Windows-1252, read back through the suite's connections as the server reads them.
TEST_F(EmbeddedDefault, FirstRunSeedsTheSupervisorAndBranchOne) {
    ASSERT_TRUE(Prepare().failures.empty());
    CConexaoUsuario usuario;
    usuario.SetTrataErros(false);
    ASSERT_EQ(usuario.Inicializa(kDemoCompany, kDemoUser, 1), platform::S_OK);
    REGUSU_PS reg;
    ASSERT_EQ(usuario.Le(reg), platform::S_OK);
    EXPECT_EQ(reg.bSupervisor, 1);
    EXPECT_EQ(reg.iCodigoPai, 0);
    EXPECT_STREQ(reg.szNome, kDemoUserName);
    FILIAIS_ATIVAS filiais;
    ASSERT_EQ(usuario.LeFiliaisAtivas(filiais), platform::S_OK);
    EXPECT_EQ(filiais.bAtiva[kDemoBranch], 1);

    CConexaoFilial filial;
    filial.SetTrataErros(false);
    ASSERT_EQ(filial.Inicializa(kDemoCompany, kDemoUser, 1), platform::S_OK);
    CZTString nome;
    ASSERT_EQ(filial.GetNome(kDemoBranch, nome), platform::S_OK);
    EXPECT_EQ(nome.str(), platform::AnsiFromUtf8("Matriz São Paulo"));
}

// The demo company is named, and its supervisor may use every right the programs test (1 to 16
// of this module) and the base module's rights 2, 3, 33 and 42; nothing else.
TEST_F(EmbeddedDefault, FirstRunNamesDemoAndGrantsItsSupervisor) {
    ASSERT_TRUE(Prepare().failures.empty());
    CZTString nome;
    ASSERT_EQ(ConexoLeNomeEmpresa(kDemoCompany, nome), platform::S_OK);
    EXPECT_EQ(nome, "DEMO");
    std::vector<CONEXO_DIREITO> direitos;
    ASSERT_EQ(ConexoLeDireitos(kDemoCompany, kDemoUser, direitos), platform::S_OK);
    std::vector<CONEXO_DIREITO> esperados;
    for (std::uint16_t direito = 1; direito <= 16; ++direito) esperados.push_back({21, direito});
    esperados.insert(esperados.end(), {{1, 2}, {1, 3}, {1, 33}, {1, 42}});
    EXPECT_EQ(direitos, esperados);
}

// A name and a rights list that an administrator changed, even to nothing, stay as they are.
TEST_F(EmbeddedDefault, KeepsAChangedCompanyNameAndEmptiedRights) {
    ASSERT_TRUE(Prepare().failures.empty());
    ASSERT_EQ(ConexoGravaNomeEmpresa(kDemoCompany, "Demonstra\xE7\xE3o Ltda"), platform::S_OK);
    ASSERT_EQ(ConexoGravaDireitos(kDemoCompany, kDemoUser, {}), platform::S_OK);
    ASSERT_TRUE(Prepare().failures.empty());
    CZTString nome;
    ASSERT_EQ(ConexoLeNomeEmpresa(kDemoCompany, nome), platform::S_OK);
    EXPECT_EQ(nome, "Demonstra\xE7\xE3o Ltda");
    std::vector<CONEXO_DIREITO> direitos{{9, 9}};
    ASSERT_EQ(ConexoLeDireitos(kDemoCompany, kDemoUser, direitos), platform::S_OK);
    EXPECT_TRUE(direitos.empty());
}

// A user and a branch that an earlier set-up (or the user) made are never replaced.
TEST_F(EmbeddedDefault, KeepsAnExistingSupervisorAndBranch) {
    REGUSU_PS outro;
    outro.iCodigo = kDemoUser;
    std::strcpy(outro.szNome, "Outro");
    ASSERT_EQ(ConexoGravaUsuario(kDemoCompany, outro, {3}), platform::S_OK);
    ASSERT_EQ(ConexoGravaFilial(kDemoCompany, kDemoBranch, "Sede"), platform::S_OK);
    ASSERT_TRUE(Prepare().failures.empty());
    REGUSU_PS reg;
    FILIAIS_ATIVAS filiais;
    ASSERT_EQ(ConexoLeUsuario(kDemoCompany, kDemoUser, &reg, &filiais), platform::S_OK);
    EXPECT_STREQ(reg.szNome, "Outro");
    EXPECT_EQ(reg.bSupervisor, 0);
    EXPECT_EQ(filiais.bAtiva[kDemoBranch], 0);
    CZTString nome;
    ASSERT_EQ(ConexoLeNomeFilial(kDemoCompany, kDemoBranch, nome), platform::S_OK);
    EXPECT_EQ(nome, "Sede");
}

TEST_F(EmbeddedDefault, SecondRunChangesNothing) {
    ASSERT_TRUE(Prepare().failures.empty());
    const std::string store = kelvo::testing::ReadFile(env_.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt");
    const auto again = Prepare();
    EXPECT_TRUE(again.changes.empty());
    EXPECT_TRUE(again.failures.empty());
    EXPECT_EQ(kelvo::testing::ReadFile(env_.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt"), store);
}

TEST_F(EmbeddedDefault, KeepsFoldersAnEarlierSetUpChoseAndInstallsMessagesThere) {
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, ZT_VALOR_MENSAGENS,
                                    env_.Path("own-messages").c_str()),
              0u);
    ASSERT_TRUE(Prepare().failures.empty());
    EXPECT_EQ(ZTGetDiretorioMensagens(), env_.Path("own-messages") + "/");
    EXPECT_EQ(kelvo::testing::ReadFile(env_.Path("own-messages/ZTQDMens.txt")), ModuleMessageFile());
    EXPECT_FALSE(fs::exists(env_.Path("data/Mensagens")));
}

TEST_F(EmbeddedDefault, OutdatedMessageFileIsReplaced) {
    ASSERT_TRUE(Prepare().failures.empty());
    kelvo::testing::WriteFile(env_.Path("data/Mensagens/ZTQDMens.txt"), "1       velho\r\n");
    const auto report = Prepare();
    ASSERT_EQ(report.changes.size(), 1u);
    EXPECT_EQ(kelvo::testing::ReadFile(env_.Path("data/Mensagens/ZTQDMens.txt")), ModuleMessageFile());
}

TEST_F(EmbeddedDefault, UnwritableDataRootIsReportedNotIgnored) {
    kelvo::testing::WriteFile(env_.Path("data"), "a file where the data folder should be");
    const auto report = Prepare();
    EXPECT_FALSE(report.failures.empty());
}

TEST(ModuleMessageFile, EveryLineHasANumberAndCrLf) {
    const std::string& content = ModuleMessageFile();
    ASSERT_FALSE(content.empty());
    size_t start = 0;
    int lines = 0;
    for (size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1, ++lines) {
        ASSERT_GT(end, start);
        EXPECT_EQ(content[end - 1], '\r') << "line " << lines;
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(content[start]))) << "line " << lines;
    }
    EXPECT_EQ(start, content.size());  // the file ends with a line end
    EXPECT_GT(lines, 10);
}

}  // namespace
}  // namespace kelvo::setup
