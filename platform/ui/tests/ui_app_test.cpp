// The application object: its profile in the registry store, its command line, the wait cursor,
// the box routine's hook, and the seams it installs while it runs.
#include "platform/interaction.h"
#include "platform/registry/registry.h"
#include "platform/system/device_context.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/app/command_line_info.h"
#include "platform/ui/app/run_application.h"
#include "platform/ui/app/wait_cursor.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "platform/ui/window/wnd.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kWorkThatThrows = WM_USER + 1;

// Records every argument as "param|flag|last".
class RecordingInfo final : public CommandLineInfo {
public:
    QStringList seen;
    void ParseParam(const char* param, BOOL isFlag, BOOL isLast) override {
        seen << QString("%1|%2|%3").arg(param).arg(isFlag).arg(isLast);
        CommandLineInfo::ParseParam(param, isFlag, isLast);
    }
};

// Begins a wait cursor around work that throws.
class BusyWnd final : public Wnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kWorkThatThrows) return Wnd::WindowProc(message, wParam, lParam);
        const WaitCursor wait;
        throw std::runtime_error("no meio do trabalho");
    }
};

// Checks, while it runs, that code without windows goes through the layer.
class SeamApp final : public WinApp {
public:
    SeamApp() : WinApp("Sonda") {}
    Wnd mainWindow;
    const DeviceContext* screen = nullptr;
    int pixelsPerInch = 0;
    int answer = 0;
    BOOL InitInstance() override {
        screen = &ScreenDeviceContext();
        pixelsPerInch = screen->LogicalPixelsY();
        if (!mainWindow.Create(nullptr, 0)) return FALSE;
        m_pMainWnd = &mainWindow;
        answer = CurrentInteraction().ShowMessage("sem janela", "Util", MB_YESNO, true);
        return FALSE;
    }
    int ExitInstance() override { return 3; }
};

String ReadStored(const char* path, const char* entry) {
    HKEY key = nullptr;
    if (Registry::OpenKey(HKEY_CURRENT_USER, path, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
    char buffer[64] = {};
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    const Win32Error result = Registry::QueryValue(key, entry, &type, buffer, &size);
    Registry::CloseKey(key);
    return result == ERROR_SUCCESS ? String(buffer) : "<no value>";
}

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

private slots:
    // Values must live under "Software\<key>\<profile>\<section>" and come back as written,
    // also after the application replaces its profile name.
    void profileValuesRoundTrip() {
        const kelvo::testing::TestEnvironment environment;
        WinApp app("Dossar");
        QCOMPARE(app.WriteProfileString("Janela", "Titulo", "antes"), FALSE);  // no registry key yet
        app.SetRegistryKey("Quorvel");
        QCOMPARE(QString(app.m_pszProfileName), QString("Dossar"));
        QVERIFY(app.WriteProfileString("Janela", "Titulo", "Caf\xE9"));
        QVERIFY(app.WriteProfileInt("Janela", "Largura", -640));
        const BYTE placement[] = {1, 0, 2, 0xFF};
        QVERIFY(app.WriteProfileBinary("Janela", "Posicao", placement, sizeof placement));

        QCOMPARE(app.GetProfileString("Janela", "Titulo"), String("Caf\xE9"));
        QCOMPARE(static_cast<int>(app.GetProfileInt("Janela", "Largura", 0)), -640);
        BYTE* data = nullptr;
        UINT bytes = 0;
        QVERIFY(app.GetProfileBinary("Janela", "Posicao", &data, &bytes));
        QCOMPARE(bytes, UINT{sizeof placement});
        QVERIFY(std::memcmp(data, placement, bytes) == 0);
        delete[] data;
        QCOMPARE(ReadStored("Software\\Quorvel\\Dossar\\Janela", "Titulo"), String("Caf\xE9"));

        QCOMPARE(app.GetProfileString("Janela", "Falta", "padrao"), String("padrao"));
        QCOMPARE(app.GetProfileInt("Janela", "Titulo", 9), UINT{9});  // a string is no number
        std::free(app.m_pszProfileName);
        app.m_pszProfileName = ::strdup("Outro");
        QCOMPARE(app.GetProfileString("Janela", "Titulo", "nada"), String("nada"));
        QVERIFY(app.WriteProfileString("Janela", "Titulo", "novo"));
        QCOMPARE(ReadStored("Software\\Quorvel\\Outro\\Janela", "Titulo"), String("novo"));
    }

    // '/' and '-' start switches, anything else is a parameter; the first parameter is the file.
    void commandLineSplitsSwitchesAndParameters_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<int>("shellCommand");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << int{CommandLineInfo::FileNew} << "";
        QTest::newRow("switches only") << QStringList{"/Empresa=1", "-x"} << QStringList{"Empresa=1|1|0", "x|1|1"}
                                       << int{CommandLineInfo::FileNew} << "";
        QTest::newRow("a file among switches") << QStringList{"-s", "doc.txt", "/p", "outro.txt"}
                                               << QStringList{"s|1|0", "doc.txt|0|0", "p|1|0", "outro.txt|0|1"}
                                               << int{CommandLineInfo::FileOpen} << "doc.txt";
    }
    void commandLineSplitsSwitchesAndParameters() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, seen);
        QFETCH(int, shellCommand);
        QFETCH(QString, fileName);
        WinApp app("Linha");
        for (const QString& argument : arguments) app.m_arguments.emplace_back(argument.toStdString());
        RecordingInfo info;
        app.ParseCommandLine(info);
        QCOMPARE(info.seen, seen);
        QCOMPARE(int{info.m_nShellCommand}, shellCommand);
        QCOMPARE(QString(info.m_strFileName), fileName);
    }

    // Nested waits show one cursor until the outermost ends; a throw must not leave it on.
    void waitCursorStaysBalanced() {
        WinApp app("Espera");
        app.BeginWaitCursor();
        app.BeginWaitCursor();
        app.EndWaitCursor();
        QVERIFY(QGuiApplication::overrideCursor());
        app.EndWaitCursor();
        QVERIFY(!QGuiApplication::overrideCursor());
        app.EndWaitCursor();  // one End too many changes nothing
        QVERIFY(!QGuiApplication::overrideCursor());

        int handed = 0;
        const ExceptionHandler previous = SetExceptionHandler([&](std::exception_ptr) { ++handed; });
        BusyWnd window;
        QVERIFY(window.Create(nullptr, 0));
        window.SendMessage(kWorkThatThrows);
        SetExceptionHandler(previous);
        QCOMPARE(handed, 1);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The hook sees owner, text, caption and style, and answers from its script, then with the
    // box's default button.
    void boxHookRecordsAndAnswersFromItsScript() {
        kelvo::testing::RecordedWindowBoxes boxes;
        boxes.answers = {IDNO};
        Wnd owner;
        QVERIFY(owner.Create(nullptr, 0));
        const auto handle = reinterpret_cast<std::uintptr_t>(owner.m_hWnd);
        QCOMPARE(MessageBox(&owner, "Apagar?", "Dossar", MB_YESNO | MB_ICONQUESTION), IDNO);
        QCOMPARE(MessageBox(&owner, "Apagar?", "Dossar", MB_YESNO | MB_DEFBUTTON2), IDNO);
        QCOMPARE(MessageBox(nullptr, "Pronto", "Dossar", MB_OKCANCEL), IDOK);
        const std::vector<kelvo::testing::RecordedBox> expected{
            {"Apagar?", "Dossar", MB_YESNO | MB_ICONQUESTION, true, handle},
            {"Apagar?", "Dossar", MB_YESNO | MB_DEFBUTTON2, true, handle},
            {"Pronto", "Dossar", MB_OKCANCEL, false, 0},
        };
        QVERIFY(boxes.boxes == expected);
    }

    // While the application runs, boxes of code without windows reach the box routine and fonts
    // are measured at the screen's resolution; afterwards the previous seams are back.
    void applicationInstallsAndRemovesItsSeams() {
        kelvo::testing::RecordedWindowBoxes boxes;
        boxes.answers = {IDNO};
        SeamApp app;
        char name[] = "ui_app_tests";
        char* argv[] = {name, nullptr};
        QCOMPARE(RunApplication(app, 1, argv), 3);
        QCOMPARE(app.answer, IDNO);
        QCOMPARE(app.pixelsPerInch, qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
        QVERIFY(app.screen != &ScreenDeviceContext());
        // Owned boxes are owned by the main window: only the box routine knows its handle.
        const std::vector<kelvo::testing::RecordedBox> expected{
            {"sem janela", "Util", MB_YESNO, true, reinterpret_cast<std::uintptr_t>(app.mainWindow.m_hWnd)}};
        QVERIFY(boxes.boxes == expected);
        QCOMPARE(&CurrentInteraction(), static_cast<Interaction*>(&boxes));
    }
};

QTEST_MAIN(AppTest)
#include "ui_app_test.moc"
