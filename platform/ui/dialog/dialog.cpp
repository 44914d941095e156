#include "platform/ui/dialog/dialog.h"

#include "platform/interaction.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/control/button.h"
#include "platform/ui/dialog/dialog_controls.h"
#include "platform/ui/dialog/dialog_manager.h"
#include "platform/ui/dialog/dialog_units.h"
#include "platform/ui/dialog/dialog_widget.h"
#include "platform/ui/resource/resources.h"

#include <QPointer>

namespace platform::ui {

namespace {

Wnd* OwnerOf(Wnd* parent) {
    if (parent) return parent;
    WinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

}  // namespace

Dialog::Dialog(UINT templateId, Wnd* parent) : m_pParentWnd(parent), templateId_(templateId) {
    MapCommand(IDOK, [this] { OnOK(); });
    MapCommand(IDCANCEL, [this] { OnCancel(); });
}

Dialog::~Dialog() = default;

INT_PTR Dialog::DoModal() {
    HMODULE module = nullptr;
    const std::optional<DialogTemplate> found = LoadDialogTemplate(templateId_, &module);
    if (m_hWnd || !found) return -1;
    SetTemplateModule(module);
    Wnd* owner = OwnerOf(m_pParentWnd);
    const QPointer<detail::DialogWidget> widget = new detail::DialogWidget(templateId_, owner ? owner->GetWidget() : nullptr);
    if (!Build(*found, widget, nullptr)) return -1;
    // OnInitDialog may have ended the dialog already, and a handler destroyed it.
    if (!ended_ && widget && focusFirst_) {
        if (Wnd* first = GetNextDlgTabItem(nullptr)) GotoDlgCtrl(first);
    }
    if (!ended_ && widget) {
        widget->setWindowModality(Qt::ApplicationModal);
        widget->exec();
    }
    DestroyWindow();
    return result_;
}

BOOL Dialog::Create(UINT templateId, Wnd* parent) {
    HMODULE module = nullptr;
    const std::optional<DialogTemplate> found = LoadDialogTemplate(templateId, &module);
    if (m_hWnd || !found || !parent || !parent->GetWidget()) return FALSE;
    SetTemplateModule(module);
    templateId_ = templateId;
    m_pParentWnd = parent;
    auto* widget = new detail::DialogWidget(templateId_, parent->GetChildArea());
    widget->setWindowFlags(Qt::Widget);
    if (!Build(*found, widget, parent)) return FALSE;
    if (!ended_) ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL Dialog::Build(const DialogTemplate& dialogTemplate, QWidget* widget, Wnd* parent) {
    if (!CreateOver(widget, parent, 0, false)) return FALSE;
    result_ = -1;
    ended_ = false;
    widget->setFont(detail::QtDialogFont(dialogTemplate.font));
    baseUnits_ = detail::DialogBaseUnits(widget->font());
    SetWindowText(dialogTemplate.caption.GetString());
    const Rect client = DialogUnitsToPixels({0, 0, dialogTemplate.size.cx, dialogTemplate.size.cy}, baseUnits_);
    widget->resize(client.Width(), client.Height());
    controls_ = detail::CreateDialogControls(*this, dialogTemplate, baseUnits_);
    focusFirst_ = SendMessage(WM_INITDIALOG) != FALSE;
    return TRUE;
}

void Dialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    // Hiding a QDialog also ends the loop of its exec.
    ShowWindow(SW_HIDE);
}

void Dialog::MapDialogRect(Rect* rect) const { *rect = DialogUnitsToPixels(*rect, baseUnits_); }

int Dialog::GetDlgItemText(int id, String& text) const {
    text.Empty();
    if (Wnd* item = GetDlgItem(static_cast<UINT>(id))) item->GetWindowText(text);
    return text.GetLength();
}

void Dialog::SetDlgItemText(int id, const char* text) {
    if (Wnd* item = GetDlgItem(static_cast<UINT>(id))) item->SetWindowText(text);
}

void Dialog::CheckDlgButton(int id, UINT check) {
    if (Wnd* item = GetDlgItem(static_cast<UINT>(id))) item->SendMessage(BM_SETCHECK, check);
}

UINT Dialog::IsDlgButtonChecked(int id) const {
    Wnd* item = GetDlgItem(static_cast<UINT>(id));
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : BST_UNCHECKED;
}

void Dialog::GotoDlgCtrl(Wnd* control) {
    if (control) ::platform::ui::GotoDlgCtrl(*this, *control);
}

BOOL Dialog::PreTranslateMessage(MSG* pMsg) { return IsDialogMessage(pMsg); }

BOOL Dialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void Dialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog();
        case WM_CLOSE:
            if (!ended_) OnCancel();
            return 0;
        case WM_NEXTDLGCTL: return detail::HandleNextDlgCtl(*this, wParam, lParam);
        default: return Wnd::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform::ui
