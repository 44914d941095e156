#include "platform/ui/dialog/dialog_widget.h"

#include "platform/interaction.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/control/button.h"
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
    int command = 0;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: command = IDOK; break;
        case Qt::Key_Escape: command = IDCANCEL; break;
        default: QWidget::keyPressEvent(event); return;
    }
    if (Wnd* dialog = WindowOfWidget(this)) dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED));
}

void DialogWidget::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // From the loop: a hook that ends the dialog must find exec's loop running.
    // Dropped by Qt when the widget is gone first.
    QMetaObject::invokeMethod(this, [this] {
        if (Wnd* dialog = WindowOfWidget(this)) RunGuarded([&] { RunNextDialogHook(templateId_, *dialog); });
    }, Qt::QueuedConnection);
}

}  // namespace platform::ui::detail
