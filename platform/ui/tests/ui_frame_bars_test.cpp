// The frame's bars on real widgets: accelerators in the key walk, the menu's update-UI and
// prompts, the status bar's toggle, the exit command's close path and the toolbar's buttons.
#include "platform/ui/app/win_app.h"
#include "platform/ui/bar/status_bar.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/control/edit.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/frame/frame_ids.h"
#include "platform/ui/frame/tool_bar.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/window/virtual_keys.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kFrameResource = 128;
constexpr UINT kOpen = 32771;     // handled
constexpr UINT kClear = 32776;    // update handler only, which enables it and renames it
constexpr UINT kRefresh = 32779;  // handled, F5
constexpr UINT kPrint = 32800;    // handled, Ctrl+P
constexpr UINT kFilter = 32851;   // no handler anywhere, Shift+F9
constexpr UINT kSearch = 32852;   // handled but disabled by its update handler, F9
constexpr UINT kMark = 32854;     // handled and checked
constexpr UINT kColumn = 32810;   // handled, in a nested pop-up

MenuTemplate Menu() {
    return {
        MenuPopup("&Arquivo", {MenuCommand(kOpen, "&Abrir Empresa..."), MenuSeparator(),
                               MenuCommand(kPrint, "&Imprimir...\tCtrl+P"), MenuSeparator(),
                               MenuCommand(ID_APP_EXIT, "&Sair")}),
        MenuPopup("&Editar", {MenuCommand(kMark, "&Marcar para Distribuir"), MenuCommand(kClear, "&Limpar")}),
        MenuPopup("E&xibir", {MenuCommand(ID_VIEW_STATUS_BAR, "Barra de &Status"), MenuSeparator(),
                              MenuCommand(kRefresh, "&Atualizar\tF5"), MenuCommand(kSearch, "Busca &R\xE1pida...\tF9"),
                              MenuCommand(kFilter, "&Filtro...\tShift+F9"),
                              MenuPopup("&Colunas", {MenuCommand(kColumn, "C\xF3" "digo")})}),
    };
}

AcceleratorTable Accelerators() {
    return {{FVIRTKEY | FCONTROL, 'P', kPrint},
            {FVIRTKEY, static_cast<WORD>(VK_F5), kRefresh},
            {FVIRTKEY, static_cast<WORD>(VK_F9), kSearch},
            {FVIRTKEY | FSHIFT, static_cast<WORD>(VK_F9), kFilter}};
}

// A picture strip whose every button has its own colour, so each button's picture tells where
// it was cut from.
Colour StripColour(int x, int) { return Rgb(40 * (x / kToolBarButtonWidth), 200, 0); }

// Logs the commands it runs; OnClose refuses while told to.
class BarsFrame final : public FrameWnd {
public:
    QList<UINT> ran;
    int closeAsked = 0;
    bool refuseClose = false;
    StatusBar statusBar;
    ToolBar toolBar;
    Edit edit;

    BarsFrame() {
        for (UINT id : {kOpen, kRefresh, kPrint, kSearch, kMark, kColumn}) MapCommand(id, [this, id] { ran << id; });
        MapUpdateCommandUI(kSearch, [](CmdUI* cmdUI) { cmdUI->Enable(FALSE); });
        MapUpdateCommandUI(kMark, [](CmdUI* cmdUI) { cmdUI->SetCheck(1); });
        MapUpdateCommandUI(kClear, [](CmdUI* cmdUI) {
            cmdUI->Enable(TRUE);
            cmdUI->SetText("&Limpar Tudo");
        });
    }

protected:
    void OnClose() override {
        ++closeAsked;
        if (!refuseClose) FrameWnd::OnClose();
    }
};

// The pop-up reached through `path`'s titles from the frame's menu bar; null when there is none.
QMenu* PopupOf(FrameWnd& frame, const QStringList& path) {
    QList<QAction*> actions = static_cast<QMainWindow*>(frame.GetWidget())->menuBar()->actions();
    QMenu* popup = nullptr;
    for (const QString& title : path) {
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&](const QAction* action) { return action->menu() && action->text() == title; });
        if (found == actions.end()) return nullptr;
        popup = (*found)->menu();
        actions = popup->actions();
    }
    return popup;
}

QAction* ItemOf(QMenu& popup, UINT id) {
    for (QAction* action : popup.actions()) {
        if (action->data().toUInt() == id) return action;
        if (action->menu()) {
            if (QAction* inner = ItemOf(*action->menu(), id)) return inner;
        }
    }
    return nullptr;
}

// Opens the pop-up as the user does (its update runs as it opens).
void Open(QMenu& popup) {
    popup.popup(QPoint(10, 10));
    QTRY_VERIFY(popup.isVisible());
}

QString PaneText(const StatusBar& bar) { return QString::fromLatin1(bar.GetPaneText(0).GetString()); }

}  // namespace

class FrameBarsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const HMODULE program = GetModuleHandle(nullptr);
        RegisterMenu(program, kFrameResource, Menu());
        RegisterAccelerators(program, kFrameResource, Accelerators());
        RegisterToolBar(program, kFrameResource, {kOpen, 0, kMark, kSearch, kFilter});
        RegisterBitmap(program, kFrameResource, {4 * kToolBarButtonWidth, kToolBarButtonHeight, StripColour, {}});
        RegisterString(program, kPrint, "Imprime a lista\nImprimir");
        RegisterString(program, kMark, "Marcar o documento para distribui\xE7\xE3o\nMarcar para Distribuir");
        RegisterString(program, kOpen, "Abre uma empresa\nAbrir Empresa");
    }
    void init() {
        frame_ = new BarsFrame;
        QVERIFY(frame_->LoadFrame(kFrameResource));
        QVERIFY(frame_->statusBar.Create(frame_));
        const UINT panes[] = {ID_SEPARATOR};
        QVERIFY(frame_->statusBar.SetIndicators(panes, 1));
        QVERIFY(frame_->toolBar.Create(frame_));
        QVERIFY(frame_->toolBar.LoadToolBar(kFrameResource));
        QVERIFY(frame_->edit.Create(0, {0, 0, 200, 20}, frame_, 1));
        frame_->SetCentralWnd(frame_->edit);
        app_.m_pMainWnd = frame_;
        frame_->ActivateFrame(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(frame_->GetWidget()));
        handle_ = frame_->m_hWnd;
    }
    void cleanup() {
        app_.m_pMainWnd = nullptr;
        if (Wnd* live = Wnd::FromHandle(handle_)) live->DestroyWindow();
    }

    // Where a key lands: an accelerator runs its command only with exactly its modifiers and only
    // while the command is enabled; a key no window took reaches the widget.
    void keysLandWhereTheTableSays_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QList<UINT>>("ran");
        QTest::addColumn<QString>("typed");
        // An accelerator that does not run its command.
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << Qt::KeyboardModifiers(Qt::ControlModifier) << QList<UINT>{kPrint} << "";
        QTest::newRow("F5") << int(Qt::Key_F5) << Qt::KeyboardModifiers() << QList<UINT>{kRefresh} << "";
        // A disabled command's key running it anyway.
        QTest::newRow("F9, disabled") << int(Qt::Key_F9) << Qt::KeyboardModifiers() << QList<UINT>{} << "";
        // Modifiers compared loosely: Shift+F5 taken for F5, Ctrl+Shift+P for Ctrl+P.
        QTest::newRow("Shift+F5, not in the table") << int(Qt::Key_F5) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                                    << QList<UINT>{} << "";
        QTest::newRow("Ctrl+Shift+P, not in the table")
            << int(Qt::Key_P) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << QList<UINT>{} << "";
        QTest::newRow("Shift+F9, no handler") << int(Qt::Key_F9) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                              << QList<UINT>{} << "";
        // A plain key swallowed by the walk.
        QTest::newRow("p, typed") << int(Qt::Key_P) << Qt::KeyboardModifiers() << QList<UINT>{} << "p";
    }
    void keysLandWhereTheTableSays() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QList<UINT>, ran);
        QFETCH(QString, typed);
        frame_->edit.SetFocus();
        QTRY_VERIFY(frame_->edit.GetWidget()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(frame_->ran, ran);
        String text;
        frame_->edit.GetWindowText(text);
        QCOMPARE(QString::fromLatin1(text.GetString()), typed);
    }

    // Each pop-up's items follow their handlers when it opens: disabled, checked, renamed, and
    // disabled when no handler takes the command; the accelerator's text is no Qt shortcut.
    void menuItemsAreUpdatedWhenThePopupOpens_data() {
        QTest::addColumn<QStringList>("popup");
        QTest::addColumn<UINT>("id");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("text");
        QTest::newRow("handled") << QStringList{"&Arquivo"} << kOpen << true << false << "&Abrir Empresa...";
        QTest::newRow("handled by the frame") << QStringList{"&Arquivo"} << ID_APP_EXIT << true << false << "&Sair";
        QTest::newRow("checked") << QStringList{"&Editar"} << kMark << true << true << "&Marcar para Distribuir";
        QTest::newRow("renamed") << QStringList{"&Editar"} << kClear << true << false << "&Limpar Tudo";
        QTest::newRow("disabled") << QStringList{"E&xibir"} << kSearch << false << false << QString::fromUtf8("Busca &Rápida...\tF9");
        QTest::newRow("no handler") << QStringList{"E&xibir"} << kFilter << false << false << "&Filtro...\tShift+F9";
        QTest::newRow("bar shown") << QStringList{"E&xibir"} << ID_VIEW_STATUS_BAR << true << true << "Barra de &Status";
        QTest::newRow("nested") << QStringList{"E&xibir", "&Colunas"} << kColumn << true << false << QString::fromUtf8("Código");
    }
    void menuItemsAreUpdatedWhenThePopupOpens() {
        QFETCH(QStringList, popup);
        QFETCH(UINT, id);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(QString, text);
        QMenu* menu = PopupOf(*frame_, popup);
        QVERIFY(menu);
        QAction* item = ItemOf(*menu, id);
        QVERIFY(item);
        // The opposite of what the handlers want, so that only the update can set it right.
        item->setEnabled(!enabled);
        Open(*menu);
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(item->isChecked(), checked);
        QCOMPARE(item->text(), text);
        QVERIFY(item->shortcut().isEmpty());
        menu->hide();
    }

    // Choosing an item runs its command through the frame's route.
    void choosingAnItemRunsItsCommand() {
        QMenu* file = PopupOf(*frame_, {"&Arquivo"});
        Open(*file);
        ItemOf(*file, kPrint)->trigger();
        QCOMPARE(frame_->ran, QList<UINT>{kPrint});
    }

    // "Barra de &Status" hides the shown bar and shows the hidden one, its check mark following.
    void statusBarToggleHidesAndShowsWithItsCheckMark() {
        QMenu* view = PopupOf(*frame_, {"E&xibir"});
        QAction* toggle = ItemOf(*view, ID_VIEW_STATUS_BAR);
        for (const bool shownAfter : {false, true}) {
            Open(*view);
            toggle->trigger();
            view->hide();
            QCOMPARE(frame_->statusBar.GetWidget()->isVisible(), shownAfter);
            Open(*view);
            QCOMPARE(toggle->isChecked(), shownAfter);
            view->hide();
        }
    }

    // The pane shows the idle text from the start; the hovered item's prompt (the first line of
    // its string) fills it, an item without a string empties it, and the idle text comes back when
    // the menu closes.
    void hoveredItemsPromptShowsInTheMessagePane() {
        // The pane starts with the idle text (the bar is made after the frame's window).
        QTRY_COMPARE(PaneText(frame_->statusBar), QString("Pronto"));
        QMenu* edit = PopupOf(*frame_, {"&Editar"});
        Open(*edit);
        edit->setActiveAction(ItemOf(*edit, kMark));
        QCOMPARE(PaneText(frame_->statusBar), QString::fromLatin1("Marcar o documento para distribui\xE7\xE3o"));
        edit->setActiveAction(ItemOf(*edit, kClear));
        QCOMPARE(PaneText(frame_->statusBar), QString());
        edit->hide();
        QCOMPARE(PaneText(frame_->statusBar), QString("Pronto"));
    }

    // Sair asks the main window to close through its close path, where OnClose may refuse.
    void exitAsksTheMainWindowToClose() {
        frame_->refuseClose = true;
        frame_->SendMessage(WM_COMMAND, ID_APP_EXIT);
        QCOMPARE(frame_->closeAsked, 1);
        QVERIFY(Wnd::FromHandle(handle_));
        frame_->refuseClose = false;
        frame_->SendMessage(WM_COMMAND, ID_APP_EXIT);
        QVERIFY(!Wnd::FromHandle(handle_));
    }

    // The toolbar's buttons: one per id with its tip and its own picture, running their commands
    // and following their handlers at idle; the frame hides and shows the bar.
    void toolBarButtonsRunAndFollowTheirHandlersAtIdle() {
        ToolBar& bar = frame_->toolBar;
        QCOMPARE(bar.GetCount(), 5);
        QCOMPARE(bar.GetItemID(1), 0u);
        auto* widget = static_cast<QToolBar*>(bar.GetWidget());
        QList<QAction*> buttons;
        for (QAction* action : widget->actions()) {
            if (!action->isSeparator()) buttons << action;
        }
        QCOMPARE(buttons.size(), 4);
        QCOMPARE(buttons[0]->toolTip(), QString("Abrir Empresa"));
        QCOMPARE(buttons[1]->toolTip(), QString("Marcar para Distribuir"));
        for (int index = 0; index < buttons.size(); ++index) {
            const QImage picture = buttons[index]->icon().pixmap(kToolBarButtonWidth, kToolBarButtonHeight).toImage();
            QCOMPARE(picture.size(), QSize(kToolBarButtonWidth, kToolBarButtonHeight));
            QCOMPARE(picture.pixelColor(3, 3), QColor(40 * index, 200, 0));
        }
        for (QAction* button : buttons) button->setEnabled(true);
        app_.OnIdle(0);
        QCOMPARE(buttons[0]->isEnabled(), true);
        QCOMPARE(buttons[1]->isChecked(), true);
        QCOMPARE(buttons[2]->isEnabled(), false);
        QCOMPARE(buttons[3]->isEnabled(), false);
        buttons[0]->trigger();
        buttons[1]->trigger();
        QCOMPARE(frame_->ran, (QList<UINT>{kOpen, kMark}));
        frame_->ShowControlBar(frame_->GetControlBar(AFX_IDW_TOOLBAR), FALSE);
        QVERIFY(!widget->isVisible());
        frame_->ShowControlBar(&bar, TRUE);
        QVERIFY(widget->isVisible());
    }

    // A docked bar moves to the side asked for and stays shown.
    void aToolBarDocksAlongTheSideAsked() {
        auto* window = static_cast<QMainWindow*>(frame_->GetWidget());
        auto* widget = static_cast<QToolBar*>(frame_->toolBar.GetWidget());
        for (const auto& [lado, area] : {std::pair{AFX_IDW_DOCKBAR_BOTTOM, Qt::BottomToolBarArea},
                                         std::pair{AFX_IDW_DOCKBAR_LEFT, Qt::LeftToolBarArea},
                                         std::pair{AFX_IDW_DOCKBAR_RIGHT, Qt::RightToolBarArea},
                                         std::pair{0u, Qt::TopToolBarArea}}) {
            frame_->DockControlBar(&frame_->toolBar, lado);
            QCOMPARE(window->toolBarArea(widget), area);
            QVERIFY(widget->isVisible());
        }
    }

private:
    WinApp app_{"Teste"};
    BarsFrame* frame_ = nullptr;
    HWND handle_ = nullptr;
};

QTEST_MAIN(FrameBarsTest)
#include "ui_frame_bars_test.moc"
