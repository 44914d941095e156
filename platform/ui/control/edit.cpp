#include "platform/ui/control/edit.h"

#include "platform/ui/control/notify_parent.h"
#include "platform/ui/control/typing_filter.h"
#include "platform/ui/window/qt_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>

namespace platform::ui {

namespace {

// A multi-line Qt editor that, without ES_WANTRETURN, leaves Enter to its dialog.
template <class Editor>
class MultiLineEditor final : public Editor {
public:
    explicit MultiLineEditor(bool wantReturn) : wantReturn_(wantReturn) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !wantReturn_) {
            event->ignore();
            return;
        }
        Editor::keyPressEvent(event);
    }

private:
    bool wantReturn_;
};

template <class Editor>
QWidget* NewMultiLineEditor(UINT style, const char* text) {
    auto* editor = new MultiLineEditor<Editor>((style & ES_WANTRETURN) != 0);
    editor->setPlainText(QtTextOf(text));
    new detail::TypingFilter(editor, [editor] {
        return editor->document()->characterCount() - 1 - static_cast<int>(editor->textCursor().selectedText().size());
    });
    return editor;
}

QWidget* NewLineEditor(const char* text) {
    auto* editor = new QLineEdit(QtTextOf(text));
    new detail::TypingFilter(editor, [editor] {
        return static_cast<int>(editor->text().size() - editor->selectedText().size());
    });
    return editor;
}

QTextDocument* DocumentOf(QWidget* editor) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) return plain->document();
    if (auto* rich = qobject_cast<QTextEdit*>(editor)) return rich->document();
    return nullptr;
}

}  // namespace

BOOL Edit::Create(UINT style, const Rect& rect, Wnd* parent, UINT id, const char* text) {
    if (m_hWnd || !parent) return FALSE;
    QWidget* editor = (style & ES_MULTILINE) ? NewMultiLineEditor<QPlainTextEdit>(style, text) : NewLineEditor(text);
    style_ = style;
    return CreateOverEditor(editor, rect, parent, id);
}

BOOL Edit::CreateRich(UINT style, const Rect& rect, Wnd* parent, UINT id, const char* text) {
    if (m_hWnd || !parent) return FALSE;
    auto* editor = NewMultiLineEditor<QTextEdit>(style, text);
    static_cast<QTextEdit*>(editor)->setAcceptRichText(false);
    style_ = style | ES_MULTILINE;
    return CreateOverEditor(editor, rect, parent, id);
}

BOOL Edit::CreateOverEditor(QWidget* editor, const Rect& rect, Wnd* parent, UINT id) {
    if (!CreateOver(editor, parent, id)) return FALSE;
    MoveWindow(rect, FALSE);
    // Connected once the first text is in: creating an edit is no change of its text.
    const HWND self = m_hWnd;
    const auto changed = [self] {
        if (Wnd* edit = FromHandle(self)) detail::NotifyParent(*edit, EN_CHANGE);
    };
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        QObject::connect(line, &QLineEdit::textChanged, changed);
    } else {
        QObject::connect(DocumentOf(editor), &QTextDocument::contentsChanged, changed);
    }
    return TRUE;
}

void Edit::SetLimitText(UINT max) {
    if (detail::TypingFilter* typing = detail::TypingFilter::Of(GetWidget())) typing->SetLimit(static_cast<int>(max));
}

UINT Edit::GetLimitText() const {
    const detail::TypingFilter* typing = detail::TypingFilter::Of(GetWidget());
    return typing ? static_cast<UINT>(typing->Limit()) : 0;
}

void Edit::SetWindowText(const char* text) {
    QWidget* editor = GetWidget();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(QtTextOf(text));
    } else if (QTextDocument* document = DocumentOf(editor)) {
        document->setPlainText(QtTextOf(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

void Edit::GetWindowText(String& text) const {
    const QWidget* editor = GetWidget();
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) {
        text = AnsiTextOf(line->text());
    } else if (const QTextDocument* document = DocumentOf(const_cast<QWidget*>(editor))) {
        text = AnsiTextOf(document->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    } else {
        text.Empty();
    }
}

void Edit::SetSel(int start, int end) {
    QWidget* editor = GetWidget();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const int last = end < 0 ? static_cast<int>(line->text().size()) : end;
        line->setSelection(start, last - start);
        return;
    }
    QTextDocument* document = DocumentOf(editor);
    if (!document) return;
    QTextCursor cursor(document);
    const int length = document->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, length));
    cursor.setPosition(end < 0 ? length : std::clamp(end, 0, length), QTextCursor::KeepAnchor);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) plain->setTextCursor(cursor);
    if (auto* rich = qobject_cast<QTextEdit*>(editor)) rich->setTextCursor(cursor);
}

WindowKind Edit::GetKind() const {
    constexpr UINT kWantReturn = ES_MULTILINE | ES_WANTRETURN;
    return (style_ & kWantReturn) == kWantReturn ? WindowKind::WantReturnEdit : WindowKind::Edit;
}

void Edit::OnTakeOver(Wnd& previous) {
    if (const auto* made = dynamic_cast<const Edit*>(&previous)) style_ = made->style_;
}

LRESULT Edit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KILLFOCUS) detail::NotifyParent(*this, EN_KILLFOCUS);
    return Wnd::WindowProc(message, wParam, lParam);
}

}  // namespace platform::ui
