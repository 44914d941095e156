#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"
#include "util/config/zt_registry.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr const char* kChave = "SOFTWARE\\Quorvel\\Teste";
constexpr const char* kRemota = "\\\\servidor-remoto";

// A test with a private store and the test key created.
class CZTRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(registro.CriaChave(HKEY_LOCAL_MACHINE, kChave), ERROR_SUCCESS); }

    std::string StoreFile() const { return kelvo::testing::ReadFile(environment.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt"); }

    kelvo::testing::TestEnvironment environment;
    CZTRegistry registro;
};

struct EmptyWrite {
    const char* what;
    std::function<DWORD(CZTRegistry&)> write;
    DWORD type;
};

const std::vector<EmptyWrite>& EmptyWrites() {
    static const std::vector<EmptyWrite> writes = {
        {"zero number", [](CZTRegistry& r) { return r.GravaDWord("v", 0); }, REG_DWORD},
        {"empty text", [](CZTRegistry& r) { return r.GravaString("v", ""); }, REG_SZ},
        {"null text", [](CZTRegistry& r) { return r.GravaString("v", nullptr); }, REG_SZ},
        {"no bytes", [](CZTRegistry& r) { return r.GravaBinario("v", nullptr, 0); }, REG_BINARY},
    };
    return writes;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The write-empty flag

// With the flag cleared, empty writes report success and leave the store exactly as it was.
TEST_F(CZTRegistryTest, EmptyWritesAreSkippedWhenTheFlagIsCleared) {
    registro.SetGravaVazio(false);
    EXPECT_FALSE(registro.GetGravaVazio());
    const std::string before = StoreFile();
    for (const auto& c : EmptyWrites()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.write(registro), ERROR_SUCCESS);
        EXPECT_EQ(registro.GetQtdValores(), 0u);
    }
    EXPECT_EQ(StoreFile(), before);
    EXPECT_EQ(registro.GravaDWord("n", 7), ERROR_SUCCESS);  // a non-empty value is still written
    EXPECT_EQ(registro.LeDWord("n", 0), 7u);
}

// With the flag set (the default), empty writes store the empty value of their type.
TEST_F(CZTRegistryTest, EmptyWritesHappenWhenTheFlagIsSet) {
    EXPECT_TRUE(registro.GetGravaVazio());
    for (const auto& c : EmptyWrites()) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.write(registro), ERROR_SUCCESS);
        EXPECT_EQ(registro.GetTipoValor("v"), c.type);
        ASSERT_EQ(registro.ApagaValor("v"), ERROR_SUCCESS);
    }
    ASSERT_EQ(registro.GravaString("s", ""), ERROR_SUCCESS);
    DWORD size = 99;
    ASSERT_EQ(registro.LeBinario("s", nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 1u);  // the empty text with its terminating zero
    EXPECT_EQ(registro.LeString("s", "padrao"), "");
    ASSERT_EQ(registro.GravaDWord("n", 0), ERROR_SUCCESS);
    EXPECT_EQ(registro.LeDWord("n", 5), 0u);
}

// ---------------------------------------------------------------------------------------------
// Reading

// Missing values give the caller's default; a null default gives an empty text.
TEST_F(CZTRegistryTest, ReadersFallBackToTheDefault) {
    EXPECT_EQ(registro.LeString("falta", "padrao"), "padrao");
    EXPECT_EQ(registro.LeString("falta"), "");
    EXPECT_EQ(registro.LeDWord("falta", 42), 42u);
    EXPECT_EQ(registro.GetTipoValor("falta"), REG_NONE);
    ASSERT_EQ(registro.GravaBinario("curto", "\x01\x02", 2), ERROR_SUCCESS);
    EXPECT_EQ(registro.LeDWord("curto", 42), 42u);  // not 4 bytes: no number
    CZTRegistry fechado;
    EXPECT_EQ(fechado.LeString("x", "padrao"), "padrao");
    EXPECT_EQ(fechado.GetQtdValores(), 0u);
}

// Texts are read whole, up to their zero, also when stored without one.
TEST_F(CZTRegistryTest, TextsAreReadWholeWithOrWithoutTheirZero) {
    ASSERT_EQ(registro.GravaString("acento", "Relat\xF3rios"), ERROR_SUCCESS);
    EXPECT_EQ(registro.LeString("ACENTO"), "Relat\xF3rios");
    ASSERT_EQ(Registry::SetValue(registro.GetChave(), "semzero", REG_SZ, "abc", 3), ERROR_SUCCESS);
    EXPECT_EQ(registro.LeString("semzero"), "abc");
    const std::string longo(5000, 'x');
    ASSERT_EQ(registro.GravaString("longo", longo.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(registro.LeString("longo").str(), longo);
}

// Expand-strings are expanded only when asked; plain strings never.
TEST_F(CZTRegistryTest, ExpansionOnlyForExpandStringsWhenAsked) {
    setenv("KELVO_T_RAIZ", "/srv/kelvo", 1);
    const std::string text = "%KELVO_T_RAIZ%/mens";
    ASSERT_EQ(Registry::SetValue(registro.GetChave(), "exp", REG_EXPAND_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)), ERROR_SUCCESS);
    ASSERT_EQ(registro.GravaString("sz", text.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(registro.LeString("exp", nullptr, true), "/srv/kelvo/mens");
    EXPECT_EQ(registro.LeString("exp", nullptr, false), text.c_str());
    EXPECT_EQ(registro.LeString("sz", nullptr, true), text.c_str());
    unsetenv("KELVO_T_RAIZ");
}

// LeBinario follows the size protocol.
TEST_F(CZTRegistryTest, BinaryReadFollowsTheSizeProtocol) {
    ASSERT_EQ(registro.GravaBinario("b", "\x00\x01\x02\x03\x04", 5), ERROR_SUCCESS);
    DWORD size = 0;
    ASSERT_EQ(registro.LeBinario("b", nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);
    char buffer[8] = {};
    size = 3;
    EXPECT_EQ(registro.LeBinario("b", buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    size = sizeof buffer;
    ASSERT_EQ(registro.LeBinario("b", buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, size), std::string("\x00\x01\x02\x03\x04", 5));
    EXPECT_EQ(registro.GetTipoValor("b"), REG_BINARY);
}

// ---------------------------------------------------------------------------------------------
// Listing and deleting

// Lists hold one name per index; a failure empties them.
TEST_F(CZTRegistryTest, ListsAndDeletion) {
    for (const char* nome : {"b", "A"}) {
        CZTRegistry filho;
        ASSERT_EQ(filho.CriaChave(HKEY_LOCAL_MACHINE, (std::string(kChave) + "\\" + nome).c_str()), ERROR_SUCCESS);
    }
    for (const char* nome : {"x", "y", "z"}) ASSERT_EQ(registro.GravaString(nome, nome), ERROR_SUCCESS);

    CZTStringArray lista{"velho"};
    registro.GetSubChaves(lista);
    EXPECT_EQ(lista, (CZTStringArray{"A", "b"}));
    registro.GetValores(lista);
    EXPECT_EQ(lista, (CZTStringArray{"x", "y", "z"}));
    EXPECT_EQ(registro.GetQtdSubChaves(), 2u);
    EXPECT_EQ(registro.GetQtdValores(), 3u);

    EXPECT_EQ(registro.ApagaValores(), ERROR_SUCCESS);
    EXPECT_EQ(registro.GetQtdValores(), 0u);
    EXPECT_EQ(registro.ApagaSubChave("A"), ERROR_SUCCESS);
    EXPECT_EQ(registro.ApagaSubChave("A"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registro.ApagaValor("x"), ERROR_FILE_NOT_FOUND);

    CZTRegistry fechado;
    lista = {"velho"};
    fechado.GetValores(lista);
    EXPECT_TRUE(lista.empty());
    lista = {"velho"};
    fechado.GetSubChaves(lista);
    EXPECT_TRUE(lista.empty());
}

// ---------------------------------------------------------------------------------------------
// Keys and handles

// Closing an object that holds a predefined root leaves the root usable; other keys are closed.
TEST(CZTRegistryKeys, PredefinedRootsAreNeverClosed) {
    kelvo::testing::TestEnvironment environment;
    {
        CZTRegistry raiz(HKEY_LOCAL_MACHINE);
        EXPECT_TRUE(raiz.IsAberta());
        raiz.FechaChave();
        EXPECT_FALSE(raiz.IsAberta());
        EXPECT_EQ(raiz.GetChave(), nullptr);
        CZTRegistry destruida(HKEY_LOCAL_MACHINE);
    }
    EXPECT_EQ(Registry::SetValue(HKEY_LOCAL_MACHINE, "ainda", REG_DWORD, "\x01\0\0\0", 4), ERROR_SUCCESS);

    HKEY aberta = nullptr;
    ASSERT_EQ(Registry::CreateKey(HKEY_LOCAL_MACHINE, "Software\\X", &aberta), ERROR_SUCCESS);
    {
        CZTRegistry dona(aberta);
        dona.FechaChave();
    }
    EXPECT_EQ(Registry::QueryInfoKey(aberta, nullptr, nullptr), ERROR_INVALID_HANDLE);
}

// Detaching hands the key over unclosed; adopting another key closes the previous one.
TEST(CZTRegistryKeys, DetachAndAdopt) {
    kelvo::testing::TestEnvironment environment;
    CZTRegistry registro;
    ASSERT_EQ(registro.CriaChave(HKEY_CURRENT_USER, "Software\\A"), ERROR_SUCCESS);
    HKEY solta = registro.Desanexa();
    EXPECT_FALSE(registro.IsAberta());
    EXPECT_EQ(Registry::QueryInfoKey(solta, nullptr, nullptr), ERROR_SUCCESS);

    registro.SetChave(solta);
    ASSERT_EQ(registro.GetChave(), solta);
    HKEY outra = nullptr;
    ASSERT_EQ(Registry::CreateKey(HKEY_CURRENT_USER, "Software\\B", &outra), ERROR_SUCCESS);
    registro.SetChave(outra);
    EXPECT_EQ(Registry::QueryInfoKey(solta, nullptr, nullptr), ERROR_INVALID_HANDLE);
    registro.SetChave(outra);  // adopting the same key again must not close it
    EXPECT_EQ(Registry::QueryInfoKey(outra, nullptr, nullptr), ERROR_SUCCESS);
    registro.Inicializa();
    EXPECT_EQ(Registry::QueryInfoKey(outra, nullptr, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(registro.IsAberta());
}

// A key opened for reading refuses writes; opened for writing it takes them.
TEST(CZTRegistryKeys, ReadOpenRefusesWrites) {
    kelvo::testing::TestEnvironment environment;
    CZTRegistry registro;
    ASSERT_EQ(registro.CriaChave(HKEY_LOCAL_MACHINE, kChave), ERROR_SUCCESS);
    ASSERT_EQ(registro.AbreChave(HKEY_LOCAL_MACHINE, kChave), ERROR_SUCCESS);
    EXPECT_EQ(registro.GravaString("v", "x"), ERROR_ACCESS_DENIED);
    ASSERT_EQ(registro.AbreChave(HKEY_LOCAL_MACHINE, kChave, true), ERROR_SUCCESS);
    EXPECT_EQ(registro.GravaString("v", "x"), ERROR_SUCCESS);
    EXPECT_EQ(registro.AbreChave(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nada"), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(registro.IsAberta());
}

// The user and machine forms put "Software\Quorvel\" in front with exactly one backslash.
TEST(CZTRegistryKeys, SuiteFormsJoinTheSuiteKey) {
    kelvo::testing::TestEnvironment environment;
    CZTRegistry registro;
    ASSERT_EQ(registro.CriaChaveMaquina("\\Maquina"), ERROR_SUCCESS);
    ASSERT_EQ(registro.GravaString("v", "m"), ERROR_SUCCESS);
    ASSERT_EQ(registro.CriaChaveUsuario("Usuario"), ERROR_SUCCESS);
    ASSERT_EQ(registro.GravaString("v", "u"), ERROR_SUCCESS);
    EXPECT_EQ(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, "SOFTWARE\\QUORVEL\\maquina", "v"), "m");
    EXPECT_EQ(ZTLeStringRegistry(HKEY_CURRENT_USER, "Software\\Quorvel\\Usuario", "v"), "u");
    ASSERT_EQ(registro.AbreChaveMaquina("Maquina"), ERROR_SUCCESS);
    EXPECT_EQ(registro.LeString("v"), "m");
    EXPECT_EQ(registro.AbreChaveUsuario("Maquina"), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(registro.AbreChaveUsuario("Usuario", true), ERROR_SUCCESS);
    EXPECT_EQ(registro.GravaDWord("n", 3), ERROR_SUCCESS);
}

// A machine other than this one is unreachable: opening, creating and the one-call functions fail
// with ERROR_BAD_NETPATH, readers give their default; this machine by name works.
TEST(CZTRegistryKeys, RemoteMachineFails) {
    kelvo::testing::TestEnvironment environment;
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, kChave, "v", "local"), ERROR_SUCCESS);
    CZTRegistry remoto(kRemota);
    EXPECT_EQ(remoto.AbreChave(HKEY_LOCAL_MACHINE, kChave), ERROR_BAD_NETPATH);
    EXPECT_EQ(remoto.CriaChave(HKEY_LOCAL_MACHINE, kChave), ERROR_BAD_NETPATH);
    EXPECT_EQ(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, kChave, "v", "padrao", false, kRemota), "padrao");
    EXPECT_EQ(ZTLeDWordRegistry(HKEY_LOCAL_MACHINE, kChave, "v", 9, kRemota), 9u);
    EXPECT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, kChave, "v", "x", kRemota), ERROR_BAD_NETPATH);
    EXPECT_EQ(ZTGravaDWordRegistry(HKEY_LOCAL_MACHINE, kChave, "n", 1, kRemota), ERROR_BAD_NETPATH);
    EXPECT_EQ(ZTApagaValorRegistry(HKEY_LOCAL_MACHINE, kChave, "v", kRemota), ERROR_BAD_NETPATH);
    EXPECT_EQ(ZTTestaRegistroRemoto(kRemota), ERROR_BAD_NETPATH);
    EXPECT_EQ(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, kChave, "v", nullptr, false, "."), "local");
}

// ZTTestaRegistroRemoto opens "SYSTEM" for writing: 2 while it is missing, 0 once it exists.
TEST(CZTRegistryKeys, RemoteTestOpensTheSystemKey) {
    kelvo::testing::TestEnvironment environment;
    EXPECT_EQ(ZTTestaRegistroRemoto(nullptr), ERROR_FILE_NOT_FOUND);
    CZTRegistry sistema;
    ASSERT_EQ(sistema.CriaChave(HKEY_LOCAL_MACHINE, ZT_CHAVE_SISTEMA), ERROR_SUCCESS);
    EXPECT_EQ(ZTTestaRegistroRemoto(""), ERROR_SUCCESS);
}

// ---------------------------------------------------------------------------------------------
// One-call functions

// Writes create the key; reads find the values; deletion reports a missing value.
TEST(RegistryFunctions, WriteReadDelete) {
    kelvo::testing::TestEnvironment environment;
    EXPECT_EQ(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, kChave, "t", "padrao"), "padrao");
    EXPECT_EQ(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, kChave, "t"), "");
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, kChave, "t", "texto"), ERROR_SUCCESS);
    ASSERT_EQ(ZTGravaDWordRegistry(HKEY_LOCAL_MACHINE, kChave, "n", 1234), ERROR_SUCCESS);
    EXPECT_EQ(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, kChave, "T", "padrao"), "texto");
    EXPECT_EQ(ZTLeDWordRegistry(HKEY_LOCAL_MACHINE, kChave, "n", 0), 1234u);
    EXPECT_EQ(ZTApagaValorRegistry(HKEY_LOCAL_MACHINE, kChave, "t"), ERROR_SUCCESS);
    EXPECT_EQ(ZTApagaValorRegistry(HKEY_LOCAL_MACHINE, kChave, "t"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ZTApagaValorRegistry(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nada", "t"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, kChave, "t", "padrao"), "padrao");
}

// The serial ports are the non-empty values of SERIALCOMM, and the list is emptied first.
TEST(RegistryFunctions, SerialPortsAreTheNonEmptyValues) {
    kelvo::testing::TestEnvironment environment;
    CZTStringArray portas{"velha"};
    ZTListaPortasSeriais(portas);
    EXPECT_TRUE(portas.empty());
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_PORTAS_SERIAIS, "\\Device\\Serial0", "/dev/ttyS0"), ERROR_SUCCESS);
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_PORTAS_SERIAIS, "\\Device\\Serial1", ""), ERROR_SUCCESS);
    ASSERT_EQ(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_PORTAS_SERIAIS, "\\Device\\USB0", "/dev/ttyUSB0"), ERROR_SUCCESS);
    ZTListaPortasSeriais(portas);
    EXPECT_EQ(portas, (CZTStringArray{"/dev/ttyS0", "/dev/ttyUSB0"}));
}
