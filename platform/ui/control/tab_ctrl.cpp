#include "platform/ui/control/tab_ctrl.h"

#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QTabBar>

#include <algorithm>

namespace platform::ui {

namespace {

QTabBar* TabsOf(QWidget* widget) { return qobject_cast<QTabBar*>(widget); }

}  // namespace

BOOL TabCtrl::Create(const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    auto* tabs = new QTabBar;
    if (!CreateOver(tabs, parent, id)) return FALSE;
    MoveWindow(rect, FALSE);
    const HWND self = m_hWnd;
    QObject::connect(tabs, &QTabBar::currentChanged, [self] {
        auto* control = static_cast<TabCtrl*>(FromHandle(self));
        if (control && !control->settingSelection_) RunGuarded([control] { control->OnSelChange(); });
    });
    return TRUE;
}

int TabCtrl::InsertItem(int index, const char* text) { return InsertItem(index, text, 0); }

int TabCtrl::InsertItem(int index, const char* text, LPARAM data) {
    QTabBar* tabs = TabsOf(GetWidget());
    if (!tabs) return -1;
    // The first tab becomes the selection by itself; that is no choice of the user's.
    settingSelection_ = true;
    const int inserted = tabs->insertTab(std::clamp(index, 0, tabs->count()), QtTextOf(text));
    settingSelection_ = false;
    tabs->setTabData(inserted, QVariant::fromValue(static_cast<qlonglong>(data)));
    return inserted;
}

int TabCtrl::GetItemCount() const {
    const QTabBar* tabs = TabsOf(GetWidget());
    return tabs ? tabs->count() : 0;
}

LPARAM TabCtrl::GetItemData(int index) const {
    const QTabBar* tabs = TabsOf(GetWidget());
    if (!tabs || index < 0 || index >= tabs->count()) return 0;
    return static_cast<LPARAM>(tabs->tabData(index).toLongLong());
}

int TabCtrl::GetCurSel() const {
    const QTabBar* tabs = TabsOf(GetWidget());
    return tabs ? tabs->currentIndex() : -1;
}

int TabCtrl::SetCurSel(int index) {
    QTabBar* tabs = TabsOf(GetWidget());
    if (!tabs || index < 0 || index >= tabs->count()) return -1;
    const int previous = tabs->currentIndex();
    settingSelection_ = true;
    tabs->setCurrentIndex(index);
    settingSelection_ = false;
    return previous;
}

void TabCtrl::AdjustRect(BOOL larger, Rect* rect) const {
    const QTabBar* tabs = TabsOf(GetWidget());
    if (!tabs || !rect) return;
    const int row = tabs->sizeHint().height();
    rect->top += larger ? -row : row;
}

}  // namespace platform::ui
