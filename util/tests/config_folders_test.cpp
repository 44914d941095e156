#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using platform::ERROR_SUCCESS;
using platform::HKEY_LOCAL_MACHINE;

namespace {

constexpr const char* kRemota = "\\\\servidor-remoto";

void GravaSuite(const char* valor, const char* texto) {
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, valor, texto), ERROR_SUCCESS);
}

void GravaEmpresa(const char* empresa, const char* valor, const char* texto) {
    const std::string chave = std::string(ZT_CHAVE_EMPRESAS) + empresa;
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, chave.c_str(), valor, texto), ERROR_SUCCESS);
}

void GravaModulo(int modulo, const char* pasta) {
    const std::string chave = std::string(ZT_CHAVE_SUITE) + ZTGetNomeModulo(modulo).str();
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, chave.c_str(), ZT_VALOR_PATH, pasta), ERROR_SUCCESS);
}

struct SuiteFolder {
    const char* valor;
    std::function<CZTString()> get;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Suite folders

struct SeparatorCase {
    const char* stored;
    const char* expected;
};

// A folder ends in exactly one '/': added when missing, kept when present, extra ones dropped;
// an empty value stays empty. Every family applies the same rule.
TEST(SuiteFolders, TrailingSeparatorRules) {
    const std::vector<SeparatorCase> cases = {
        {"/dados", "/dados/"},
        {"/dados/", "/dados/"},
        {"/dados//", "/dados/"},
        {"/", "/"},
        {"", ""},
        {"/srv/relat\xF3rios", "/srv/relat\xF3rios/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        kelvo::testing::TestEnvironment environment;
        GravaSuite(ZT_VALOR_MENSAGENS, c.stored);
        EXPECT_EQ(ZTGetDiretorioMensagens(), c.expected);
        CZTString pasta("antes");
        EXPECT_EQ(ZTBuscaDiretorioMensagens(pasta), 0);
        EXPECT_EQ(pasta, c.expected);
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(ZTPastaMensagens(buffer, sizeof buffer), 0);
        EXPECT_STREQ(buffer, c.expected);
        EXPECT_EQ(ZTPastaMensagens(pasta), 0);
        EXPECT_EQ(pasta, c.expected);
    }
}

// Each look-up reads its own value of the suite key.
TEST(SuiteFolders, EachLookupReadsItsOwnValue) {
    kelvo::testing::TestEnvironment environment;
    const std::vector<SuiteFolder> folders = {
        {ZT_VALOR_MENSAGENS, [] { return ZTGetDiretorioMensagens(); }},
        {ZT_VALOR_RELATORIOS, [] { return ZTGetDiretorioRelatorios(); }},
        {ZT_VALOR_AJUDA, [] { return ZTGetDiretorioAjuda(); }},
        {ZT_VALOR_CADASTROS, [] { return ZTGetDiretorioCadastros(); }},
        {ZT_VALOR_NFE, [] { return ZTGetDiretorioNFe(); }},
        {ZT_VALOR_IMAGENS, [] { return ZTGetDiretorioImagens(); }},
        {ZT_VALOR_LOCAL, [] { return ZTGetDiretorioLocal(); }},
        {ZT_VALOR_MENSAGENS, [] { CZTString p; return ZTBuscaDiretorioMensagens(p) == 0 ? p : CZTString("falhou"); }},
        {ZT_VALOR_IMAGENS, [] { CZTString p; return ZTBuscaDiretorioImagens(p) == 0 ? p : CZTString("falhou"); }},
        {ZT_VALOR_RELATORIOS, [] { CZTString p; return ZTBuscaDiretorioRelatorios(p) == 0 ? p : CZTString("falhou"); }},
        {ZT_VALOR_AJUDA, [] { CZTString p; return ZTBuscaDiretorioAjuda(p) == 0 ? p : CZTString("falhou"); }},
        {ZT_VALOR_CADASTROS, [] { CZTString p; return ZTBuscaDiretorioCadastros(p) == 0 ? p : CZTString("falhou"); }},
        {ZT_VALOR_RELATORIOS, [] { CZTString p; return ZTPastaRelatorios(p) == 0 ? p : CZTString("falhou"); }},
        {ZT_VALOR_AJUDA, [] { char b[32]; return ZTPastaAjuda(b, sizeof b) == 0 ? CZTString(b) : CZTString("falhou"); }},
    };
    for (const char* valor : {ZT_VALOR_MENSAGENS, ZT_VALOR_RELATORIOS, ZT_VALOR_AJUDA, ZT_VALOR_CADASTROS,
                              ZT_VALOR_NFE, ZT_VALOR_IMAGENS, ZT_VALOR_LOCAL}) {
        GravaSuite(valor, (std::string("/k/") + valor).c_str());
    }
    for (const auto& folder : folders) {
        EXPECT_EQ(folder.get(), (std::string("/k/") + folder.valor + "/").c_str()) << folder.valor;
    }
}

// A missing value or suite key gives the default (as a folder) to the Get family and the
// missing-folder code, with the caller's folder untouched, to the Busca family.
TEST(SuiteFolders, MissingFolderGivesDefaultOr16217) {
    kelvo::testing::TestEnvironment environment;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "no suite key" : "no value");
        EXPECT_EQ(ZTGetDiretorioAjuda("/padrao"), "/padrao/");
        EXPECT_EQ(ZTGetDiretorioAjuda(), "");
        CZTString pasta("antes");
        EXPECT_EQ(ZTBuscaDiretorioAjuda(pasta), 16217);
        EXPECT_EQ(pasta, "antes");
        EXPECT_EQ(ZTPastaAjuda(pasta), ZT_MSG_DIRETORIO_AUSENTE);
        EXPECT_EQ(pasta, "");
        char buffer[16] = "antes";
        EXPECT_EQ(ZTPastaAjuda(buffer, sizeof buffer), ZT_MSG_DIRETORIO_AUSENTE);
        EXPECT_STREQ(buffer, "");
        GravaSuite(ZT_VALOR_MENSAGENS, "/outro");
    }
    EXPECT_EQ(ZT_MSG_DIRETORIO_AUSENTE, 16217);
}

// The buffer readers never write past the size given: a folder that does not fit with its zero
// fails with 16217 and leaves the buffer empty; one that just fits is copied.
TEST(SuiteFolders, BufferReadersRespectTheSize) {
    kelvo::testing::TestEnvironment environment;
    GravaSuite(ZT_VALOR_RELATORIOS, "/dados/rel");  // read as "/dados/rel/": 11 characters
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(ZTPastaRelatorios(buffer, 11), ZT_MSG_DIRETORIO_AUSENTE);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(std::string(buffer + 1, 31), std::string(31, '#'));
    EXPECT_EQ(ZTPastaRelatorios(buffer, 12), 0);
    EXPECT_STREQ(buffer, "/dados/rel/");
    EXPECT_EQ(buffer[12], '#');
    EXPECT_EQ(ZTPastaRelatorios(nullptr, 0), ZT_MSG_DIRETORIO_AUSENTE);
}

// ---------------------------------------------------------------------------------------------
// Company folders

// A company's folder is the value named by the module's prefix.
TEST(CompanyFolders, ValueNamedByTheModulePrefix) {
    kelvo::testing::TestEnvironment environment;
    GravaEmpresa("001", "DF", "/dados/emp1");
    GravaEmpresa("001", "QD", "/dados/emp1/ged/");
    EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_EMPRESARIAL, "001"), "/dados/emp1/");
    EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_GED, "001"), "/dados/emp1/ged/");
    CZTString pasta;
    EXPECT_EQ(ZTBuscaDiretorioEmpresa("qd", "001", pasta), 1);
    EXPECT_EQ(pasta, "/dados/emp1/ged/");
}

// Module 23 reads the base module's value and adds "NFe/", without doubling the separator.
TEST(CompanyFolders, InvoiceModuleUsesTheBaseFolder) {
    for (const char* base : {"/dados/emp1", "/dados/emp1/"}) {
        SCOPED_TRACE(base);
        kelvo::testing::TestEnvironment environment;
        GravaEmpresa("001", "DF", base);
        EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_NFE, "001"), "/dados/emp1/NFe/");
        CZTString pasta;
        EXPECT_EQ(ZTBuscaDiretorioEmpresa(ZTGetPrefixoModulo(ZT_MODULO_NFE), "001", pasta), 1);
        EXPECT_EQ(pasta, "/dados/emp1/NFe/");
    }
}

// Missing company, value or base folder give nothing: never a bare "NFe/" or a guessed folder.
TEST(CompanyFolders, MissingPiecesGiveNothing) {
    kelvo::testing::TestEnvironment environment;
    GravaEmpresa("001", "QD", "/dados/ged");
    GravaEmpresa("001", "", "/padrao-da-chave");
    EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_GED, "999"), "");
    EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_NFE, "001"), "");
    EXPECT_EQ(ZTGetDiretorioEmpresa(0, "001"), "");
    EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_GED, ""), "");
    EXPECT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_GED, "001", kRemota), "");
    CZTString pasta("antes");
    EXPECT_EQ(ZTBuscaDiretorioEmpresa("DF", "001", pasta), 0);
    EXPECT_EQ(ZTBuscaDiretorioEmpresa("QD", "999", pasta), 0);
    EXPECT_EQ(ZTBuscaDiretorioEmpresa("", "001", pasta), 0);
    EXPECT_EQ(pasta, "antes");
}

// ---------------------------------------------------------------------------------------------
// Module and index folders

// A module's folder is "Path" of its key; module 23 uses the base module's key; by prefix any case.
TEST(ModuleFolders, PathOfTheModuleKey) {
    kelvo::testing::TestEnvironment environment;
    GravaModulo(ZT_MODULO_GED, "/opt/kelvo/ged");
    GravaModulo(ZT_MODULO_EMPRESARIAL, "/opt/kelvo/base/");
    EXPECT_EQ(ZTGetDiretorioModulo(ZT_MODULO_GED), "/opt/kelvo/ged/");
    EXPECT_EQ(ZTGetDiretorioModulo(ZT_MODULO_NFE), "/opt/kelvo/base/");
    EXPECT_EQ(ZTGetDiretorioModulo(0), "");
    EXPECT_EQ(ZTGetDiretorioModulo(2), "");
    EXPECT_EQ(ZTGetDiretorioModulo(ZT_MODULO_GED, kRemota), "");
    CZTString pasta;
    EXPECT_EQ(ZTBuscaDiretorioModulo("qd", pasta), 0);
    EXPECT_EQ(pasta, "/opt/kelvo/ged/");
    EXPECT_EQ(ZTBuscaDiretorioModulo("NF", pasta), 0);
    EXPECT_EQ(pasta, "/opt/kelvo/base/");
}

// Unknown modules and missing keys give 16217 with the folder untouched; the buffer form also
// refuses a buffer too small.
TEST(ModuleFolders, MissingModuleGives16217) {
    kelvo::testing::TestEnvironment environment;
    GravaModulo(ZT_MODULO_GED, "/opt/kelvo/ged");
    CZTString pasta("antes");
    EXPECT_EQ(ZTBuscaDiretorioModulo("ZZ", pasta), ZT_MSG_DIRETORIO_AUSENTE);
    EXPECT_EQ(ZTBuscaDiretorioModulo(nullptr, pasta), ZT_MSG_DIRETORIO_AUSENTE);
    EXPECT_EQ(ZTBuscaDiretorioModulo("DF", pasta), ZT_MSG_DIRETORIO_AUSENTE);
    EXPECT_EQ(pasta, "antes");
    char buffer[32] = "antes";
    EXPECT_EQ(ZTBuscaDiretorioModulo("QD", buffer, 15), ZT_MSG_DIRETORIO_AUSENTE);
    EXPECT_STREQ(buffer, "antes");
    EXPECT_EQ(ZTBuscaDiretorioModulo("QD", buffer, 16), 0);
    EXPECT_STREQ(buffer, "/opt/kelvo/ged/");
}

// The index folder is "ZTIndice" of the base module's key; missing or empty gives 16217.
TEST(IndexFolder, ReadFromTheBaseModuleKey) {
    kelvo::testing::TestEnvironment environment;
    CZTString pasta("antes");
    EXPECT_EQ(ZTBuscaDiretorioIndice(pasta), ZT_MSG_DIRETORIO_AUSENTE);
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_INDICE, ZT_VALOR_INDICE, ""), ERROR_SUCCESS);
    EXPECT_EQ(ZTBuscaDiretorioIndice(pasta), ZT_MSG_DIRETORIO_AUSENTE);
    EXPECT_EQ(pasta, "antes");
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, "SOFTWARE\\QUORVEL\\KELVO EMPRESARIAL", ZT_VALOR_INDICE, "/idx"), ERROR_SUCCESS);
    EXPECT_EQ(ZTBuscaDiretorioIndice(pasta), 0);
    EXPECT_EQ(pasta, "/idx/");
}
