#include "platform/ui/dialog/dialog_widget.h"

#include "platform/ui/box/next_dialog.h"
#include "platform/ui/box/shown_window.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"
#include "platform/ui/window/window_events.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>

namespace platform::ui::detail {

QFont QtDialogFont(const DialogFont& font) {
    QFont qtFont = QApplication::font();
    if (!font.face.IsEmpty()) qtFont.setFamily(QtTextOf(font.face.GetString()));
    if (font.pointSize > 0) qtFont.setPointSize(font.pointSize);
    return qtFont;
}

Size DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        // The dialog manager's keys (pre-translated); never QDialog's accept and reject.
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: event->accept(); return;
        default: QWidget::keyPressEvent(event); return;
    }
}

void DialogWidget::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // From the loop: a hook that ends the dialog must find exec's loop running.
    // Dropped by Qt when the widget is gone first.
    QMetaObject::invokeMethod(this, [this] {
        Wnd* dialog = WindowOfWidget(this);
        if (!dialog) return;
        // Seen as shown before a hook ends it, so that a wait for it is over too.
        RunGuarded([&] { ReportWindowShown(templateId_, *dialog); });
        if ((dialog = WindowOfWidget(this))) RunGuarded([&] { RunNextDialogHook(templateId_, *dialog); });
    }, Qt::QueuedConnection);
}

}  // namespace platform::ui::detail
