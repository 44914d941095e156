// The real Vaultis program registering and unregistering itself in a private registry store.
#include "outside/pendora/qd_registra_interfaces.h"
#include "platform/com/activation.h"
#include "platform/com/class_registry.h"
#include "platform/com/endpoint.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"
#include "server/idl/iztqd_srv.h"
#include "server/object/vaultis_registro.h"
#include "server/tests/process_test_support.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::com::ReadRegistryText;

constexpr char kAppIdChave[] = "AppID\\{4B4D8D03-A43C-40B2-96AB-F3959C95B740}";
constexpr char kClsidChave[] = "CLSID\\{EFEE6FDD-1BB8-4C15-8351-5410FE3EBCAC}";
constexpr char kAppId[] = "{4B4D8D03-A43C-40B2-96AB-F3959C95B740}";
constexpr char kClsid[] = "{EFEE6FDD-1BB8-4C15-8351-5410FE3EBCAC}";

struct Execucao {
    int codigo = -1;
    std::string saida;
};

Execucao RodaVaultis(const std::vector<std::string>& argumentos) {
    std::vector<std::string> linha = {KELVO_VAULTIS};
    linha.insert(linha.end(), argumentos.begin(), argumentos.end());
    Execucao execucao;
    EXPECT_EQ(platform::RunAndCapture(linha, execucao.saida, &execucao.codigo), platform::ERROR_SUCCESS);
    return execucao;
}

// The text of a value of the classes root, or "<missing>".
std::string Valor(const std::string& chave, const char* nome = nullptr) {
    platform::String texto;
    const platform::Win32Error erro = ReadRegistryText(platform::HKEY_CLASSES_ROOT, chave, nome, texto);
    if (erro != platform::ERROR_SUCCESS) return "<missing>";
    return texto.str();
}

bool ChaveExiste(const std::string& chave) {
    platform::HKEY aberta = nullptr;
    if (platform::Registry::OpenKey(platform::HKEY_CLASSES_ROOT, chave.c_str(), platform::KEY_READ, &aberta) !=
        platform::ERROR_SUCCESS) {
        return false;
    }
    platform::Registry::CloseKey(aberta);
    return true;
}

struct ValorEsperado {
    std::string chave;
    const char* nome;  // null: the default value
    std::string texto;
};

// Every key and value that registration writes, as the program's two scripts and its type
// library give them.
std::vector<ValorEsperado> Registro() {
    const std::string typeLib = "TypeLib\\{7E98B312-885F-4C2A-9E67-159841CE8D14}\\1.0";
    return {
        {kAppIdChave, nullptr, "Vaultis"},
        {"AppID\\Vaultis.EXE", "AppID", kAppId},
        {"Vaultis.ZTQD_Srv.1", nullptr, "ZTQD_Srv Class"},
        {"Vaultis.ZTQD_Srv.1\\CLSID", nullptr, kClsid},
        {"Vaultis.ZTQD_Srv", nullptr, "ZTQD_Srv Class"},
        {"Vaultis.ZTQD_Srv\\CLSID", nullptr, kClsid},
        {"Vaultis.ZTQD_Srv\\CurVer", nullptr, "Vaultis.ZTQD_Srv.1"},
        {kClsidChave, nullptr, "ZTQD_Srv Class"},
        {kClsidChave, "AppID", kAppId},
        {std::string(kClsidChave) + "\\ProgID", nullptr, "Vaultis.ZTQD_Srv.1"},
        {std::string(kClsidChave) + "\\VersionIndependentProgID", nullptr, "Vaultis.ZTQD_Srv"},
        {std::string(kClsidChave) + "\\LocalServer32", nullptr, KELVO_VAULTIS},
        {std::string(kClsidChave) + "\\TypeLib", nullptr, "{7E98B312-885F-4C2A-9E67-159841CE8D14}"},
        {typeLib, nullptr, "VaultisLib"},
        {typeLib + "\\0\\win32", nullptr, KELVO_VAULTIS},
    };
}

class VaultisRegistration : public ::testing::Test {
protected:
    kelvo::testing::TestEnvironment ambiente_;
};

// -RegServer, after either switch character and in any letter case, writes every key and value
// of both scripts and the type library, prints S_OK and exits with 0.
TEST_F(VaultisRegistration, RegServerWritesEveryKeyAndValue) {
    for (const std::vector<std::string>& argumentos :
         {std::vector<std::string>{"-RegServer"}, {"/regserver"}, {"-REGSERVER"}, {"-Embedding", "/RegServer"}}) {
        SCOPED_TRACE(argumentos.back());
        ASSERT_EQ(platform::com::DeleteKeyTree(platform::HKEY_CLASSES_ROOT, kClsidChave), platform::ERROR_SUCCESS);
        const Execucao execucao = RodaVaultis(argumentos);
        EXPECT_EQ(execucao.codigo, 0);
        EXPECT_EQ(execucao.saida, "Vaultis: HRESULT 0x00000000\n");
        for (const ValorEsperado& valor : Registro()) {
            EXPECT_EQ(Valor(valor.chave, valor.nome), valor.texto)
                << valor.chave << " " << (valor.nome ? valor.nome : "");
        }
        // No threading model is written for the local server.
        EXPECT_EQ(Valor(std::string(kClsidChave) + "\\LocalServer32", "ThreadingModel"), "<missing>");
    }
}

// The class key is replaced whole on registration: nothing stale from an older registration
// survives under it.
TEST_F(VaultisRegistration, RegServerReplacesTheWholeClassKey) {
    const platform::com::RegistryScriptKey antiga[] = {
        {std::string(kClsidChave) + "\\InprocServer32", "/antigo/caminho.so", {{"ThreadingModel", "Both"}}},
    };
    ASSERT_EQ(platform::com::ApplyRegistryScript(platform::HKEY_CLASSES_ROOT, antiga, true), platform::ERROR_SUCCESS);
    EXPECT_EQ(RodaVaultis({"-RegServer"}).codigo, 0);
    EXPECT_FALSE(ChaveExiste(std::string(kClsidChave) + "\\InprocServer32"));
    EXPECT_EQ(Valor(std::string(kClsidChave) + "\\LocalServer32"), KELVO_VAULTIS);
}

// -UnregServer removes what registration wrote, except the AppID key with its name.
TEST_F(VaultisRegistration, UnregServerRemovesAllButTheAppIdKey) {
    ASSERT_EQ(RodaVaultis({"-RegServer"}).codigo, 0);
    const Execucao execucao = RodaVaultis({"/UnregServer"});
    EXPECT_EQ(execucao.codigo, 0);
    EXPECT_EQ(execucao.saida, "Vaultis: HRESULT 0x00000000\n");
    for (const char* removida : {"AppID\\Vaultis.EXE", "Vaultis.ZTQD_Srv.1", "Vaultis.ZTQD_Srv", kClsidChave,
                                 "TypeLib\\{7E98B312-885F-4C2A-9E67-159841CE8D14}"}) {
        EXPECT_FALSE(ChaveExiste(removida)) << removida;
    }
    EXPECT_EQ(Valor(kAppIdChave), "Vaultis");
    // Unregistering what is not there is no failure.
    EXPECT_EQ(RodaVaultis({"-unregserver"}).codigo, 0);
}

// A registry that cannot be written fails the registration: exit code 1 and the failure printed.
TEST_F(VaultisRegistration, FailureGivesExitCodeOneAndTheHResult) {
    const std::string arquivo = ambiente_.Path("um-arquivo");
    kelvo::testing::WriteFile(arquivo, "x");
    ::setenv("KELVO_REGISTRY", (arquivo + "/registry").c_str(), 1);  // the environment restores it
    for (const char* chave : {"-RegServer", "-UnregServer"}) {
        const Execucao execucao = RodaVaultis({chave});
        EXPECT_EQ(execucao.codigo, 1) << chave;
        EXPECT_EQ(execucao.saida.rfind("Vaultis: HRESULT 0x8007", 0), 0u) << execucao.saida;
        EXPECT_NE(execucao.saida, "Vaultis: HRESULT 0x00000000\n");
    }
}

// The program path is the server's command line: a path with a blank is quoted so that starting
// the server runs that program and not the part before the blank.
TEST(QDScriptRegistro, ProgramPathIsOneCommandLineArgument) {
    for (const std::string caminho : {"/opt/kelvo/bin/Vaultis", "/opt/pasta com espaço/Vaultis"}) {
        std::string linha;
        for (const auto& chave : QDScriptRegistro(QD_SCRIPT_CLASSE, caminho.c_str())) {
            if (chave.path == std::string(kClsidChave) + "\\LocalServer32") linha = chave.defaultValue.value_or("");
        }
        EXPECT_EQ(platform::SplitCommandLine(linha), std::vector<std::string>{caminho});
    }
    EXPECT_EQ(QDScriptRegistro(QD_SCRIPT_CLASSE, "/opt/kelvo/bin/Vaultis").size(), 11u);
    EXPECT_EQ(QDScriptRegistro(QD_SCRIPT_APPID, nullptr).size(), 3u);
    EXPECT_TRUE(QDScriptRegistro(102, "/opt/kelvo/bin/Vaultis").empty());
}

// "-RegServer /x" is no switch: nothing is registered and the program serves ZTQD_Srv, ending
// when its last object is released.
TEST_F(VaultisRegistration, RegServerWithTrailingTextServesInstead) {
    QDRegistraInterfacesPendora();
    const pid_t servidor = ::fork();
    ASSERT_GE(servidor, 0);
    if (servidor == 0) {
        ::execl(KELVO_VAULTIS, KELVO_VAULTIS, "-RegServer", "/x", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::string endpoint;
    ASSERT_EQ(platform::com::ServerEndpointPath(CLSID_ZTQD_Srv, endpoint), platform::ERROR_SUCCESS);
    void* objeto = nullptr;
    platform::HRESULT hr = platform::E_FAIL;
    // Nothing tells when the program listens: it is asked until it answers or ends, however slowly
    // it starts (bounded only against a hang).
    const auto limite = std::chrono::steady_clock::now() + kelvo::testing::kWaitLimit;
    while (!objeto && platform::ProcessIsRunning(servidor) && std::chrono::steady_clock::now() < limite) {
        hr = platform::com::ActivateAtEndpoint(endpoint, CLSID_ZTQD_Srv, IID_IZTQD_Srv, &objeto);
        if (!objeto) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(hr, platform::S_OK);
    auto* srv = static_cast<IZTQD_Srv*>(objeto);
    EXPECT_EQ(srv->SetModoServico(), platform::S_OK);
    EXPECT_FALSE(ChaveExiste(kClsidChave));
    EXPECT_FALSE(ChaveExiste("AppID\\Vaultis.EXE"));
    srv->Release();
    EXPECT_EQ(kelvo::testing::EsperaFim(servidor), 0);
}

}  // namespace
