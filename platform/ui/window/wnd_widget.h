// The Qt side of a window (internal): the plain widget that paints through OnPaint, and the event
// filter that turns any window widget's events into messages.
#pragma once

#include <QObject>
#include <QWidget>

namespace platform::ui {

class Wnd;

// The widget of a plain window: paints through the window's OnPaint.
class WndWidget final : public QWidget {
public:
    WndWidget(Wnd& window, QWidget* parent) : QWidget(parent), window_(&window) {}
    // The window that paints it now (another object took the window over).
    void SetWindow(Wnd& window) { window_ = &window; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Wnd* window_;
};

// On every window's widget: size changes become WM_SIZE, gaining and losing the focus WM_SETFOCUS
// and WM_KILLFOCUS, and a top-level window's close button a posted WM_CLOSE (the window decides
// whether it closes).
class WindowEventFilter final : public QObject {
public:
    WindowEventFilter(Wnd& window, QWidget* widget) : QObject(widget), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Wnd& window_;
};

}  // namespace platform::ui
