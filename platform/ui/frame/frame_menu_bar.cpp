#include "platform/ui/frame/frame_menu_bar.h"

#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/frame/action_cmd_ui.h"
#include "platform/ui/frame/frame_ids.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace platform::ui::detail {

namespace {

// The frame behind `handle`, while it lives: a handler may have destroyed it.
FrameWnd* LiveFrame(HWND handle) { return dynamic_cast<FrameWnd*>(Wnd::FromHandle(handle)); }

void ConnectCommand(QAction& action, HWND frame) {
    QObject::connect(&action, &QAction::triggered, [frame, id = CommandOfAction(action)] {
        if (FrameWnd* live = LiveFrame(frame)) live->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
    });
}

// Update-UI just before the pop-up opens; prompts while its items are hovered; the idle message
// once it closes.
void ConnectPopup(QMenu& popup, HWND frame) {
    QObject::connect(&popup, &QMenu::aboutToShow, [&popup, frame] {
        RunGuarded([&] {
            if (FrameWnd* live = LiveFrame(frame)) UpdateActions(popup.actions(), *live);
        });
    });
    QObject::connect(&popup, &QMenu::hovered, [frame](QAction* action) {
        RunGuarded([&] {
            if (FrameWnd* live = LiveFrame(frame)) live->SetMessageText(CommandOfAction(*action));
        });
    });
    QObject::connect(&popup, &QMenu::aboutToHide, [frame] {
        RunGuarded([&] {
            if (FrameWnd* live = LiveFrame(frame)) live->SetMessageText(AFX_IDS_IDLEMESSAGE);
        });
    });
}

// One item into the menu bar or a pop-up (both a QMenuBar and a QMenu have these adders).
template <class Container>
void AddItem(Container& container, const MenuItem& item, HWND frame) {
    if (item.IsSeparator()) {
        container.addSeparator();
        return;
    }
    const QString text = QtTextOf(item.text.GetString());
    if (item.IsPopup()) {
        QMenu* popup = container.addMenu(text);
        ConnectPopup(*popup, frame);
        for (const MenuItem& inner : item.items) AddItem(*popup, inner, frame);
        return;
    }
    QAction* action = container.addAction(text);
    action->setData(item.id);
    ConnectCommand(*action, frame);
}

}  // namespace

void InstallMenuBar(FrameWnd& frame, QMainWindow& window, const MenuTemplate& menu) {
    auto* bar = new QMenuBar;
    for (const MenuItem& item : menu) AddItem(*bar, item, frame.m_hWnd);
    // The window deletes the bar it had.
    window.setMenuBar(bar);
}

}  // namespace platform::ui::detail
