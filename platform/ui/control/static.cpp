#include "platform/ui/control/static.h"

#include "platform/ui/window/qt_text.h"

#include <QGroupBox>
#include <QLabel>

namespace platform::ui {

BOOL Static::Create(const char* text, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    return CreateOverWidget(new QLabel(QtTextOf(text)), rect, parent, id);
}

BOOL Static::CreateGroupBox(const char* text, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    return CreateOverWidget(new QGroupBox(QtTextOf(text)), rect, parent, id);
}

BOOL Static::CreateOverWidget(QWidget* widget, const Rect& rect, Wnd* parent, UINT id) {
    if (!CreateOver(widget, parent, id)) return FALSE;
    MoveWindow(rect, FALSE);
    return TRUE;
}

void Static::SetWindowText(const char* text) {
    if (auto* label = qobject_cast<QLabel*>(GetWidget())) {
        label->setText(QtTextOf(text));
    } else if (auto* box = qobject_cast<QGroupBox*>(GetWidget())) {
        box->setTitle(QtTextOf(text));
    }
}

void Static::GetWindowText(String& text) const {
    if (const auto* label = qobject_cast<const QLabel*>(GetWidget())) {
        text = AnsiTextOf(label->text());
    } else if (const auto* box = qobject_cast<const QGroupBox*>(GetWidget())) {
        text = AnsiTextOf(box->title());
    } else {
        text.Empty();
    }
}

}  // namespace platform::ui
