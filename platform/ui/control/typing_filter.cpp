#include "platform/ui/control/typing_filter.h"

#include "platform/ui/window/qt_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace platform::ui::detail {

namespace {

// Enter, Tab, Backspace and the like (control characters) edit or move; the rest is typed,
// characters beyond the first plane (surrogate pairs) among them.
bool IsTypedText(const QString& text) { return !text.isEmpty() && text.front().category() != QChar::Other_Control; }

}  // namespace

TypingFilter::TypingFilter(QWidget* editor, std::function<int()> keptLength)
    : QObject(editor), keptLength_(std::move(keptLength)) {
    editor->installEventFilter(this);
}

TypingFilter* TypingFilter::Of(const QWidget* editor) {
    if (!editor) return nullptr;
    // Not findChild: without a meta-object of its own, every child would pass for a filter.
    for (QObject* child : editor->children()) {
        if (auto* filter = dynamic_cast<TypingFilter*>(child)) return filter;
    }
    return nullptr;
}

bool TypingFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent() || event->type() != QEvent::KeyPress) return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (!IsTypedText(typed)) return false;
    const bool overLimit = limit_ > 0 && keptLength_() + typed.size() > limit_;
    if (FitsCodePage(typed) && !overLimit) return false;
    QApplication::beep();
    return true;
}

}  // namespace platform::ui::detail
