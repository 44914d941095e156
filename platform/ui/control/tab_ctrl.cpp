#include "platform/ui/control/tab_ctrl.h"

#include "platform/ui/window/qt_text.h"

#include <QTabBar>

#include <algorithm>

namespace platform::ui {

namespace {

QTabBar* TabsOf(QWidget* widget) { return qobject_cast<QTabBar*>(widget); }

}  // namespace

BOOL TabCtrl::Create(const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    if (!CreateOver(new QTabBar, parent, id)) return FALSE;
    MoveWindow(rect, FALSE);
    return TRUE;
}

int TabCtrl::InsertItem(int index, const char* text) {
    QTabBar* tabs = TabsOf(GetWidget());
    return tabs ? tabs->insertTab(std::clamp(index, 0, tabs->count()), QtTextOf(text)) : -1;
}

int TabCtrl::GetItemCount() const {
    const QTabBar* tabs = TabsOf(GetWidget());
    return tabs ? tabs->count() : 0;
}

int TabCtrl::GetCurSel() const {
    const QTabBar* tabs = TabsOf(GetWidget());
    return tabs ? tabs->currentIndex() : -1;
}

int TabCtrl::SetCurSel(int index) {
    QTabBar* tabs = TabsOf(GetWidget());
    if (!tabs || index < 0 || index >= tabs->count()) return -1;
    const int previous = tabs->currentIndex();
    tabs->setCurrentIndex(index);
    return previous;
}

}  // namespace platform::ui
