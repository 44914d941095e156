// The skeleton of a registration program end to end, against the real Vaultis on the demo
// company: the launcher starts it on the company this process opened (no company choice), its
// list shows the stored types, a row chosen shows in its form, a name changed and saved with OK
// shows in its row and is stored, and its window placement and splitter sizes come back at the
// next start. Each run is driven by the test script; a step that does not hold ends the program
// with a failure, which the test sees as its exit code.
#include "framework/application/zt_kelvo_app.h"
#include "framework/document/zt_kelvo_document.h"
#include "framework/frame/zt_kelvo_main_frame.h"
#include "outside/empral/tests/escolha_janela_roteiro.h"
#include "outside/pendora/qd_app_info.h"
#include "outside/pendora/ui/qd_common_doc.h"
#include "outside/pendora/ui/qd_itens_codigo.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"
#include "platform/text/codepage.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/document/single_doc_template.h"
#include "platform/ui/document/view.h"
#include "server/tests/vaultis_demo_preparo.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

namespace fs = std::filesystem;

// The skeleton's profile, under the suite's key and its title.
constexpr char kPerfil[] = "Software\\Quorvel\\Kelvo GED - Esqueleto\\";
constexpr char kNovoNome[] = "Contratos renovados";
// The skeleton's panes repeat ids (the list's grid and the form's OK are both 1): the list and the
// form are the two panes of the splitter in the first splitter's right pane.
const std::string kGrid = "0xE901/0xE900/1";
const std::string kForm = "0xE901/0xE910";

std::string Utf8(const String& ansi) { return Utf8FromAnsi(ansi.GetString()); }

std::string LePerfil(const char* secao, const char* entrada) {
    return ZTLeStringRegistry(HKEY_CURRENT_USER, (std::string(kPerfil) + secao).c_str(), entrada).str();
}
DWORD LePerfilInteiro(const char* secao, const char* entrada) {
    return ZTLeDWordRegistry(HKEY_CURRENT_USER, (std::string(kPerfil) + secao).c_str(), entrada);
}
void GravaPerfil(const char* secao, const char* entrada, const char* valor) {
    QCOMPARE(ZTGravaStringRegistry(HKEY_CURRENT_USER, (std::string(kPerfil) + secao).c_str(), entrada, valor), DWORD{0});
}
void GravaPerfilInteiro(const char* secao, const char* entrada, DWORD valor) {
    QCOMPARE(ZTGravaDWordRegistry(HKEY_CURRENT_USER, (std::string(kPerfil) + secao).c_str(), entrada, valor), DWORD{0});
}

// Stores a type of `codigo` and `nome` (every list empty) through the program's connection.
void GravaTipo(const char* codigo, const char* nome) {
    CQDTipDoc tipo;
    std::strncpy(tipo->szCodigo, codigo, sizeof tipo->szCodigo - 1);
    std::strncpy(tipo->szNome, nome, sizeof tipo->szNome - 1);
    std::uint32_t posicao = 0;
    QCOMPARE(CQDAppInfo::GetInstance()->GetConexao().GravaTipDoc(&posicao, tipo), S_OK);
    QVERIFY(posicao != 0);
}

// The normal rectangle of a stored placement: its last four numbers.
std::string Retangulo(const std::string& posicao) {
    std::size_t virgulas = 0, inicio = 0;
    for (std::size_t i = 0; i < posicao.size(); ++i) {
        if (posicao[i] == ',' && ++virgulas == 6) inicio = i + 1;
    }
    return virgulas == 9 ? posicao.substr(inicio) : std::string();
}

}  // namespace

class EsqueletoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<CZTKelvoApp> app_;
    SingleDocTemplate* modelo_ = nullptr;
    std::vector<CQDItemCodigo> tipos_;

    // Starts the skeleton through the launcher with `passos` as its script, lets the servers go
    // and waits for every process this test adopted: the skeleton and the servers; all must end
    // well (the skeleton's code is the script's result).
    void Executa(const std::string& passos) {
        const fs::path roteiro = ambiente_->Folder() / "roteiro.txt";
        kelvo::testing::WriteFile(roteiro, passos);
        fs::remove(roteiro.string() + ".falha");
        qputenv("KELVO_TEST_SCRIPT", QByteArray::fromStdString(roteiro.string()));
        const bool iniciou = CQDAppInfo::GetInstance()->ExecutaPrograma("Esqueleto");
        qunsetenv("KELVO_TEST_SCRIPT");
        QVERIFY(iniciou);
        CQDAppInfo::GetInstance()->Libera();
        const std::vector<int> codigos = kelvo::testing::WaitForRemainingChildren();
        QVERIFY(!codigos.empty());
        const std::string falha = kelvo::testing::ReadFile(roteiro.string() + ".falha");
        QVERIFY2(falha.empty(), falha.c_str());
        QVERIFY2(std::all_of(codigos.begin(), codigos.end(), [](int codigo) { return codigo == 0; }),
                 "the skeleton or a server ended badly");
    }

private slots:
    void initTestCase() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        const std::string falha = kelvo::testing::PreparaVaultisDemoOuFalha(*ambiente_);
        QVERIFY2(falha.empty(), falha.c_str());
        // The launcher finds the skeleton in the module's folder.
        QCOMPARE(ZTGravaStringRegistry(HKEY_LOCAL_MACHINE, (CZTString(ZT_CHAVE_SUITE) + ZTGetNomeModulo(ZT_MODULO_GED)).GetString(),
                                       ZT_VALOR_PATH, (std::string(ESQUELETO_DIR) + "/").c_str()),
                 DWORD{0});

        // This process opens DEMO through the company dialog, as a program the user started.
        app_ = std::make_unique<CZTKelvoApp>();
        app_->SetTitulo("Kelvo GED");
        modelo_ = new SingleDocTemplate(0, "Teste", [] { return new CQDCommonDoc; }, [] { return new CZTKelvoMainFrame; },
                                        [] { return new View; });
        app_->AddDocTemplate(modelo_);
        empral_testing::EscolheNoProximoDialogo(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUserName,
                                                AnsiFromUtf8(kelvo::setup::kDemoBranchName));
        QVERIFY(modelo_->OpenDocumentFile(nullptr));
        QCOMPARE(ClearDialogHooks(), 0);
        QTRY_VERIFY(CQDAppInfo::GetInstance()->TemConexao());
        GravaTipo("01", "Contratos");
        GravaTipo("02", "Notas fiscais");
        GravaTipo("03", "Correspond\xEAncia");
        QCOMPARE(QDLeItensTipDoc(CQDAppInfo::GetInstance()->GetConexao(), QD_PROCESSO_COUNT, tipos_), S_OK);
        QVERIFY(tipos_.size() >= 2);
    }

    void cleanupTestCase() {
        if (app_ && app_->m_pMainWnd) app_->m_pMainWnd->SendMessage(WM_CLOSE);
        CQDAppInfo::GetInstance()->Libera();
        app_.reset();
        QVERIFY(kelvo::testing::WaitForRemainingChildren().size() < 100);
        ambiente_.reset();
    }

    // Started by the launcher, the skeleton opens DEMO with no company choice (an unanswered
    // dialog fails the script), lists every stored type, shows the chosen row in its form, and a
    // name saved with OK shows in the row; the next start reads the saved name from the server.
    // The window it was given comes back and, with splitter sizes stored, those come back too.
    void launchedSkeletonListsEditsAndKeepsItsLayout() {
        const CQDItemCodigo& tipo = tipos_.front();
        GravaPerfil("Settings", "Janela", "0,1,-1,-1,-1,-1,20,30,740,570");
        Executa("wait 130\n"
                "expect " + kGrid + " count " + std::to_string(tipos_.size()) + "\n"
                "select " + kGrid + " text " + Utf8(tipo.strCodigo) + "\n"
                "expect " + kForm + "/1001 text " + Utf8(tipo.strCodigo) + "\n"
                "expect " + kForm + "/1002 text " + Utf8(tipo.strDescricao) + "\n"
                "type " + kForm + "/1002 " + kNovoNome + "\n"
                "click " + kForm + "/1\n"
                "expect " + kGrid + " text " + kNovoNome + "\n"
                "command 32900\n"
                "end\n");
        if (QTest::currentTestFailed()) return;
        QVERIFY(fs::exists(fs::path(KELVO_SCREENSHOTS) / "esqueleto-janela.png"));
        QCOMPARE(Retangulo(LePerfil("Settings", "Janela")), std::string("20,30,740,570"));
        QVERIFY(LePerfilInteiro("Splitter", "Splitter-0-x") > 0);

        GravaPerfil("Settings", "Janela", "0,1,-1,-1,-1,-1,40,50,700,530");
        GravaPerfilInteiro("Splitter", "Splitter-0-x", 210);
        GravaPerfilInteiro("Splitter", "Splitter-1-y", 150);
        Executa("wait 130\n"
                "select " + kGrid + " text " + Utf8(tipo.strCodigo) + "\n"
                "expect " + kForm + "/1002 text " + std::string(kNovoNome) + "\n"
                "end\n");
        if (QTest::currentTestFailed()) return;
        QCOMPARE(Retangulo(LePerfil("Settings", "Janela")), std::string("40,50,700,530"));
        QCOMPARE(LePerfilInteiro("Splitter", "Splitter-0-x"), DWORD{210});
        QCOMPARE(LePerfilInteiro("Splitter", "Splitter-1-y"), DWORD{150});
    }
};

QTEST_MAIN(EsqueletoTest)
#include "esqueleto_test.moc"
