// The launcher of the module's programs, with fake programs in the test's folder: the program
// starts from the module's folder (else beside the running program) with the open company's
// switches, which the suite's command line reads back, and runs on after its caller ends; the
// programs this installation lacks and those that cannot be started are reported.
#include "framework/application/zt_fc_parametros.h"
#include "framework/application/zt_kelvo_app.h"
#include "outside/pendora/qd_app_info.h"
#include "platform/registry/registry.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/folder_wait.h"
#include "platform/tests/support/test_environment.h"
#include "platform/text/codepage.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvo::testing::RecordedBox;

constexpr char kEmpresa[] = "DEMO";
constexpr std::uint16_t kFilial = 1;
constexpr std::int32_t kSecao = 4711;
constexpr char kCaption[] = "Kelvo GED";

// What a fake program recorded: its process, the path it was started as and its arguments.
struct Registro {
    pid_t processo = 0;
    std::string caminho;
    std::vector<std::string> argumentos;
};

Registro LeRegistro(const fs::path& arquivo) {
    std::istringstream linhas(kelvo::testing::ReadFile(arquivo));
    Registro registro;
    std::string linha;
    if (std::getline(linhas, linha)) registro.processo = static_cast<pid_t>(std::stol(linha));
    std::getline(linhas, registro.caminho);
    while (std::getline(linhas, linha)) registro.argumentos.push_back(linha);
    return registro;
}

std::string Ansi(const char* utf8) { return platform::AnsiFromUtf8(utf8); }

bool Contem(const std::string& texto, const std::string& trecho) { return texto.find(trecho) != std::string::npos; }

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        const auto preparo = kelvo::setup::PrepareEmbeddedDefault(ambiente_.Path("dados"), programas_.string(),
                                                                  kelvo::setup::ModuleMessageFile());
        ASSERT_TRUE(preparo.failures.empty());
        fs::create_directories(registros_);
        ASSERT_EQ(::mkfifo(espera_.c_str(), 0600), 0);
        app_.GetAppInfo()->SetEmpresa(kEmpresa, kFilial, kSecao);
    }

    // A fake program `nome` in `pasta`: records its process, its path and its arguments, one a
    // line, written whole before it appears under its name in the records' folder, then waits for
    // a line that nobody writes, until the test ends it.
    void CriaProgramaFalso(const fs::path& pasta, const std::string& nome) const {
        const std::string registro = (registros_ / nome).string();
        kelvo::testing::WriteFile(pasta / nome, "#!/bin/sh\n"
                                                "{ echo $$; echo \"$0\"; printf '%s\\n' \"$@\"; } > '" +
                                                    registro + ".part' && mv '" + registro + ".part' '" + registro +
                                                    "'\n"
                                                    "read linha < '" +
                                                    espera_.string() + "'\n");
        fs::permissions(pasta / nome, fs::perms::owner_all);
    }

    // The record of program `nome`, once it has arrived.
    [[nodiscard]] Registro EsperaRegistro(const std::string& nome) const {
        const fs::path arquivo = registros_ / nome;
        EXPECT_TRUE(kelvo::testing::WaitInFolder(registros_, [&] { return fs::exists(arquivo); }));
        return fs::exists(arquivo) ? LeRegistro(arquivo) : Registro{};
    }

    kelvo::testing::TestEnvironment ambiente_;
    fs::path programas_ = ambiente_.Folder() / "programas";
    fs::path registros_ = ambiente_.Folder() / "registros";
    fs::path espera_ = ambiente_.Folder() / "espera";
    CZTKelvoApp app_;
    kelvo::testing::RecordedWindowBoxes caixas_;
};

// Started from the module's folder with exactly the switches the suite's command line turns back
// into the same company, branch and session (a program that asked for the company again, or opened
// another, fails); it runs on once its caller has ended (a launcher that waits for the program, or
// takes it down with itself, fails).
TEST_F(Launcher, StartsTheProgramOnTheCompanyAndItOutlivesTheCaller) {
    CriaProgramaFalso(programas_, "Locan");
    const pid_t chamador = ::fork();
    ASSERT_GE(chamador, 0);
    if (chamador == 0) {
        const bool iniciou = CQDAppInfo::GetInstance()->ExecutaPrograma("Locan");
        ::_exit(iniciou && caixas_.boxes.empty() ? 0 : 1);
    }
    EXPECT_EQ(kelvo::testing::WaitForChild(chamador), 0);
    const Registro registro = EsperaRegistro("Locan");
    ASSERT_GT(registro.processo, 0);
    EXPECT_TRUE(platform::ProcessIsRunning(registro.processo));
    ::kill(registro.processo, SIGTERM);

    EXPECT_EQ(fs::path(registro.caminho), programas_ / "Locan");
    EXPECT_EQ(registro.argumentos, (std::vector<std::string>{"/EDEMO", "/U1", "/L4711"}));

    app_.m_arguments.assign(registro.argumentos.begin(), registro.argumentos.end());
    app_.SetAppInfo(new CZTKelvoAppInfo);
    CZTFCParametros parametros;
    app_.ProcessaLinhaComando(parametros);
    EXPECT_EQ(app_.GetAppInfo()->GetEmpresa(), kEmpresa);
    EXPECT_EQ(app_.GetAppInfo()->GetFilial(), kFilial);
    EXPECT_EQ(app_.GetAppInfo()->GetNumeroSecao(), kSecao);
    EXPECT_TRUE(app_.GetAppInfo()->GetEmpresaPreSelecionada());
}

// Without the module's "Path" the program beside the running one starts (a launcher that gave up,
// or looked in the working folder, fails).
TEST_F(Launcher, WithoutTheModulesFolderStartsTheProgramBesideTheRunningOne) {
    ASSERT_EQ(ZTApagaValorRegistry(platform::HKEY_LOCAL_MACHINE,
                                   CZTString(ZT_CHAVE_SUITE) + ZTGetNomeModulo(ZT_MODULO_GED), ZT_VALOR_PATH),
              platform::ERROR_SUCCESS);
    const fs::path daqui = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string nome = "programa-falso-" + std::to_string(::getpid());
    CriaProgramaFalso(daqui, nome);

    const bool iniciou = CQDAppInfo::GetInstance()->ExecutaPrograma(nome.c_str());
    const Registro registro = iniciou ? EsperaRegistro(nome) : Registro{};
    if (registro.processo > 0) ::kill(registro.processo, SIGTERM);
    fs::remove(daqui / nome);

    EXPECT_TRUE(iniciou);
    EXPECT_EQ(fs::path(registro.caminho), daqui / nome);
    EXPECT_TRUE(caixas_.boxes.empty());
}

// A program that is not started tells the user why, under the module's caption, and claims no
// start. One that is missing, or may not be run, names itself and the folder it was looked for in
// (a launcher that said nothing fails); the suite's programs of users and of companies and
// branches are not part of this installation and point to the administration tool.
TEST_F(Launcher, AProgramNotStartedIsReported) {
    kelvo::testing::WriteFile(programas_ / "Typor", "#!/bin/sh\n");
    fs::permissions(programas_ / "Typor", fs::perms::owner_read | fs::perms::owner_write);
    const std::string naoIniciado = Ansi("Não foi possível iniciar o programa ");
    const std::string foraDaInstalacao = Ansi(" não faz parte desta instalação");
    const struct {
        const char* programa;
        platform::UINT estilo;
        std::vector<std::string> trechos;
    } casos[] = {
        {"Dossar", platform::MB_OK | platform::MB_ICONEXCLAMATION, {naoIniciado + "Dossar", programas_.string()}},
        {"Typor", platform::MB_OK | platform::MB_ICONEXCLAMATION, {naoIniciado + "Typor", programas_.string()}},
        {"Teskar", platform::MB_OK | platform::MB_ICONINFORMATION, {"O programa Teskar" + foraDaInstalacao, "kelvo-admin"}},
        {"Ombrel", platform::MB_OK | platform::MB_ICONINFORMATION, {"O programa Ombrel" + foraDaInstalacao, "kelvo-admin"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.programa);
        caixas_.boxes.clear();
        EXPECT_FALSE(CQDAppInfo::GetInstance()->ExecutaPrograma(caso.programa));
        ASSERT_EQ(caixas_.boxes.size(), 1u);
        const RecordedBox& caixa = caixas_.boxes[0];
        EXPECT_EQ(caixa.caption, kCaption);
        EXPECT_EQ(caixa.type, caso.estilo);
        for (const std::string& trecho : caso.trechos) EXPECT_TRUE(Contem(caixa.text, trecho)) << caixa.text;
    }
}

}  // namespace
