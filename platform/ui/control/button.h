// A button: push button, check box (two or three states) or radio button, over a Qt button.
//
// A click, by the user or by BM_CLICK, first updates the check (a radio checks itself and
// unchecks the others of its group) and then sends BN_CLICKED to the parent (WM_COMMAND).
// BM_GETCHECK and BM_SETCHECK read and set the check, as GetCheck and SetCheck do. Qt's default
// button handling is off: Enter is the dialog's, and so are the mnemonics of its text. The
// default-button mark is the look of the push button Enter would run; the dialog manager moves
// it. User-interface thread.
#pragma once

#include "platform/ui/control/control_styles.h"
#include "platform/ui/window/wnd.h"

#include <memory>
#include <vector>

namespace platform::ui {

// Button messages and notification, with their values on the original platform.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
constexpr WORD BN_CLICKED = 0;

// Check states.
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;
constexpr UINT BST_INDETERMINATE = 2;

class Button : public Wnd {
public:
    // Creates the button (one BS_ style) with `text` as a child of `parent` at `rect`; FALSE when
    // this object has a window already or there is no parent.
    BOOL Create(const char* text, UINT style, const Rect& rect, Wnd* parent, UINT id);

    // The check state (BST_...); a push button is always unchecked. Setting a radio's check
    // leaves the rest of its group as it is.
    [[nodiscard]] UINT GetCheck() const;
    void SetCheck(UINT check);

    // Puts this radio in the group of radio `first` (which leads it); a click on any of them
    // unchecks the others.
    void JoinRadioGroup(Button& first);

    [[nodiscard]] WindowKind GetKind() const override;
    // TRUE for a push button made with BS_DEFPUSHBUTTON, the dialog's default.
    [[nodiscard]] BOOL IsDefaultButton() const { return style_ == BS_DEFPUSHBUTTON ? TRUE : FALSE; }
    // The default-button look of a push button.
    void SetDefaultMark(BOOL on);
    [[nodiscard]] BOOL HasDefaultMark() const;

    void SetWindowText(const char* text) override;
    void GetWindowText(String& text) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTakeOver(Wnd& previous) override;

private:
    void OnClicked();
    // Checks this radio and unchecks the others of its group.
    void CheckInGroup();

    UINT style_ = BS_PUSHBUTTON;
    // The handles of the radios of this one's group, this one among them; shared by the group.
    std::shared_ptr<std::vector<HWND>> radioGroup_;
};

}  // namespace platform::ui
