// A dialog made from a registered template (platform/ui/resource): modal through DoModal, or a
// modeless child of another window through Create.
//
// The dialog window and its controls (in the template's order) exist before OnInitDialog runs,
// and the dialog is shown only after it. Its keys go through the dialog manager
// (platform/ui/dialog/dialog_manager.h): Tab and Shift+Tab move among the tab stops, Enter runs
// the focused push button, else the default button, else IDOK, Escape sends IDCANCEL. A click on
// IDOK or IDCANCEL, Enter, Escape and the close button reach OnOK and OnCancel; OnOK ends the
// dialog only when UpdateData(TRUE) succeeds. A derived class maps its own controls'
// ids (BN_CLICKED arrives as a command) or overrides OnCommand for other notifications. Once the
// dialog is shown, the next-dialog hook of its template runs (platform/ui/box/next_dialog.h), so
// a test never waits on a modal window. The dialog owns its controls' objects. User-interface
// thread.
#pragma once

#include "platform/ui/resource/dialog_template.h"
#include "platform/ui/window/wnd.h"

#include <memory>
#include <vector>

namespace platform::ui {

class Dialog : public Wnd {
public:
    // The dialog of template `templateId` over `parent` (null: the main window when shown modally).
    explicit Dialog(UINT templateId = 0, Wnd* parent = nullptr);
    ~Dialog() override;

    // Shows the dialog modally and returns the value given to EndDialog once it is gone; -1 when
    // the template is not registered or this object has a window already.
    virtual INT_PTR DoModal();
    // Makes the dialog of `templateId` as a visible modeless child of `parent`; FALSE when the
    // template is not registered, there is no parent or this object has a window already.
    BOOL Create(UINT templateId, Wnd* parent);
    // Ends the dialog: DoModal returns `result`; a modeless dialog is hidden.
    void EndDialog(int result);

    // `rect` from the dialog's units to pixels, by its font's base units.
    void MapDialogRect(Rect* rect) const;

    // The text of control `id`; its length, 0 (text empty) without such a control.
    int GetDlgItemText(int id, String& text) const;
    void SetDlgItemText(int id, const char* text);
    // The check (BST_...) of button `id`; nothing, or BST_UNCHECKED, without such a button.
    void CheckDlgButton(int id, UINT check);
    [[nodiscard]] UINT IsDlgButtonChecked(int id) const;

    // Focuses `control` as WM_NEXTDLGCTL(control, TRUE) does.
    void GotoDlgCtrl(Wnd* control);

    [[nodiscard]] WindowKind GetKind() const override { return WindowKind::Dialog; }
    // The dialog manager takes every key of the dialog's (IsDialogMessage).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The window the dialog was made for.
    Wnd* m_pParentWnd = nullptr;

protected:
    // The controls exist; the dialog is not shown yet. The default shows the members in the
    // controls (UpdateData(FALSE)) and answers TRUE: a modal dialog then starts at its first tab
    // stop; FALSE leaves the focus where OnInitDialog put it.
    virtual BOOL OnInitDialog();
    // EndDialog(IDOK) once UpdateData(TRUE) succeeded; EndDialog(IDCANCEL).
    virtual void OnOK();
    virtual void OnCancel();

    // WM_INITDIALOG reaches OnInitDialog; WM_CLOSE OnCancel (the dialog decides whether it ends);
    // WM_NEXTDLGCTL the dialog manager.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Makes the window over `widget` with the template's caption, size and controls, then runs
    // OnInitDialog; FALSE when the window cannot be made.
    BOOL Build(const DialogTemplate& dialogTemplate, QWidget* widget, Wnd* parent);

    UINT templateId_;
    Size baseUnits_;
    INT_PTR result_ = -1;
    bool ended_ = false;
    // OnInitDialog asked for the first tab stop to have the focus.
    bool focusFirst_ = false;
    std::vector<std::unique_ptr<Wnd>> controls_;
};

}  // namespace platform::ui
