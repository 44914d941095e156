#include "platform/ui/window/wnd_widget.h"

#include "platform/ui/draw/qt_canvas.h"
#include "platform/ui/window/window_events.h"

#include <QCloseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace platform::ui {

void WndWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    WindowEvents::Paint(*window_, canvas);
}

bool WindowEventFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent()) return false;
    switch (event->type()) {
        case QEvent::Resize: {
            const QSize size = static_cast<QResizeEvent*>(event)->size();
            WindowEvents::Deliver(window_, WM_SIZE, SIZE_RESTORED,
                                  MAKELPARAM(static_cast<WORD>(size.width()), static_cast<WORD>(size.height())),
                                  nullptr);
            return false;
        }
        case QEvent::FocusIn:
            WindowEvents::Deliver(window_, WM_SETFOCUS, 0, 0, nullptr);
            return false;
        case QEvent::FocusOut:
            WindowEvents::Deliver(window_, WM_KILLFOCUS, 0, 0, nullptr);
            return false;
        case QEvent::Close:
            // Handled from the queue, outside the widget's own event, since closing may destroy it.
            event->ignore();
            window_.PostMessage(WM_CLOSE);
            return true;
        default:
            return false;
    }
}

}  // namespace platform::ui
