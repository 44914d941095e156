#include "platform/ui/bar/status_bar_widget.h"

#include "platform/ui/draw/qt_canvas.h"
#include "platform/ui/window/window_events.h"

#include <QFontMetrics>
#include <QMainWindow>
#include <QPainter>

namespace platform::ui {

namespace {

// Room above and below the text: the panes' edges and a little air.
constexpr int kVerticalRoom = 8;

}  // namespace

StatusBarWidget::StatusBarWidget(Wnd& bar) : bar_(bar) { setSizeGripEnabled(false); }

QSize StatusBarWidget::sizeHint() const {
    return {QStatusBar::sizeHint().width(), QFontMetrics(QtFontOf({})).height() + kVerticalRoom};
}

void StatusBarWidget::AttachTo(QWidget& parent) {
    if (auto* frame = qobject_cast<QMainWindow*>(&parent)) {
        frame->setStatusBar(this);
        return;
    }
    const QSize size = sizeHint();
    setGeometry(0, parent.height() - size.height(), parent.width(), size.height());
}

void StatusBarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    WindowEvents::Paint(bar_, canvas);
}

}  // namespace platform::ui
