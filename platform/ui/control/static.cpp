#include "platform/ui/control/static.h"

#include "platform/ui/window/qt_text.h"

#include <QGroupBox>
#include <QLabel>

namespace platform::ui {

BOOL Static::Create(const char* text, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    return CreateOverWidget(new QLabel(detail::QtText(text)), rect, parent, id);
}

BOOL Static::CreateGroupBox(const char* text, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    return CreateOverWidget(new QGroupBox(detail::QtText(text)), rect, parent, id);
}

BOOL Static::CreateOverWidget(QWidget* widget, const Rect& rect, Wnd* parent, UINT id) {
    if (!CreateOver(widget, parent, id)) return FALSE;
    MoveWindow(rect, FALSE);
    return TRUE;
}

void Static::SetWindowText(const char* text) {
    if (auto* label = qobject_cast<QLabel*>(GetWidget())) {
        label->setText(detail::QtText(text));
    } else if (auto* box = qobject_cast<QGroupBox*>(GetWidget())) {
        box->setTitle(detail::QtText(text));
    }
}

void Static::GetWindowText(String& text) const {
    if (const auto* label = qobject_cast<const QLabel*>(GetWidget())) {
        text = detail::AnsiText(label->text());
    } else if (const auto* box = qobject_cast<const QGroupBox*>(GetWidget())) {
        text = detail::AnsiText(box->title());
    } else {
        text.Empty();
    }
}

}  // namespace platform::ui
