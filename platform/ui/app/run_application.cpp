#include "platform/ui/app/run_application.h"

#include "platform/text/codepage.h"
#include "platform/ui/app/layer_seams.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/window_events.h"

#include <QApplication>
#include <QTimer>

#include <filesystem>
#include <memory>

namespace platform::ui {

namespace {

// How often the loop's idle work runs: a few times a second is enough for command states.
constexpr int kIdleIntervalMilliseconds = 250;

void TakeCommandLine(WinApp& app, int argc, char** argv) {
    app.m_arguments.clear();
    for (int index = 1; index < argc; ++index) app.m_arguments.emplace_back(AnsiFromUtf8(argv[index]));
}

String ProgramName(int argc, char** argv) {
    if (argc < 1 || !argv[0]) return "";
    return AnsiFromUtf8(std::filesystem::path(argv[0]).filename().string());
}

int RunLoop(WinApp& app) {
    // Without a main window nothing could ever end the loop.
    if (!app.m_pMainWnd) return 0;
    QTimer idle;
    LONG count = 0;
    QObject::connect(&idle, &QTimer::timeout, [&] { RunGuarded([&] { app.OnIdle(count++); }); });
    idle.start(kIdleIntervalMilliseconds);
    const int result = QApplication::exec();
    // Windows destroyed on the way out are deleted before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

}  // namespace

int RunApplication(WinApp& app, int argc, char** argv) {
    int qtArgc = argc;
    std::unique_ptr<QApplication> ownApplication;
    if (!QCoreApplication::instance()) ownApplication = std::make_unique<QApplication>(qtArgc, argv);
    TakeCommandLine(app, qtArgc, argv);
    if (!app.m_pszAppName) app.SetAppName(ProgramName(qtArgc, argv));
    detail::StartWindowLayer();
    const LayerSeams seams;
    if (CallGuarded<BOOL>(FALSE, [&] { return app.InitInstance(); })) RunLoop(app);
    return CallGuarded<int>(1, [&] { return app.ExitInstance(); });
}

}  // namespace platform::ui
