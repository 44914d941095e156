// An edit control: one line, several lines (with or without an Enter of its own) or a rich edit,
// over a Qt editor.
//
// Text is Windows-1252; the lines of a multi-line edit end in "\r\n" as the callers expect. Every
// change of the text, typed or set by the program, sends EN_CHANGE to the parent (WM_COMMAND);
// losing the focus sends EN_KILLFOCUS. A typed character outside the code page is refused.
// Without ES_WANTRETURN, Enter in a multi-line edit reaches the dialog. User-interface thread.
#pragma once

#include "platform/ui/control/control_styles.h"
#include "platform/ui/window/wnd.h"

namespace platform::ui {

// Edit notifications, with their values on the original platform.
constexpr WORD EN_KILLFOCUS = 0x0200;
constexpr WORD EN_CHANGE = 0x0300;

class Edit : public Wnd {
public:
    // Creates the edit (style ES_MULTILINE, ES_WANTRETURN) with `text` as a child of `parent` at
    // `rect`; FALSE when this object has a window already or there is no parent.
    BOOL Create(UINT style, const Rect& rect, Wnd* parent, UINT id, const char* text = "");
    // The same as a rich edit; its text is plain.
    BOOL CreateRich(UINT style, const Rect& rect, Wnd* parent, UINT id, const char* text = "");

    // The most characters typing may leave (0: no limit); a text the program sets stays whole.
    void SetLimitText(UINT max);
    [[nodiscard]] UINT GetLimitText() const;

    // Selects characters `start` up to `end` (-1: to the end of the text).
    void SetSel(int start, int end);

    void SetWindowText(const char* text) override;
    void GetWindowText(String& text) const override;

    // An edit, or a want-return edit with both ES_MULTILINE and ES_WANTRETURN.
    [[nodiscard]] WindowKind GetKind() const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTakeOver(Wnd& previous) override;

private:
    BOOL CreateOverEditor(QWidget* editor, const Rect& rect, Wnd* parent, UINT id);
    [[nodiscard]] bool IsMultiLine() const { return (style_ & ES_MULTILINE) != 0; }

    UINT style_ = 0;
};

}  // namespace platform::ui
