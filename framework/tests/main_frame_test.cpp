// The main frames, offscreen: the placement and splitter sizes kept in the profile from one run to
// the next, the client area of each layout, the document's start once the window shows, the save
// results with and without a document, the suite frame's timer, bar, help and about box, and the
// title with the company.
#include "framework/app/zt_kelvo_app_info.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/document/zt_fc_document.h"
#include "framework/frame/zt_fc_posicao_janela.h"
#include "framework/frame/zt_kelvo_main_frame.h"
#include "framework/thread/zt_fc_thread_gravacao.h"
#include "framework/view/zt_fc_blocos.h"
#include "outside/linkora/zt_check_memory.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "platform/ui/document/single_doc_template.h"
#include "platform/ui/document/view.h"

#include <QtTest>

#include <memory>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr char kEntrada[] = "Janela";
constexpr char kMaximizada[] = "0,3,-1,-1,-1,-1,40,50,440,350";
constexpr Rect kRetanguloGuardado{40, 50, 440, 350};

// A view that knows which of CriaPaineis' classes made it.
class VisaoNumerada final : public View {
public:
    explicit VisaoNumerada(int numero) : numero(numero) {}
    const int numero;
};

// Whether the main window showed each time the document started, and the result blocks it got.
class DocumentoContado final : public CZTFCDocument {
public:
    std::vector<bool> inicios;
    int resultados = 0;

    void OnInicializa() override {
        const Wnd* janela = ZTGetMainWnd();
        inicios.push_back(janela && janela->IsWindowVisible());
    }
    void OnResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco) override {
        ++resultados;
        CZTFCDocument::OnResultadoGravacao(bloco);
    }
};

// A record that counts its copies going.
int gRegistrosDestruidos = 0;
class RegistroContado final : public CZTFCDados {
public:
    ~RegistroContado() override { ++gRegistrosDestruidos; }
};

// A suite frame whose client area is CriaPaineis(layout) of numbered views at fixed sizes.
class FrameDePaineis final : public CZTKelvoMainFrame {
public:
    explicit FrameDePaineis(int layout) : layout_(layout) {}

protected:
    BOOL OnCreateClient(CreateContext* contexto) override {
        const std::vector<ZTFC_CLASSE_VIEW> classes{[] { return new VisaoNumerada(0); },
                                                    [] { return new VisaoNumerada(1); },
                                                    [] { return new VisaoNumerada(2); }};
        const std::vector<Size> tamanhos{{100, 90}, {110, 120}, {10, 10}};
        return CriaPaineis(layout_, classes, tamanhos, contexto);
    }

private:
    const int layout_;
};

// Where one view of a layout lies: splitter, row and column.
struct Lugar {
    int splitter;
    int linha;
    int coluna;
};

Rect RetanguloDe(const Wnd& janela) {
    Rect retangulo;
    janela.GetWindowRect(&retangulo);
    return retangulo;
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<Lugar>)

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kelvo::testing::TestEnvironment> ambiente_;
    std::unique_ptr<CZTKelvoApp> app_;
    HWND frame_ = nullptr;

    [[nodiscard]] CZTFCMainFrame* Frame() const { return dynamic_cast<CZTFCMainFrame*>(Wnd::FromHandle(frame_)); }

    // `frame` made over `documento` (null: none, and no view), the main window, not shown yet.
    bool Carrega(CZTFCMainFrame* frame, CZTFCDocument* documento) {
        CreateContext contexto{documento, documento ? ZTFC_CLASSE_VIEW([] { return new View; }) : nullptr};
        if (!frame->LoadFrame(0, &contexto)) return false;
        frame_ = frame->GetSafeHwnd();
        app_->m_pMainWnd = frame;
        return true;
    }

    // Closes the main frame as the user does; its document goes with it.
    void Fecha() {
        if (CZTFCMainFrame* frame = Frame()) frame->SendMessage(WM_CLOSE);
        app_->m_pMainWnd = nullptr;
        frame_ = nullptr;
    }

    [[nodiscard]] String Guardada() const { return app_->GetProfileString("Settings", kEntrada, ""); }
    [[nodiscard]] int Tamanho(const char* entrada) const {
        return static_cast<int>(app_->GetProfileInt("Splitter", entrada, -1));
    }

private slots:
    void init() {
        ambiente_ = std::make_unique<kelvo::testing::TestEnvironment>();
        app_ = std::make_unique<CZTKelvoApp>();
        app_->SetTitulo("Kelvo GED");
        app_->SetChaveRegistro("Teste");
        gRegistrosDestruidos = 0;
    }

    void cleanup() {
        Fecha();
        app_.reset();
        ambiente_.reset();
    }

    // The stored placement and the show command the program was started with decide how the
    // window comes up; whatever it was, the placement is stored again on close.
    void placementComesBackUnlessAnotherShowCommandIsGiven_data() {
        QTest::addColumn<QString>("guardada");
        QTest::addColumn<int>("comando");
        QTest::addColumn<int>("esperado");
        QTest::addColumn<bool>("noRetangulo");
        // The first start must not need a stored placement, and must leave one behind.
        QTest::newRow("first start") << QString() << SW_SHOWNORMAL << SW_SHOWNORMAL << false;
        // A maximised window must not come back as a normal one.
        QTest::newRow("maximised, started normally") << QString(kMaximizada) << SW_SHOWNORMAL << SW_SHOWMAXIMIZED << true;
        // A program started minimised must not be maximised by the stored placement.
        QTest::newRow("maximised, started minimised") << QString(kMaximizada) << SW_SHOWMINIMIZED << SW_SHOWMINIMIZED << true;
        QTest::newRow("normal, started maximised") << QString("0,1,-1,-1,-1,-1,40,50,440,350") << SW_SHOWMAXIMIZED
                                                   << SW_SHOWMAXIMIZED << true;
        // A text with nine numbers is no placement: the command given shows the window as it is.
        QTest::newRow("nine numbers") << QString("0,3,-1,-1,-1,-1,40,50,440") << SW_SHOWNORMAL << SW_SHOWNORMAL << false;
    }
    void placementComesBackUnlessAnotherShowCommandIsGiven() {
        QFETCH(QString, guardada);
        QFETCH(int, comando);
        QFETCH(int, esperado);
        QFETCH(bool, noRetangulo);
        if (!guardada.isEmpty()) QVERIFY(app_->WriteProfileString("Settings", kEntrada, guardada.toLatin1().constData()));
        auto* documento = new DocumentoContado;
        QVERIFY(Carrega(new CZTKelvoMainFrame, documento));
        Frame()->InitialUpdateFrame(documento, TRUE, comando);

        WINDOWPLACEMENT posicao;
        QVERIFY(Frame()->GetWindowPlacement(&posicao));
        QCOMPARE(static_cast<int>(posicao.showCmd), esperado);
        QCOMPARE(posicao.rcNormalPosition == kRetanguloGuardado, noRetangulo);
        Fecha();
        WINDOWPLACEMENT gravada;
        QVERIFY2(ZTFCLePosicao(Guardada(), gravada), Guardada().GetString());
        QCOMPARE(static_cast<int>(gravada.showCmd), esperado);
    }

    // Sizes come back only when every splitter has some stored size; on close the sizes as laid
    // out are stored.
    void splitterSizesComeBackOnlyWhenEverySplitterHasThem_data() {
        QTest::addColumn<int>("alturaSegundo");
        QTest::addColumn<int>("larguraPrimeiro");
        // The second splitter without sizes must keep the first one from being restored too.
        QTest::newRow("second 0 and 0") << 0 << 100;
        QTest::newRow("second with a height") << 60 << 150;
    }
    void splitterSizesComeBackOnlyWhenEverySplitterHasThem() {
        QFETCH(int, alturaSegundo);
        QFETCH(int, larguraPrimeiro);
        QVERIFY(app_->WriteProfileString("Settings", kEntrada, "0,1,-1,-1,-1,-1,0,0,600,400"));
        QVERIFY(app_->WriteProfileInt("Splitter", "Splitter-0-x", 150));
        QVERIFY(app_->WriteProfileInt("Splitter", "Splitter-0-y", 80));
        QVERIFY(app_->WriteProfileInt("Splitter", "Splitter-1-x", 0));
        QVERIFY(app_->WriteProfileInt("Splitter", "Splitter-1-y", alturaSegundo));
        auto* frame = new FrameDePaineis(ZTFC_LAYOUT_ARVORE_LISTA_FORM);
        frame->SetGravaSplitters(1);
        auto* documento = new DocumentoContado;
        QVERIFY(Carrega(frame, documento));
        frame->InitialUpdateFrame(documento, TRUE, SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(frame->GetWidget()));

        int atual = 0;
        int minimo = 0;
        QTRY_VERIFY((frame->GetSplitter(0)->GetColumnInfo(0, atual, minimo), atual == larguraPrimeiro));
        frame->GetSplitter(1)->GetRowInfo(0, atual, minimo);
        const int alturaDoSegundo = atual;
        QCOMPARE(alturaDoSegundo, alturaSegundo > 0 ? alturaSegundo : 120);
        Fecha();
        QCOMPARE(Tamanho("Splitter-0-x"), larguraPrimeiro);
        QCOMPARE(Tamanho("Splitter-1-y"), alturaDoSegundo);
    }

    // Each layout puts view i where it belongs, the first splitter as the frame's pane 0xE900 and
    // a second one inside the first one's right pane; past the last splitter there is none.
    void eachLayoutPutsItsViewsInTheirPanes_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("splitters");
        QTest::addColumn<std::vector<Lugar>>("lugares");
        // On screen, "aLb": view a lies left of view b; "aAb": above it.
        QTest::addColumn<QStringList>("relacoes");
        QTest::newRow("1: list over form") << 1 << 1 << std::vector<Lugar>{{0, 0, 0}, {0, 1, 0}} << QStringList{"0A1"};
        QTest::newRow("2: tree beside list over form")
            << 2 << 2 << std::vector<Lugar>{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}} << QStringList{"0L1", "0L2", "1A2"};
        QTest::newRow("3: side by side") << 3 << 1 << std::vector<Lugar>{{0, 0, 0}, {0, 0, 1}} << QStringList{"0L1"};
        // An unknown layout must make nothing rather than a half client area.
        QTest::newRow("4: nothing") << 4 << 0 << std::vector<Lugar>{} << QStringList{};
    }
    void eachLayoutPutsItsViewsInTheirPanes() {
        QFETCH(int, layout);
        QFETCH(int, splitters);
        QFETCH(std::vector<Lugar>, lugares);
        QFETCH(QStringList, relacoes);
        auto* frame = new FrameDePaineis(layout);
        QVERIFY(Carrega(frame, nullptr));
        frame->ShowWindow(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(frame->GetWidget()));

        QCOMPARE(frame->GetQtdSplitters(), splitters);
        QCOMPARE(frame->GetSplitter(splitters), static_cast<SplitterWnd*>(nullptr));
        QCOMPARE(frame->GetSplitter(-1), static_cast<SplitterWnd*>(nullptr));
        if (splitters == 0) return;
        QCOMPARE(frame->GetDlgItem(AFX_IDW_PANE_FIRST), static_cast<Wnd*>(frame->GetSplitter(0)));
        if (splitters == 2) QCOMPARE(frame->GetSplitter(0)->GetPane(0, 1), static_cast<Wnd*>(frame->GetSplitter(1)));
        std::vector<Rect> retangulos;
        for (std::size_t i = 0; i < lugares.size(); ++i) {
            const Lugar& lugar = lugares[i];
            const auto* visao = dynamic_cast<VisaoNumerada*>(frame->GetSplitter(lugar.splitter)->GetPane(lugar.linha, lugar.coluna));
            QVERIFY2(visao && visao->numero == static_cast<int>(i), qPrintable(QString("view %1").arg(i)));
            QVERIFY(visao->IsWindowVisible());
            retangulos.push_back(RetanguloDe(*visao));
        }
        for (const QString& relacao : relacoes) {
            const Rect& a = retangulos[relacao[0].digitValue()];
            const Rect& b = retangulos[relacao[2].digitValue()];
            const bool certo = relacao[1] == 'L' ? a.right <= b.left : a.bottom <= b.top;
            QVERIFY2(certo, qPrintable(relacao));
        }
    }

    // The document starts once, from the posted WM_APP, when the window already shows.
    void documentStartsOnceAfterTheWindowShows() {
        auto* documento = new DocumentoContado;
        QVERIFY(Carrega(new CZTKelvoMainFrame, documento));
        Frame()->InitialUpdateFrame(documento, TRUE, SW_SHOWNORMAL);
        QCOMPARE(documento->inicios.size(), std::size_t{0});
        QTRY_COMPARE(documento->inicios, std::vector<bool>{true});
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(documento->inicios, std::vector<bool>{true});
    }

    // A save's result goes to the active document; without one, the block and its record copies
    // are freed all the same.
    void saveResultReachesTheDocumentOrIsFreed_data() {
        QTest::addColumn<bool>("comDocumento");
        QTest::newRow("active document") << true;
        // Without a document the block must not leak.
        QTest::newRow("no document") << false;
    }
    void saveResultReachesTheDocumentOrIsFreed() {
        QFETCH(bool, comDocumento);
        auto* documento = comDocumento ? new DocumentoContado : nullptr;
        QVERIFY(Carrega(new CZTKelvoMainFrame, documento));
        if (documento) Frame()->InitialUpdateFrame(documento, FALSE);
        auto* bloco = new ZTFC_BLOCO_LOTE;
        bloco->nQuantidade = 2;
        bloco->ppRegistros = new CZTFCDados*[2]{new RegistroContado, new RegistroContado};
        bloco->pExtra = new std::int32_t(7);
        QVERIFY(::platform::ui::PostMessage(frame_, WM_ZTFC_RESULTADO_GRAVACAO, 0, reinterpret_cast<LPARAM>(bloco)));
        QTRY_COMPARE(gRegistrosDestruidos, 2);
        if (documento) QCOMPARE(documento->resultados, 1);
    }

    // Made, the suite frame runs the memory timer and has its bar; help requests are its own
    // (TRUE), and the about box names the application and its system.
    void suiteFrameStartsItsTimerAndBarAndAnswersHelpAndAbout() {
        kelvo::testing::RecordedWindowBoxes caixas;
        auto* frame = new CZTKelvoMainFrame;
        QVERIFY(Carrega(frame, nullptr));
        QVERIFY(frame->GetStatusBar()->GetSafeHwnd());
        QCOMPARE(frame->GetStatusBar()->GetParent(), static_cast<Wnd*>(frame));
        QCOMPARE(frame->KillTimer(ZT_ID_TIMER_CHECK_MEMORY), TRUE);
        HELPINFO ajuda;
        QCOMPARE(frame->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&ajuda)), LRESULT{TRUE});
        QCOMPARE(frame->OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, nullptr), TRUE);
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        QCOMPARE(caixas.boxes[0].caption, std::string("Sobre Kelvo GED"));
        QVERIFY2(caixas.boxes[0].text.find("DF") != std::string::npos, caixas.boxes[0].text.c_str());
    }

    // The framework frame's title is the application's, not the document template's.
    void frameTitleIsTheApplicationsNotTheTemplates() {
        auto* modelo = new SingleDocTemplate(
            0, "Documento", [] { return new DocumentoContado; }, [] { return new CZTFCMainFrame; },
            [] { return new View; });
        app_->AddDocTemplate(modelo);
        QVERIFY(modelo->OpenDocumentFile(nullptr, FALSE));
        frame_ = app_->m_pMainWnd->GetSafeHwnd();
        String titulo;
        Frame()->GetWindowText(titulo);
        QCOMPARE(QString(titulo.GetString()), QString("Kelvo GED"));
    }

    // A new company name reaches the title as "<application title> - <name>".
    void companyNameComesIntoTheTitle() {
        auto* documento = new DocumentoContado;
        QVERIFY(Carrega(new CZTKelvoMainFrame, documento));
        Frame()->InitialUpdateFrame(documento, TRUE, SW_SHOWNORMAL);
        ZTGetAppInfo()->SetRazaoSocial("Comercial Exemplo");
        String titulo;
        Frame()->GetWindowText(titulo);
        QCOMPARE(QString(titulo.GetString()), QString("Kelvo GED - Comercial Exemplo"));
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
