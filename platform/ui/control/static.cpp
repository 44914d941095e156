#include "platform/ui/control/static.h"

#include "platform/ui/window/qt_text.h"

#include <QGroupBox>
#include <QLabel>

namespace platform::ui {

namespace {

// The window text as given, '&' prefixes and all: the label shows another form of it.
constexpr char kWindowText[] = "kelvoWindowText";

// A label's text shows its mnemonic as Win32 does: "&x" underlines x, "&&" is one '&'.
QString ShownText(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&' || i + 1 == text.size()) {
            shown += QString(text[i]).toHtmlEscaped();
        } else if (text[++i] == u'&') {
            shown += QStringLiteral("&amp;");
        } else {
            shown += QStringLiteral("<u>") + QString(text[i]).toHtmlEscaped() + QStringLiteral("</u>");
        }
    }
    return shown;
}

void SetLabelText(QLabel& label, const char* text) {
    const QString windowText = QtTextOf(text);
    label.setProperty(kWindowText, windowText);
    label.setTextFormat(Qt::RichText);
    label.setText(ShownText(windowText));
}

}  // namespace

BOOL Static::Create(const char* text, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    auto* label = new QLabel;
    SetLabelText(*label, text);
    return CreateOverWidget(label, rect, parent, id);
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
        SetLabelText(*label, text);
    } else if (auto* box = qobject_cast<QGroupBox*>(GetWidget())) {
        box->setTitle(QtTextOf(text));
    }
}

void Static::GetWindowText(String& text) const {
    if (const auto* label = qobject_cast<const QLabel*>(GetWidget())) {
        text = AnsiTextOf(label->property(kWindowText).toString());
    } else if (const auto* box = qobject_cast<const QGroupBox*>(GetWidget())) {
        text = AnsiTextOf(box->title());
    } else {
        text.Empty();
    }
}

}  // namespace platform::ui
