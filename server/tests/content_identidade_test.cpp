#include "server/content/zt_identidade_execucao.h"

#include "platform/text/codepage.h"
#include "platform/crypto/private_data.h"
#include "util/config/registry_functions.h"

#include "content_test_support.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

namespace {

using content_test::EventLogRecorder;
using kelvo::testing::TestEnvironment;

constexpr const char* kAppId = "{4B4D8D03-A43C-40B2-96AB-F3959C95B740}";
const std::string kChave = std::string("SCM:") + kAppId;

void RegistraAppId() {
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CLASSES_ROOT, "AppID\\Vaultis.EXE", "AppID", kAppId), 0u);
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CLASSES_ROOT, (std::string("AppID\\") + kAppId).c_str(), nullptr, "Vaultis"), 0u);
}

TEST(CZTIdentidadeExecucao, StoredIdentityIsReadBack) {
    TestEnvironment env;
    RegistraAppId();
    const CZTIdentidadeExecucao identidade;
    const std::string senha = platform::AnsiFromUtf8("senha com ç e ã");
    ASSERT_TRUE(identidade.GravaIdentidade(ZT_PROGRAMA_SERVIDOR, ".\\vaultis", senha.c_str()));
    CZTString conta;
    CZTString lida;
    ASSERT_TRUE(identidade.LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, lida));
    EXPECT_EQ(conta, ".\\vaultis");
    EXPECT_EQ(lida.str(), senha);
    EXPECT_EQ(ZTLeStringRegistry(platform::HKEY_CLASSES_ROOT, (std::string("AppID\\") + kAppId).c_str(), "RunAs"), ".\\vaultis");
}

TEST(CZTIdentidadeExecucao, PasswordIsKeptAsOwnerOnlyUtf16WithItsTerminator) {
    TestEnvironment env;
    RegistraAppId();
    ASSERT_TRUE(CZTIdentidadeExecucao().GravaIdentidade(ZT_PROGRAMA_SERVIDOR, "u", "ab\xE7"));
    std::string armazenada;
    ASSERT_EQ(platform::RetrievePrivateData(kChave, armazenada), platform::ERROR_SUCCESS);
    EXPECT_EQ(armazenada, std::string("a\0b\0\xE7\0\0\0", 8));
    struct stat st {};
    ASSERT_EQ(::stat(platform::PrivateDataPath(kChave).GetString(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(CZTIdentidadeExecucao, MissingPiecesGiveNoIdentity) {
    TestEnvironment env;
    CZTString conta = "x";
    CZTString senha = "y";
    const CZTIdentidadeExecucao identidade;
    // No AppID for the program: nothing else is consulted.
    EXPECT_FALSE(identidade.LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, senha));
    EXPECT_FALSE(identidade.GravaIdentidade(ZT_PROGRAMA_SERVIDOR, "u", "p"));
    EXPECT_TRUE(conta.IsEmpty());
    EXPECT_TRUE(senha.IsEmpty());
    // An AppID whose own key is missing.
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CLASSES_ROOT, "AppID\\Vaultis.exe", "AppID", kAppId), 0u);
    EXPECT_FALSE(identidade.LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, senha));
    // A RunAs account without a stored password.
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CLASSES_ROOT, (std::string("AppID\\") + kAppId).c_str(), "RunAs", ".\\u"), 0u);
    EXPECT_FALSE(identidade.LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, senha));
    EXPECT_TRUE(conta.IsEmpty());
}

TEST(CZTIdentidadeExecucao, AnotherMachineIsNeverConsulted) {
    TestEnvironment env;
    RegistraAppId();
    ASSERT_TRUE(CZTIdentidadeExecucao().GravaIdentidade(ZT_PROGRAMA_SERVIDOR, "u", "p"));
    CZTString conta;
    CZTString senha;
    EXPECT_FALSE(CZTIdentidadeExecucao("outra-maquina-kelvo").LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, senha));
    EXPECT_TRUE(CZTIdentidadeExecucao(".").LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, senha));
}

// Guards against using a password that others could read, and against reading beyond a
// malformed stored form.
TEST(CZTIdentidadeExecucao, UnsafeOrMalformedPasswordsAreRefused) {
    struct Caso {
        const char* nome;
        std::string armazenada;
        unsigned modo;
    } casos[] = {
        {"readable by the group", std::string("p\0\0\0", 4), 0640},
        {"odd length", std::string("p\0\0", 3), 0600},
        {"no terminator", std::string("p\0q\0", 4), 0600},
        {"empty", std::string(), 0600},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TestEnvironment env;
        RegistraAppId();
        ASSERT_TRUE(CZTIdentidadeExecucao().GravaIdentidade(ZT_PROGRAMA_SERVIDOR, "u", "p"));
        ASSERT_EQ(platform::StorePrivateData(kChave, caso.armazenada), platform::ERROR_SUCCESS);
        ASSERT_EQ(::chmod(platform::PrivateDataPath(kChave).GetString(), caso.modo), 0);
        EventLogRecorder registro;
        CZTString conta;
        CZTString senha;
        EXPECT_FALSE(CZTIdentidadeExecucao().LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, senha));
        EXPECT_TRUE(conta.IsEmpty());
        EXPECT_TRUE(senha.IsEmpty());
        // Only the refused file is worth a note, and the note names the file, not the password.
        EXPECT_EQ(registro.entries.size(), caso.modo == 0600 ? 0u : 1u);
    }
}

TEST(CZTIdentidadeExecucao, EmptyPasswordIsAPassword) {
    TestEnvironment env;
    RegistraAppId();
    ASSERT_TRUE(CZTIdentidadeExecucao().GravaIdentidade(ZT_PROGRAMA_SERVIDOR, "u", ""));
    CZTString conta;
    CZTString senha = "x";
    EXPECT_TRUE(CZTIdentidadeExecucao().LeIdentidade(ZT_PROGRAMA_SERVIDOR, conta, senha));
    EXPECT_TRUE(senha.IsEmpty());
}

}  // namespace
