#include "util/number/installed_runtimes.h"
#include "util/number/library_version.h"

#include "platform/registry/registry.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

using namespace platform;

namespace {

constexpr const char* kV40Client = "Software\\Microsoft\\NET Framework Setup\\NDP\\v4\\Client";
constexpr const char* kV35 = "Software\\Microsoft\\NET Framework Setup\\NDP\\v3.5";
constexpr const char* kV20 = "Software\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727";

struct Versao {
    const char* nome;
    const char* chave;
    bool (*temVersao)();
};

const Versao kVersoes[] = {
    {"4.0 client", kV40Client, ZTTemDotNet40Client},
    {"3.5", kV35, ZTTemDotNet35},
    {"2.0", kV20, ZTTemDotNet20},
};

// Stores one value under a key of `raiz`, creating the key.
void Grava(HKEY raiz, const char* chave, const char* nome, DWORD tipo, const void* dados, DWORD tamanho) {
    HKEY k = nullptr;
    ASSERT_EQ(Registry::CreateKey(raiz, chave, &k), ERROR_SUCCESS);
    EXPECT_EQ(Registry::SetValue(k, nome, tipo, dados, tamanho), ERROR_SUCCESS);
    Registry::CloseKey(k);
}

void GravaNumero(const char* chave, const char* nome, std::uint32_t numero) {
    Grava(HKEY_LOCAL_MACHINE, chave, nome, REG_DWORD, &numero, sizeof numero);
}

// A private store for each test.
class InstalledRuntimes : public ::testing::Test {
protected:
    kelvo::testing::TestEnvironment environment;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// The registry read

// A number comes back with its type and size; guards a read that leaves the outputs unset.
TEST_F(InstalledRuntimes, ReadsANumberWithTypeAndSize) {
    GravaNumero("Software\\Teste", "Valor", 0x12345678u);
    DWORD tipo = REG_NONE;
    std::uint32_t numero = 0;
    DWORD tamanho = sizeof numero;
    ASSERT_TRUE(ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, "Software\\Teste", "Valor", &tipo, &numero, &tamanho));
    EXPECT_EQ(tipo, REG_DWORD);
    EXPECT_EQ(tamanho, sizeof numero);
    EXPECT_EQ(numero, 0x12345678u);
}

// The root given is the root read: guards a read fixed on the local machine.
TEST_F(InstalledRuntimes, ReadsBelowTheRootGiven) {
    const std::uint32_t um = 1;
    Grava(HKEY_CURRENT_USER, "Software\\Teste", "Valor", REG_DWORD, &um, sizeof um);
    std::uint32_t numero = 0;
    DWORD tamanho = sizeof numero;
    EXPECT_TRUE(ZTLeDWordRegistro(HKEY_CURRENT_USER, "Software\\Teste", "Valor", nullptr, &numero, &tamanho));
    EXPECT_EQ(numero, 1u);
    tamanho = sizeof numero;
    EXPECT_FALSE(ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, "Software\\Teste", "Valor", nullptr, &numero, &tamanho));
    // A root this store lacks fails instead of reading elsewhere.
    tamanho = sizeof numero;
    EXPECT_FALSE(ZTLeDWordRegistro(HKEY_USERS, "Software\\Teste", "Valor", nullptr, &numero, &tamanho));
}

// Failures of the open and of the read are both false: guards success reported for a missing key,
// a missing value, or a value that did not fit the buffer.
TEST_F(InstalledRuntimes, FailuresAreFalse) {
    const char texto[] = "um texto longo";
    Grava(HKEY_LOCAL_MACHINE, "Software\\Teste", "Texto", REG_SZ, texto, sizeof texto);
    std::uint32_t numero = 0;
    DWORD tamanho = sizeof numero;
    EXPECT_FALSE(ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, "Software\\Falta", "Valor", nullptr, &numero, &tamanho));
    tamanho = sizeof numero;
    EXPECT_FALSE(ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, "Software\\Teste", "Falta", nullptr, &numero, &tamanho));
    tamanho = sizeof numero;
    EXPECT_FALSE(ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, "Software\\Teste", "Texto", nullptr, &numero, &tamanho));
    EXPECT_EQ(tamanho, sizeof texto);  // the size it would need, as the store reports it
    // Asking only the size succeeds.
    DWORD tipo = REG_NONE;
    tamanho = 0;
    EXPECT_TRUE(ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, "Software\\Teste", "Texto", &tipo, nullptr, &tamanho));
    EXPECT_EQ(tipo, REG_SZ);
    EXPECT_EQ(tamanho, sizeof texto);
}

namespace {

// A fresh handle value: the store hands out ever larger ones and never reuses them.
std::uintptr_t HandleNovo() {
    HKEY k = nullptr;
    EXPECT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, "Software", KEY_READ, &k), ERROR_SUCCESS);
    Registry::CloseKey(k);
    return reinterpret_cast<std::uintptr_t>(k);
}

}  // namespace

// The key opened for the read is closed on success and on both failures of the read: guards a
// handle kept open on some path. Every handle value handed out between two probes must be closed.
TEST_F(InstalledRuntimes, EveryReadClosesItsKey) {
    const char texto[] = "um texto longo";
    Grava(HKEY_LOCAL_MACHINE, "Software\\Teste", "Texto", REG_SZ, texto, sizeof texto);
    GravaNumero("Software\\Teste", "Valor", 1);
    struct Caso {
        const char* porque;
        const char* valor;
        bool esperado;
    };
    const Caso casos[] = {
        {"a read that succeeds", "Valor", true},
        {"a missing value", "Falta", false},
        {"a value too long for the buffer", "Texto", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porque);
        const std::uintptr_t antes = HandleNovo();
        std::uint32_t numero = 0;
        DWORD tamanho = sizeof numero;
        EXPECT_EQ(ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, "Software\\Teste", c.valor, nullptr, &numero, &tamanho),
                  c.esperado);
        const std::uintptr_t depois = HandleNovo();
        ASSERT_GT(depois, antes + 1) << "the read opened no key of its own";
        for (std::uintptr_t h = antes + 1; h < depois; ++h) {
            EXPECT_EQ(Registry::QueryInfoKey(reinterpret_cast<HKEY>(h), nullptr, nullptr), ERROR_INVALID_HANDLE)
                << "handle " << h << " left open";
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The version checks

// Each check is true for its own key holding the number 1, and only for its own key: guards
// swapped or misspelt key names and the value name.
TEST_F(InstalledRuntimes, EachCheckReadsItsOwnKey) {
    for (const auto& v : kVersoes) EXPECT_FALSE(v.temVersao()) << v.nome << " in an empty store";
    for (const auto& instalada : kVersoes) {
        SCOPED_TRACE(instalada.nome);
        GravaNumero(instalada.chave, "Install", 1);
        for (const auto& v : kVersoes) EXPECT_EQ(v.temVersao(), &v == &instalada) << v.nome;
        HKEY k = nullptr;
        ASSERT_EQ(Registry::OpenKey(HKEY_LOCAL_MACHINE, instalada.chave, KEY_ALL_ACCESS, &k), ERROR_SUCCESS);
        EXPECT_EQ(Registry::DeleteValue(k, "Install"), ERROR_SUCCESS);
        Registry::CloseKey(k);
    }
}

// Only a 32-bit number holding 1 counts: guards reading a text "1", four binary bytes or another
// number as installed.
TEST_F(InstalledRuntimes, OnlyTheNumberOneCounts) {
    const std::uint32_t um = 1;
    const std::uint32_t zero = 0;
    const std::uint32_t dois = 2;
    struct Caso {
        const char* porque;
        DWORD tipo;
        const void* dados;
        DWORD tamanho;
        bool esperado;
    };
    const Caso casos[] = {
        {"the number 1", REG_DWORD, &um, sizeof um, true},
        {"the number 0", REG_DWORD, &zero, sizeof zero, false},
        {"the number 2", REG_DWORD, &dois, sizeof dois, false},
        {"the text \"1\"", REG_SZ, "1", 2, false},
        {"the text \"1\" without its zero", REG_SZ, "1", 1, false},
        {"four binary bytes of 1", REG_BINARY, &um, sizeof um, false},
        {"a text too long for a number", REG_SZ, "1234567", 8, false},
    };
    for (const auto& v : kVersoes) {
        for (const auto& c : casos) {
            SCOPED_TRACE(testing::Message() << v.nome << ": " << c.porque);
            Grava(HKEY_LOCAL_MACHINE, v.chave, "Install", c.tipo, c.dados, c.tamanho);
            EXPECT_EQ(v.temVersao(), c.esperado);
        }
    }
}

// A value elsewhere does not count: the current user's key, a missing "Install" beside other
// values, and the value on a parent key.
TEST_F(InstalledRuntimes, OnlyTheLocalMachinesInstallValueCounts) {
    const std::uint32_t um = 1;
    for (const auto& v : kVersoes) {
        SCOPED_TRACE(v.nome);
        Grava(HKEY_CURRENT_USER, v.chave, "Install", REG_DWORD, &um, sizeof um);
        GravaNumero(v.chave, "Version", 1);
        GravaNumero("Software\\Microsoft\\NET Framework Setup\\NDP", "Install", 1);
        EXPECT_FALSE(v.temVersao());
    }
}

// ---------------------------------------------------------------------------------------------
// The library version

// The number and the text come from the same two parts: guards a text that drifts from the number.
TEST(ZTVersaoBiblioteca, NumberAndText) {
    EXPECT_EQ(ZTVersaoBiblioteca(), 527);
    EXPECT_EQ(std::string(ZTVersaoBibliotecaTexto()), "5.27");
    const int v = ZTVersaoBiblioteca();
    char esperado[16];
    std::snprintf(esperado, sizeof esperado, "%d.%02d", v / 100, v % 100);
    EXPECT_EQ(std::string(ZTVersaoBibliotecaTexto()), esperado);
}
