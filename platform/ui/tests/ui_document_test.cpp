// A single-document program's life: what the template makes in which order, what a refused new
// document leaves behind, how a frame closes (or refuses to), and which views hear of a change.
#include "platform/ui/app/command_line_info.h"
#include "platform/ui/app/run_application.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/single_doc_template.h"
#include "platform/ui/document/view.h"

#include <QtTest>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kLiftVeto = WM_APP + 1;

QStringList gLog;
bool gAcceptNewDocument = true;
bool gVetoClose = false;

void Log(const QString& line) { gLog << line; }

class LogDocument final : public Document {
public:
    LogDocument() { Log("document"); }
    ~LogDocument() override { Log("~document"); }
    BOOL OnNewDocument() override {
        Log(AfxGetMainWnd() ? "new document, main window set" : "new document");
        return gAcceptNewDocument ? TRUE : FALSE;
    }
    void OnCloseDocument() override {
        Log("close document");
        Document::OnCloseDocument();
    }
};

class LogView final : public View {
public:
    explicit LogView(QString name = "view") : name_(std::move(name)) { Log(name_); }
    ~LogView() override { Log("~" + name_); }
    void OnInitialUpdate() override { Log("initial update"); }

protected:
    void OnUpdate(View*, LPARAM hint, Object*) override { Log(QString("%1 hears %2").arg(name_).arg(hint)); }

private:
    QString name_;
};

class LogFrame final : public FrameWnd {
public:
    LogFrame() { Log("frame"); }
    ~LogFrame() override { Log("~frame"); }
    void ActivateFrame(int nCmdShow) override {
        Log(QString("activate %1").arg(nCmdShow));
        FrameWnd::ActivateFrame(nCmdShow);
    }

protected:
    void OnClose() override {
        if (!gVetoClose) return FrameWnd::OnClose();
        Log("close refused");
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kLiftVeto) return FrameWnd::WindowProc(message, wParam, lParam);
        Log(IsWindow(m_hWnd) ? "still open" : "gone");
        gVetoClose = false;
        PostMessage(WM_CLOSE);
        return 0;
    }
};

// Makes a new file from the command line and, when that worked, closes its main window again.
class LogApp final : public WinApp {
public:
    LogApp() : WinApp("Teste") {}
    BOOL InitInstance() override {
        AddDocTemplate(new SingleDocTemplate(
            1, "Teste\nDocumento", [] { return new LogDocument; }, [] { return new LogFrame; },
            [] { return new LogView; }));
        CommandLineInfo info;
        ParseCommandLine(info);
        if (!ProcessShellCommand(info)) {
            Log("shell command refused");
            return FALSE;
        }
        Log("shell command done");
        m_pMainWnd->PostMessage(WM_CLOSE);
        if (gVetoClose) m_pMainWnd->PostMessage(kLiftVeto);
        return TRUE;
    }
    int ExitInstance() override {
        Log("exit");
        return 7;
    }
};

}  // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void init() { gLog.clear(); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The order callers rely on: OnNewDocument before the main window is set; a refusal destroys
    // document and frame and ends the program before the loop; a refused close keeps the frame.
    void lifeOfTheProgram_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("veto");
        QTest::addColumn<QStringList>("expected");
        const QStringList made{"document", "frame", "view", "new document"};
        const QStringList closed{"close document", "~view", "~frame", "~document", "exit"};
        QTest::newRow("new file, closed") << true << false
                                          << made + QStringList{"initial update", "activate 1", "shell command done"} + closed;
        QTest::newRow("new document refused")
            << false << false << made + QStringList{"~view", "~frame", "~document", "shell command refused", "exit"};
        QTest::newRow("close refused once")
            << true << true
            << made + QStringList{"initial update", "activate 1", "shell command done", "close refused", "still open"} + closed;
    }
    void lifeOfTheProgram() {
        QFETCH(bool, accept);
        QFETCH(bool, veto);
        QFETCH(QStringList, expected);
        gAcceptNewDocument = accept;
        gVetoClose = veto;
        LogApp app;
        char name[] = "ui_document_tests";
        char* argv[] = {name, nullptr};
        QCOMPARE(RunApplication(app, 1, argv), 7);
        QCOMPARE(gLog, expected);
        QVERIFY(!app.m_pMainWnd);
    }

    // Every view but the one that made the change hears of it, oldest first.
    void updateReachesEveryViewButTheSender() {
        auto* document = new LogDocument;
        auto* frame = new LogFrame;
        CreateContext context{document, [] { return new LogView("first"); }};
        QVERIFY(frame->LoadFrame(0, &context));
        auto* second = static_cast<LogView*>(CreateViewFromContext({document, [] { return new LogView("second"); }}, *frame, 2));
        auto* third = static_cast<LogView*>(CreateViewFromContext({document, [] { return new LogView("third"); }}, *frame, 3));
        QVERIFY(second && third);
        gLog.clear();
        document->UpdateAllViews(second, 5);
        document->UpdateAllViews(nullptr, 6);
        QCOMPARE(gLog, (QStringList{"first hears 5", "third hears 5", "first hears 6", "second hears 6", "third hears 6"}));
        document->OnCloseDocument();
        QVERIFY(gLog.endsWith("~document"));
    }
};

QTEST_MAIN(DocumentTest)
#include "ui_document_test.moc"
