#include "platform/ui/control/button.h"

#include "platform/ui/control/notify_parent.h"
#include "platform/ui/window/qt_text.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace platform::ui {

namespace {

// A three-state check box that cycles unchecked, checked, indeterminate as the callers expect
// (Qt's own cycle puts indeterminate second).
class ThreeStateCheckBox final : public QCheckBox {
public:
    ThreeStateCheckBox() { setTristate(true); }

protected:
    void nextCheckState() override {
        switch (checkState()) {
            case Qt::Unchecked: setCheckState(Qt::Checked); break;
            case Qt::Checked: setCheckState(Qt::PartiallyChecked); break;
            default: setCheckState(Qt::Unchecked); break;
        }
    }
};

QAbstractButton* NewButtonWidget(UINT style) {
    switch (style) {
        case BS_AUTOCHECKBOX: return new QCheckBox;
        case BS_AUTO3STATE: return new ThreeStateCheckBox;
        case BS_AUTORADIOBUTTON: {
            // Grouping follows the dialog's group flags, not the Qt parent.
            auto* radio = new QRadioButton;
            radio->setAutoExclusive(false);
            return radio;
        }
        default: {
            auto* push = new QPushButton;
            push->setAutoDefault(false);
            return push;
        }
    }
}

// The text with Qt's own mnemonic shortcut taken off: mnemonics are the dialog manager's.
void SetButtonText(QAbstractButton& button, const char* text) {
    button.setText(QtTextOf(text));
    button.setShortcut(QKeySequence());
}

Qt::CheckState QtCheckOf(UINT check) {
    switch (check) {
        case BST_CHECKED: return Qt::Checked;
        case BST_INDETERMINATE: return Qt::PartiallyChecked;
        default: return Qt::Unchecked;
    }
}

}  // namespace

BOOL Button::Create(const char* text, UINT style, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    QAbstractButton* button = NewButtonWidget(style);
    SetButtonText(*button, text);
    if (!CreateOver(button, parent, id)) return FALSE;
    style_ = style;
    MoveWindow(rect, FALSE);
    const HWND self = m_hWnd;
    QObject::connect(button, &QAbstractButton::clicked, [self] {
        if (auto* clicked = static_cast<Button*>(FromHandle(self))) clicked->OnClicked();
    });
    return TRUE;
}

void Button::OnClicked() {
    if (style_ == BS_AUTORADIOBUTTON) CheckInGroup();
    detail::NotifyParent(*this, BN_CLICKED);
}

void Button::CheckInGroup() {
    SetCheck(BST_CHECKED);
    if (!radioGroup_) return;
    for (HWND other : *radioGroup_) {
        if (other != m_hWnd) ::platform::ui::SendMessage(other, BM_SETCHECK, BST_UNCHECKED);
    }
}

UINT Button::GetCheck() const {
    const auto* box = qobject_cast<const QCheckBox*>(GetWidget());
    if (box) return box->checkState() == Qt::PartiallyChecked ? BST_INDETERMINATE : box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    const auto* button = qobject_cast<const QAbstractButton*>(GetWidget());
    return button && button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void Button::SetCheck(UINT check) {
    if (auto* box = qobject_cast<QCheckBox*>(GetWidget())) {
        box->setCheckState(box->isTristate() ? QtCheckOf(check) : QtCheckOf(check == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED));
        return;
    }
    if (auto* radio = qobject_cast<QRadioButton*>(GetWidget())) radio->setChecked(check == BST_CHECKED);
}

void Button::JoinRadioGroup(Button& first) {
    if (!first.radioGroup_) first.radioGroup_ = std::make_shared<std::vector<HWND>>(1, first.m_hWnd);
    radioGroup_ = first.radioGroup_;
    radioGroup_->push_back(m_hWnd);
}

WindowKind Button::GetKind() const {
    switch (style_) {
        case BS_AUTOCHECKBOX:
        case BS_AUTO3STATE: return WindowKind::CheckBox;
        case BS_AUTORADIOBUTTON: return WindowKind::RadioButton;
        default: return WindowKind::PushButton;
    }
}

void Button::SetDefaultMark(BOOL on) {
    if (auto* push = qobject_cast<QPushButton*>(GetWidget())) push->setDefault(on != FALSE);
}

BOOL Button::HasDefaultMark() const {
    const auto* push = qobject_cast<const QPushButton*>(GetWidget());
    return push && push->isDefault() ? TRUE : FALSE;
}

void Button::OnTakeOver(Wnd& previous) {
    const auto* made = dynamic_cast<const Button*>(&previous);
    if (!made) return;
    style_ = made->style_;
    radioGroup_ = made->radioGroup_;
}

void Button::SetWindowText(const char* text) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget())) SetButtonText(*button, text);
}

void Button::GetWindowText(String& text) const {
    const auto* button = qobject_cast<const QAbstractButton*>(GetWidget());
    text = button ? AnsiTextOf(button->text()) : String();
}

LRESULT Button::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_GETCHECK: return GetCheck();
        case BM_SETCHECK: SetCheck(static_cast<UINT>(wParam)); return 0;
        case BM_CLICK:
            if (auto* button = qobject_cast<QAbstractButton*>(GetWidget())) button->click();
            return 0;
        default: return Wnd::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform::ui
