// The programs' common document at start-up against the real Vaultis on the demo company, with
// the suite's main frame as main window: the company dialog opens DEMO, the frame's start-up steps show
// the user and the company and bind the program's connection, a second company start-up closes
// the first before opening again, and closing, a refused switch, a refused bind or a refresh
// without a company leaves no connection.
#include "framework/app/zt_kelvo_app_info.h"
#include "framework/frame/zt_kelvo_main_frame.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/document/zt_kelvo_document.h"
#include "framework/status/zt_status_bar_ids.h"
#include "framework/tests/barra_textos.h"
#include "framework/view/zt_fc_hints.h"
#include "outside/conexo/conexo_dados.h"
#include "outside/empral/tests/escolha_janela_roteiro.h"
#include "outside/pendora/qd_app_info.h"
#include "outside/pendora/ui/qd_common_doc.h"
#include "platform/text/codepage.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/document/single_doc_template.h"
#include "platform/ui/document/view.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "server/tests/vaultis_demo_preparo.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace platform;
using namespace platform::ui;
using empral_testing::EscolheNoProximoDialogo;
using framework::testing::BarraTextos;

namespace {

constexpr std::uint16_t kSemDireitos = 2;
constexpr char kNomeSemDireitos[] = "Sem Direitos";
const std::string kBarraDemo = "Usu\xE1rio: Supervisor  Empresa: DEMO";

// A hint as a view heard it, with whether the program's connection was bound then.
using Aviso = std::pair<LPARAM, bool>;

// Notes each hint with the connection's state at that moment.
class VisaoSonda final : public View {
public:
    explicit VisaoSonda(std::vector<Aviso>& avisos) : avisos_(avisos) {}

protected:
    void OnUpdate(View*, LPARAM hint, Object*) override {
        avisos_.emplace_back(hint, CQDAppInfo::GetInstance()->TemConexao());
    }

private:
    std::vector<Aviso>& avisos_;
};

// Waits for the servers this process adopted (a server ends once no connection holds it): how
// many ended, or -1 when one ended with a failure or did not end.
int ServidoresTerminados() {
    const std::vector<int> codigos = kelvo::testing::WaitForRemainingChildren();
    const bool todosBem = std::all_of(codigos.begin(), codigos.end(), [](int codigo) { return codigo == 0; });
    return todosBem ? static_cast<int>(codigos.size()) : -1;
}

// The demo branch's name as the dialog lists it.
std::string FilialDemo() { return AnsiFromUtf8(kelvo::setup::kDemoBranchName); }

}  // namespace

class QDCommonDocTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<CZTKelvoApp> app_;
    SingleDocTemplate* modelo_ = nullptr;
    std::vector<Aviso> avisos_;

    [[nodiscard]] CQDCommonDoc* Documento() const { return static_cast<CQDCommonDoc*>(modelo_->GetDocument()); }
    [[nodiscard]] BarraTextos& Barra() const {
        return static_cast<BarraTextos&>(*dynamic_cast<CZTKelvoMainFrame*>(app_->m_pMainWnd)->GetStatusBar());
    }

    // The program's start-up with the company dialog answered with DEMO and its supervisor, until
    // the frame's start-up steps have run.
    void AbreDemo() {
        EscolheNoProximoDialogo(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUserName, FilialDemo());
        QVERIFY(modelo_->OpenDocumentFile(nullptr));
        QCOMPARE(ClearDialogHooks(), 0);
        QTRY_VERIFY(!avisos_.empty() && avisos_.back().first == ZTFC_HINT_INICIALIZA);
    }

private slots:
    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        const std::string falha = kelvo::testing::PreparaVaultisDemoOuFalha(*ambiente_);
        QVERIFY2(falha.empty(), falha.c_str());
        REGUSU_PS semDireitos;
        semDireitos.iCodigo = kSemDireitos;
        std::strncpy(semDireitos.szNome, kNomeSemDireitos, sizeof semDireitos.szNome - 1);
        QCOMPARE(ConexoGravaUsuario(kelvo::setup::kDemoCompany, semDireitos, {kelvo::setup::kDemoBranch}), S_OK);

        avisos_.clear();
        app_ = std::make_unique<CZTKelvoApp>();
        app_->SetTitulo("Teste");
        modelo_ = new SingleDocTemplate(
            0, "Teste", [] { return new CQDCommonDoc; },
            [] {
                auto barra = std::make_unique<BarraTextos>();
                barra->SetPaineis(ZTSTATUS_PAINEIS_PADRAO | ZTSTATUS_PAINEL_USUARIO);
                return new CZTKelvoMainFrame(std::move(barra));
            },
            [this] { return new VisaoSonda(avisos_); });
        app_->AddDocTemplate(modelo_);
    }

    // Whatever a case left open is closed (a connection left by a fault too), and every server it
    // started has ended.
    void cleanup() {
        if (app_->m_pMainWnd) app_->m_pMainWnd->SendMessage(WM_CLOSE);
        CQDAppInfo::GetInstance()->Libera();
        QCOMPARE(ClearDialogHooks(), 0);
        app_.reset();
        QVERIFY(ServidoresTerminados() >= 0);
        ambiente_.reset();
    }

    // The dialog at start-up opens DEMO; the frame's steps show user and company and bind the
    // connection before hint 7, with the properties read. A second start-up with the frame up
    // closes the first company (no connection while hint 9 is heard) and opens it again in a new
    // session.
    void startUpOpensDemoAndASecondStartUpClosesItFirst() {
        kelvo::testing::RecordedWindowBoxes caixas;
        AbreDemo();
        if (QTest::currentTestFailed()) return;
        QTRY_COMPARE(Barra().textos[ID_ZTSTATUS_USUARIO], kBarraDemo);
        QCOMPARE(avisos_.back(), Aviso(ZTFC_HINT_INICIALIZA, true));
        const CQDAppInfo& appInfo = *CQDAppInfo::GetInstance();
        QVERIFY(appInfo.TemConexao());
        QCOMPARE(int{appInfo.GetPropriedades()->bFlags}, 0x0B);  // the demo's properties, not an empty record
        QCOMPARE(int{appInfo.GetPropriedades()->iVersaoSistema}, 1);
        QCOMPARE(int{appInfo.GetUsuario().iCodigo}, int{kelvo::setup::kDemoUser});
        const std::int32_t primeiraSessao = ZTGetAppInfo()->GetNumeroSecao();

        avisos_.clear();
        Barra().textos.clear();
        EscolheNoProximoDialogo(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUserName, FilialDemo());
        Documento()->InicializaEmpresa();
        QCOMPARE(ClearDialogHooks(), 0);
        const std::vector<Aviso> esperados{{ZTFC_HINT_LIMPA, false},
                                           {ZTFC_HINT_EMPRESA_ABERTA, false},
                                           {ZTFC_HINT_LIMPA, false},
                                           {ZTFC_HINT_INICIALIZA, true}};
        QCOMPARE(avisos_, esperados);
        QVERIFY(ZTGetAppInfo()->GetNumeroSecao() != primeiraSessao);
        QTRY_COMPARE(Barra().textos[ID_ZTSTATUS_USUARIO], kBarraDemo);
        QVERIFY(caixas.boxes.empty());
    }

    // Closing the program, or a switch to a user without rights, leaves the program without a
    // connection; the server, holding no other, ends.
    void closingOrARefusedSwitchLeavesNoConnection_data() {
        QTest::addColumn<bool>("recusada");
        QTest::newRow("closing") << false;
        QTest::newRow("refused switch") << true;
    }
    void closingOrARefusedSwitchLeavesNoConnection() {
        QFETCH(bool, recusada);
        kelvo::testing::RecordedWindowBoxes caixas;
        AbreDemo();
        if (QTest::currentTestFailed()) return;
        QVERIFY(CQDAppInfo::GetInstance()->TemConexao());
        if (recusada) {
            EscolheNoProximoDialogo(kelvo::setup::kDemoCompany, kNomeSemDireitos, FilialDemo());
            Documento()->InicializaEmpresa();
            QCOMPARE(caixas.boxes.size(), std::size_t{1});
            QCOMPARE(caixas.boxes[0].text, std::string(ZT_TEXTO_SEM_PERMISSAO));
            QVERIFY(!ZTGetAppInfo()->TemEmpresa());
        } else {
            app_->m_pMainWnd->SendMessage(WM_CLOSE);
            QVERIFY(!app_->m_pMainWnd);
            QVERIFY(caixas.boxes.empty());
        }
        QVERIFY(!CQDAppInfo::GetInstance()->TemConexao());
        QCOMPARE(ServidoresTerminados(), 1);
    }

    // A refresh whose bind the server refuses (the session can no longer be read, so no user) has
    // shown that one error and leaves no connection; a refresh with no company open binds
    // nothing and shows nothing.
    void refreshWithoutASessionOrACompanyLeavesNoConnection_data() {
        QTest::addColumn<bool>("semEmpresa");
        QTest::addColumn<int>("caixas");
        QTest::newRow("session lost") << false << 1;
        QTest::newRow("company closed") << true << 0;
    }
    void refreshWithoutASessionOrACompanyLeavesNoConnection() {
        QFETCH(bool, semEmpresa);
        QFETCH(int, caixas);
        AbreDemo();
        if (QTest::currentTestFailed()) return;
        kelvo::testing::RecordedWindowBoxes mostradas;
        if (semEmpresa) {
            Documento()->FechaEmpresa();
        } else {
            ZTGetAppInfo()->SetNumeroSecao(ZTGetAppInfo()->GetNumeroSecao() + 1000);
        }
        Documento()->Atualiza(nullptr);
        QCOMPARE(static_cast<int>(mostradas.boxes.size()), caixas);
        QVERIFY(!CQDAppInfo::GetInstance()->TemConexao());
    }
};

QTEST_MAIN(QDCommonDocTest)
#include "qd_common_doc_test.moc"
