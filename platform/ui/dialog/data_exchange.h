// Data exchange: a dialog's or form's DoDataExchange moves values between its members and its
// controls, one DDX_ call per control.
//
// UpdateData(FALSE) shows the members in the controls; UpdateData(TRUE) reads them back and
// checks them. A check that fails (a non-numeric text for an integer) shows its message through
// the layer's box routine, focuses the control and fails the exchange: the member keeps its
// value, the DDX_ calls after it do nothing and UpdateData answers FALSE. A call for an id the
// window lacks does nothing. User-interface thread.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/window/wnd.h"

namespace platform::ui {

class DataExchange {
public:
    DataExchange(Wnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control `id` of the window, remembered as the one a failed check focuses; null when
    // the window has none.
    Wnd* PrepareCtrl(int id);
    // Fails the exchange: focuses the control prepared last (an edit with its text selected).
    void Fail();
    [[nodiscard]] bool HasFailed() const { return failed_; }

    BOOL m_bSaveAndValidate;
    Wnd* m_pDlgWnd;

private:
    Wnd* prepared_ = nullptr;
    bool failed_ = false;
};

// The message of a text that is no integer.
inline constexpr char kNotAnIntegerMessage[] = "Please enter an integer.";

// `control` takes over the window of the template's control `id` (of any kind, custom ones too)
// the first time; afterwards nothing.
void DDX_Control(DataExchange* pDX, int id, Wnd& control);
// The control's window text; integers as decimal text, read back with blanks around allowed.
void DDX_Text(DataExchange* pDX, int id, String& value);
void DDX_Text(DataExchange* pDX, int id, int& value);
void DDX_Text(DataExchange* pDX, int id, UINT& value);
void DDX_Text(DataExchange* pDX, int id, short& value);
void DDX_Text(DataExchange* pDX, int id, BYTE& value);
// A check box's state (BST_...).
void DDX_Check(DataExchange* pDX, int id, int& value);
// The index among the radios of the group that radio `id` starts of the checked one; -1: none.
void DDX_Radio(DataExchange* pDX, int id, int& value);
// A combo's selected index; -1: none.
void DDX_CBIndex(DataExchange* pDX, int id, int& index);

}  // namespace platform::ui
