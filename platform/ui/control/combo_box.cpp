#include "platform/ui/control/combo_box.h"

#include "platform/ui/control/notify_parent.h"
#include "platform/ui/control/typing_filter.h"
#include "platform/ui/window/qt_text.h"

#include <QComboBox>
#include <QLineEdit>

namespace platform::ui {

namespace {

QComboBox* ComboOf(QWidget* widget) { return qobject_cast<QComboBox*>(widget); }

bool IsItem(const QComboBox* combo, int index) { return combo && index >= 0 && index < combo->count(); }

}  // namespace

BOOL ComboBox::Create(UINT style, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent) return FALSE;
    auto* combo = new QComboBox;
    if (style != CBS_DROPDOWNLIST) {
        combo->setEditable(true);
        // Typing is ours to bound; Qt would add what is typed to the list on Enter.
        combo->setInsertPolicy(QComboBox::NoInsert);
        // The combo forwards its keys to its edit itself: typing is watched on the combo.
        QLineEdit* editor = combo->lineEdit();
        new detail::TypingFilter(combo, [editor] {
            return static_cast<int>(editor->text().size() - editor->selectedText().size());
        });
    }
    if (!CreateOver(combo, parent, id)) return FALSE;
    const int height = style == CBS_SIMPLE ? rect.Height() : combo->sizeHint().height();
    MoveWindow(rect.left, rect.top, rect.Width(), height, FALSE);
    const HWND self = m_hWnd;
    QObject::connect(combo, &QComboBox::activated, [self] {
        if (Wnd* window = FromHandle(self)) detail::NotifyParent(*window, CBN_SELCHANGE);
    });
    return TRUE;
}

int ComboBox::AddString(const char* text) {
    QComboBox* combo = ComboOf(GetWidget());
    if (!combo) return CB_ERR;
    // Qt selects the first item added to an empty list and shows it in the edit; the original
    // platform's combo keeps having no selection and the edit's text.
    const bool noSelection = combo->currentIndex() < 0;
    const QString editText = combo->currentText();
    combo->addItem(QtTextOf(text));
    if (noSelection) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) combo->setEditText(editText);
    }
    return combo->count() - 1;
}

void ComboBox::ResetContent() {
    if (QComboBox* combo = ComboOf(GetWidget())) combo->clear();
}

int ComboBox::GetCount() const {
    const QComboBox* combo = ComboOf(GetWidget());
    return combo ? combo->count() : 0;
}

int ComboBox::SetCurSel(int index) {
    QComboBox* combo = ComboOf(GetWidget());
    if (!combo) return CB_ERR;
    const bool valid = IsItem(combo, index);
    combo->setCurrentIndex(valid ? index : -1);
    return valid ? index : CB_ERR;
}

int ComboBox::GetLBText(int index, String& text) const {
    const QComboBox* combo = ComboOf(GetWidget());
    if (!combo || !IsItem(combo, index)) return CB_ERR;
    text = AnsiTextOf(combo->itemText(index));
    return text.GetLength();
}

int ComboBox::GetCurSel() const {
    const QComboBox* combo = ComboOf(GetWidget());
    return combo && combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
}

int ComboBox::SetItemData(int index, DWORD_PTR data) {
    QComboBox* combo = ComboOf(GetWidget());
    if (!IsItem(combo, index)) return CB_ERR;
    combo->setItemData(index, QVariant::fromValue<quint64>(data));
    return 0;
}

DWORD_PTR ComboBox::GetItemData(int index) const {
    const QComboBox* combo = ComboOf(GetWidget());
    if (!IsItem(combo, index)) return static_cast<DWORD_PTR>(CB_ERR);
    return static_cast<DWORD_PTR>(combo->itemData(index).value<quint64>());
}

void ComboBox::LimitText(int max) {
    const QComboBox* combo = ComboOf(GetWidget());
    if (!combo) return;
    if (detail::TypingFilter* typing = detail::TypingFilter::Of(combo)) typing->SetLimit(max);
}

void ComboBox::SetWindowText(const char* text) {
    QComboBox* combo = ComboOf(GetWidget());
    if (combo && combo->isEditable()) combo->setEditText(QtTextOf(text));
}

void ComboBox::GetWindowText(String& text) const {
    const QComboBox* combo = ComboOf(GetWidget());
    text = combo ? AnsiTextOf(combo->currentText()) : String();
}

LRESULT ComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CB_SETCURSEL) return SetCurSel(static_cast<int>(wParam));
    return Wnd::WindowProc(message, wParam, lParam);
}

}  // namespace platform::ui
