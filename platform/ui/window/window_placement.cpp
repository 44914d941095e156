// Placement over Qt's normal geometry and window state.
#include "platform/ui/window/wnd.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace platform::ui {

namespace {

QRect ToQRect(const Rect& rect) { return {rect.left, rect.top, rect.Width(), rect.Height()}; }

Rect FromQRect(const QRect& rect) { return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()}; }

// How far `rect` lies from `area` (0 when they meet), along the worse axis.
int Distance(const QRect& rect, const QRect& area) {
    const int dx = std::max({0, area.left() - rect.right(), rect.left() - area.right()});
    const int dy = std::max({0, area.top() - rect.bottom(), rect.top() - area.bottom()});
    return std::max(dx, dy);
}

// `rect` unchanged when it meets a screen's work area; else moved (and shrunk when it must) into
// the nearest one, as the original platform does with a placement saved on a screen now gone.
QRect OntoNearestScreen(const QRect& rect) {
    const QRect* nearest = nullptr;
    int best = INT_MAX;
    const QList<QScreen*> screens = QGuiApplication::screens();
    std::vector<QRect> areas;
    for (const QScreen* screen : screens) areas.push_back(screen->availableGeometry());
    for (const QRect& area : areas) {
        if (area.intersects(rect)) return rect;
        if (const int distance = Distance(rect, area); distance < best) {
            best = distance;
            nearest = &area;
        }
    }
    if (!nearest) return rect;
    const QSize size = rect.size().boundedTo(nearest->size());
    const int left = std::clamp(rect.left(), nearest->left(), nearest->right() + 1 - size.width());
    const int top = std::clamp(rect.top(), nearest->top(), nearest->bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

UINT ShowCommandOf(const QWidget& widget) {
    if (widget.isMinimized()) return SW_SHOWMINIMIZED;
    if (widget.isMaximized()) return SW_SHOWMAXIMIZED;
    return SW_SHOWNORMAL;
}

}  // namespace

BOOL Wnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    const QWidget* widget = GetWidget();
    if (!widget || !placement) return FALSE;
    *placement = {};
    placement->showCmd = ShowCommandOf(*widget);
    if (widget->isMinimized() && widget->isMaximized()) placement->flags = WPF_RESTORETOMAXIMIZED;
    const bool normal = placement->showCmd == SW_SHOWNORMAL;
    placement->rcNormalPosition = FromQRect(normal ? widget->geometry() : widget->normalGeometry());
    return TRUE;
}

BOOL Wnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) {
    QWidget* widget = GetWidget();
    if (!widget || !placement) return FALSE;
    // The normal rectangle only takes while the window is in its normal state.
    if (widget->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) widget->setWindowState(Qt::WindowNoState);
    widget->setGeometry(OntoNearestScreen(ToQRect(placement->rcNormalPosition)));
    ShowWindow(static_cast<int>(placement->showCmd));
    return TRUE;
}

}  // namespace platform::ui
