// The application layers with windows: how an exception a handler let through ends, the company
// name's message to the main window, the main window only on the user-interface thread, the
// framework's TrataErro winding up the main frame's active document, and the company dialog as
// the company choice while the suite's application lives.
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_finalizavel.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/application/zt_kelvo_exception.h"
#include "framework/frame/zt_fc_main_frame.h"
#include "outside/empral/ui/zt_dlg_escolha_empresa.h"
#include "outside/empral/zt_emp.h"
#include "outside/mensor/zt_mensor.h"
#include "platform/exception.h"
#include "platform/text/codepage.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/document/create_context.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/view.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "platform/ui/window/wnd.h"
#include "util/config/module_table.h"
#include "util/message/zt_exception.h"

#include <QtTest>

#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace platform;
using namespace platform::ui;
using kelvo::testing::RecordedBox;

namespace {

constexpr UINT kLanca = WM_USER + 1;
constexpr UINT kConta = WM_USER + 2;
constexpr const char* kCompilacao = "Mar  4 2026 10:11:12";

std::function<void()> gLanca;
int gApagadas = 0;

// An exception that counts its deletion.
template <class Base>
class Contada final : public Base {
public:
    using Base::Base;
    ~Contada() override { ++gApagadas; }
};
using ZTExceptionContada = Contada<CZTException>;
using FileExceptionContada = Contada<FileException>;

// A window whose handler throws what the test asks, counts, or notes the company name it is sent.
class JanelaSonda final : public Wnd {
public:
    int contadas = 0;
    std::vector<std::string> razoesSociais;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case kLanca: gLanca(); return 0;
            case kConta: ++contadas; return 0;
            case ZT_WM_RAZAO_SOCIAL:
                razoesSociais.push_back(std::string(reinterpret_cast<const char*>(wParam)) + '|' + std::to_string(lParam));
                return 0;
            default: return Wnd::WindowProc(message, wParam, lParam);
        }
    }
};

class DocumentoFinalizavel final : public Document, public CZTFCFinalizavel {
public:
    int finalizacoes = 0;
    void OnFinaliza() override { ++finalizacoes; }
};

// What the suite's error report shows for these values, recorded apart.
RecordedBox RelatoEsperado(HRESULT codigo, std::int32_t subCodigo, std::int16_t extra, const char* arquivo,
                           std::int32_t linha) {
    kelvo::testing::RecordedBoxes referencia;
    ZTTrataErro2(codigo, subCodigo, extra, "", arquivo, linha, kCompilacao);
    return referencia.boxes.at(0);
}

// The framework's error box for an exception of no kind it knows.
RecordedBox CaixaDeErro(const std::string& texto, const char* codigo) {
    return {texto + AnsiFromUtf8("\n\nCódigo: ") + codigo, "Teste", MB_OK | MB_ICONERROR, false, 0};
}

// A company chooser that cancels every choice and counts them.
class EscolhaContada final : public IZTEscolhaEmpresa {
public:
    bool Escolhe(const ZT_PEDIDO_ESCOLHA&, const CZTCatalogoEmpresas&, ZT_ESCOLHA_EMPRESA&) override {
        ++pedidos;
        return false;
    }
    int pedidos = 0;
};

// A company choice as the company start-up asks for it; whether one was made.
bool PedeEmpresa() {
    char empresa[ZT_TAM_CODIGO_EMPRESA] = "";
    std::uint16_t filial = 0;
    REGUSU_PS usuario;
    return CZTEmp::GetEmpresaEx("QD", false, empresa, filial, usuario, false);
}

void Esvazia() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class ApplicationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Esvazia(); }

    // Error objects end quietly after their own report, a CZTException shows itself and is
    // deleted, anything else is one box with its text and HRESULT; the next message is handled.
    void uncaughtExceptionEndsByItsKind() {
        const FileExceptionContada arquivo(FileException::fileNotFound, 2, "/dados/contrato.qd");
        char textoArquivo[512] = "";
        arquivo.GetErrorMessage(textoArquivo, sizeof textoArquivo);
        const struct {
            const char* nome;
            std::function<void()> lanca;
            std::function<std::vector<RecordedBox>()> esperadas;
            int apagadas;
        } casos[] = {
            {"suite error object",
             [] { throw CZTKelvoException(E_NOTIMPL, 12, -1801, 792, "ZTKelvoDocument.cpp", kCompilacao); },
             [] { return std::vector{RelatoEsperado(E_NOTIMPL, 12, -1801, "ZTKelvoDocument.cpp", 792)}; }, 0},
            {"framework error object", [] { throw CZTFCException(E_FAIL, 3, 40, "ZTFCDocument.cpp", kCompilacao); },
             [] { return std::vector{RelatoEsperado(E_FAIL, 3, 0, "ZTFCDocument.cpp", 40)}; }, 0},
            {"CZTException by pointer", [] { throw new ZTExceptionContada("Falha de teste", ZT_MODULO_GED); },
             [] {
                 kelvo::testing::RecordedBoxes referencia;
                 CZTException("Falha de teste", ZT_MODULO_GED).ReportError();
                 return referencia.boxes;
             },
             1},
            {"file exception by pointer",
             [] { throw new FileExceptionContada(FileException::fileNotFound, 2, "/dados/contrato.qd"); },
             [&] { return std::vector{CaixaDeErro(textoArquivo, "0x80070002")}; }, 1},
            {"standard exception", [] { throw std::runtime_error("falhou"); },
             [] { return std::vector{CaixaDeErro("falhou", "0x8004EA65")}; }, 0},
            {"anything else", [] { throw 7; }, [] { return std::vector{CaixaDeErro("Erro", "0x80004005")}; }, 0},
        };
        for (const auto& caso : casos) {
            const std::vector<RecordedBox> esperadas = caso.esperadas();
            gApagadas = 0;
            gLanca = caso.lanca;
            CZTKelvoApp app;
            app.SetTitulo("Teste");
            kelvo::testing::RecordedWindowBoxes caixas;
            JanelaSonda janela;
            QVERIFY(janela.Create(nullptr, 0));
            QVERIFY(janela.PostMessage(kLanca));
            QVERIFY(janela.PostMessage(kConta));
            QTRY_COMPARE(janela.contadas, 1);
            QVERIFY2(caixas.boxes == esperadas, caso.nome);
            QVERIFY2(gApagadas == caso.apagadas, caso.nome);
        }
    }

    // Once the application is gone, the window layer's own handler is back.
    void exceptionRulesLastAsLongAsTheApplication() {
        { const CZTFCApp app; }
        gLanca = [] { throw std::runtime_error("falhou"); };
        kelvo::testing::RecordedWindowBoxes caixas;
        JanelaSonda janela;
        QVERIFY(janela.Create(nullptr, 0));
        QCOMPARE(janela.SendMessage(kLanca), LRESULT{0});
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(caixas.boxes[0].text), QString("falhou"));
    }

    // The company name reaches the main window as WM_APP + 3 with the name and lParam 0; without
    // a main window it is only stored.
    void companyNameReachesTheMainWindow() {
        CZTKelvoApp app;
        JanelaSonda janela;
        QVERIFY(janela.Create(nullptr, 0));
        ZTGetAppInfo()->SetRazaoSocial("Sem janela Ltda");
        app.m_pMainWnd = &janela;
        ZTGetAppInfo()->SetRazaoSocial("Comercial Exemplo S/A");
        app.m_pMainWnd = nullptr;
        QCOMPARE(ZT_WM_RAZAO_SOCIAL, UINT{0x8003});
        QCOMPARE(janela.razoesSociais, (std::vector<std::string>{"Comercial Exemplo S/A|0"}));
        QCOMPARE(ZTGetAppInfo()->GetRazaoSocial(), CZTString("Comercial Exemplo S/A"));
    }

    // Another thread must not reach the user-interface thread's main window.
    void mainWindowOnlyOnTheUserInterfaceThread() {
        CZTKelvoApp app;
        JanelaSonda janela;
        QVERIFY(janela.Create(nullptr, 0));
        app.m_pMainWnd = &janela;
        Wnd* doTrabalhador = &janela;
        std::thread trabalhador([&] { doTrabalhador = ZTGetMainWnd(); });
        trabalhador.join();
        QCOMPARE(ZTGetMainWnd(), static_cast<Wnd*>(&janela));
        QCOMPARE(doTrabalhador, static_cast<Wnd*>(nullptr));
        app.m_pMainWnd = nullptr;
    }

    // Only the main frame's active document is wound up when an error object is made.
    void trataErroWindsUpTheMainFramesActiveDocument_data() {
        QTest::addColumn<bool>("principal");
        QTest::addColumn<bool>("comVisaoAtiva");
        QTest::addColumn<int>("finalizacoes");
        QTest::newRow("main frame with an active document") << true << true << 1;
        QTest::newRow("main frame without an active view") << true << false << 0;
        QTest::newRow("frame that is not the main window") << false << true << 0;
    }
    void trataErroWindsUpTheMainFramesActiveDocument() {
        QFETCH(bool, principal);
        QFETCH(bool, comVisaoAtiva);
        QFETCH(int, finalizacoes);
        CZTFCApp app;
        auto* documento = new DocumentoFinalizavel;
        auto* frame = new CZTFCMainFrame;
        CreateContext contexto{documento, [] { return new View; }};
        QVERIFY(frame->LoadFrame(0, &contexto));
        frame->InitialUpdateFrame(documento, FALSE);
        if (!comVisaoAtiva) frame->SetActiveView(nullptr);
        if (principal) app.m_pMainWnd = frame;

        CZTFCException erro(E_FAIL, 0, 10, "ZTFCDocument.cpp", kCompilacao);
        QCOMPARE(documento->finalizacoes, finalizacoes);
        QCOMPARE(app.TrataErro(erro), false);
        QCOMPARE(documento->finalizacoes, 2 * finalizacoes);

        app.m_pMainWnd = nullptr;
        documento->OnCloseDocument();
    }

    // Every company choice made while the application lives is the company dialog's; once the
    // application is gone, the chooser it replaced answers again.
    void companyChoiceIsTheDialogWhileTheApplicationLives() {
        EscolhaContada anterior;
        IZTEscolhaEmpresa* original = CZTEmp::SetEscolhaEmpresa(&anterior);
        int dialogos = 0;
        // Cancels the next company dialog, so that a dialog shown by mistake ends the case too.
        const auto cancelaProximo = [&dialogos] {
            OnNextDialog(IDD_ZTESCOLHA_EMPRESA, [&dialogos](Wnd& dialogo) {
                ++dialogos;
                static_cast<Dialog&>(dialogo).EndDialog(IDCANCEL);
            });
        };
        {
            CZTKelvoApp app;
            cancelaProximo();
            QVERIFY(!PedeEmpresa());
            QCOMPARE(dialogos, 1);
            QCOMPARE(anterior.pedidos, 0);
        }
        cancelaProximo();
        QVERIFY(!PedeEmpresa());
        QCOMPARE(anterior.pedidos, 1);
        QCOMPARE(dialogos, 1);
        QCOMPARE(ClearDialogHooks(), 1);
        CZTEmp::SetEscolhaEmpresa(original);
    }
};

QTEST_MAIN(ApplicationWindowTest)
#include "application_window_test.moc"
