// The module's main frame: the toolbar comes from the program's table and pictures, and command
// 32801 hides and shows it, checked while it shows; a program without a toolbar table has none
// and the command is disabled.
#include "outside/pendora/ui/qd_main_frame.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/resource/resources.h"

#include <QtTest>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kImprime = 32800;
constexpr UINT kSobre = 57664;

// The toggle's state as a menu would show it: enabled, checked.
std::pair<bool, int> EstadoDoAlternador(CQDMainFrame& frame) {
    CmdUI estado(ID_QD_VIEW_TOOLBAR);
    estado.DoUpdate(frame);
    return {estado.IsEnabled(), estado.GetCheck()};
}

}  // namespace

class QDMainFrameTest : public QObject {
    Q_OBJECT

    WinApp* app_ = nullptr;

    CQDMainFrame* NovoFrame() {
        auto* frame = new CQDMainFrame;
        if (!frame->LoadFrame(IDR_MAINFRAME)) return nullptr;
        app_->m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOWNORMAL);
        return frame;
    }

private slots:
    void init() { app_ = new WinApp("QDMainFrameTeste"); }
    void cleanup() {
        if (app_->m_pMainWnd) app_->m_pMainWnd->DestroyWindow();
        delete app_;
    }

    // The program's buttons in its order; 32801 hides and shows the bar, checked only while it
    // shows (a toggle that only hides, or a check that does not follow, fails).
    void theToolbarComesFromTheProgramsTableAndToggles() {
        const HMODULE programa = GetModuleHandle(nullptr);
        RegisterToolBar(programa, IDR_MAINFRAME, {kImprime, 0, kSobre});
        RegisterBitmap(programa, IDR_MAINFRAME, {2 * kToolBarButtonWidth, kToolBarButtonHeight, [](int, int) { return Rgb(0, 0x80, 0); }, {}});
        CQDMainFrame* frame = NovoFrame();
        QVERIFY(frame);
        ToolBar* barra = frame->GetToolBar();
        QVERIFY(barra);
        QCOMPARE(barra->GetCount(), 3);
        QCOMPARE(barra->GetItemID(0), kImprime);
        QCOMPARE(barra->GetItemID(2), kSobre);
        QCOMPARE(EstadoDoAlternador(*frame), std::make_pair(true, 1));

        QVERIFY(frame->OnCmdMsg(ID_QD_VIEW_TOOLBAR, CN_COMMAND, nullptr));
        QVERIFY(!barra->IsWindowVisible());
        QCOMPARE(EstadoDoAlternador(*frame), std::make_pair(true, 0));
        QVERIFY(frame->OnCmdMsg(ID_QD_VIEW_TOOLBAR, CN_COMMAND, nullptr));
        QVERIFY(barra->IsWindowVisible());
        QCOMPARE(EstadoDoAlternador(*frame), std::make_pair(true, 1));
    }

    // Without a table there is no bar, and the toggle is disabled rather than toggling nothing.
    void withoutATableThereIsNoToolbar() {
        constexpr UINT kOutroRecurso = 129;
        auto* frame = new CQDMainFrame;
        QVERIFY(frame->LoadFrame(kOutroRecurso));
        app_->m_pMainWnd = frame;
        QVERIFY(!frame->GetToolBar());
        QCOMPARE(EstadoDoAlternador(*frame).first, false);
    }
};

QTEST_MAIN(QDMainFrameTest)
#include "qd_main_frame_test.moc"
