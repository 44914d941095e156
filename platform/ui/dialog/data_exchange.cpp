#include "platform/ui/dialog/data_exchange.h"

#include "platform/interaction.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/dialog/dialog_manager.h"
#include "platform/ui/dialog/tab_order.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace platform::ui {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The integer `text` holds, blanks around it and a leading '+' allowed; nothing when it holds
// anything else or a number outside the type's range.
template <class Integer>
std::optional<Integer> ParseInteger(std::string_view text) {
    text = Trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < static_cast<long long>(std::numeric_limits<Integer>::min()) ||
        value > static_cast<long long>(std::numeric_limits<Integer>::max())) {
        return std::nullopt;
    }
    return static_cast<Integer>(value);
}

template <class Integer>
void ExchangeInteger(DataExchange* pDX, int id, Integer& value) {
    Wnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (!pDX->m_bSaveAndValidate) {
        control->SetWindowText(std::to_string(value).c_str());
        return;
    }
    String text;
    control->GetWindowText(text);
    const std::optional<Integer> parsed = ParseInteger<Integer>(text.GetString());
    if (!parsed) {
        AfxMessageBox(kNotAnIntegerMessage, MB_ICONEXCLAMATION);
        pDX->Fail();
        return;
    }
    value = *parsed;
}

}  // namespace

BOOL Wnd::UpdateData(BOOL saveAndValidate) {
    DataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return exchange.HasFailed() ? FALSE : TRUE;
}

Wnd* DataExchange::PrepareCtrl(int id) {
    if (failed_ || !m_pDlgWnd) return nullptr;
    prepared_ = m_pDlgWnd->GetDlgItem(static_cast<UINT>(id));
    return prepared_;
}

void DataExchange::Fail() {
    failed_ = true;
    if (prepared_ && m_pDlgWnd) GotoDlgCtrl(*m_pDlgWnd, *prepared_);
}

void DDX_Control(DataExchange* pDX, int id, Wnd& control) {
    if (!pDX->HasFailed() && !control.m_hWnd) control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

void DDX_Text(DataExchange* pDX, int id, String& value) {
    Wnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        control->GetWindowText(value);
    } else {
        control->SetWindowText(value.GetString());
    }
}

void DDX_Text(DataExchange* pDX, int id, int& value) { ExchangeInteger(pDX, id, value); }
void DDX_Text(DataExchange* pDX, int id, UINT& value) { ExchangeInteger(pDX, id, value); }
void DDX_Text(DataExchange* pDX, int id, short& value) { ExchangeInteger(pDX, id, value); }
void DDX_Text(DataExchange* pDX, int id, BYTE& value) { ExchangeInteger(pDX, id, value); }

void DDX_Check(DataExchange* pDX, int id, int& value) {
    Wnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(control->SendMessage(BM_GETCHECK));
    } else {
        control->SendMessage(BM_SETCHECK, static_cast<WPARAM>(value));
    }
}

void DDX_Radio(DataExchange* pDX, int id, int& value) {
    Wnd* first = pDX->PrepareCtrl(id);
    if (!first) return;
    const std::vector<Wnd*> radios = detail::TabOrder(pDX->m_pDlgWnd->GetChildWindows()).RadiosOfGroup(first);
    if (pDX->m_bSaveAndValidate) value = -1;
    for (std::size_t index = 0; index < radios.size(); ++index) {
        const bool at = static_cast<int>(index) == value;
        if (!pDX->m_bSaveAndValidate) {
            radios[index]->SendMessage(BM_SETCHECK, at ? BST_CHECKED : BST_UNCHECKED);
        } else if (value < 0 && radios[index]->SendMessage(BM_GETCHECK) == BST_CHECKED) {
            value = static_cast<int>(index);
        }
    }
}

void DDX_CBIndex(DataExchange* pDX, int id, int& index) {
    auto* combo = dynamic_cast<ComboBox*>(pDX->PrepareCtrl(id));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) {
        index = combo->GetCurSel();
    } else {
        combo->SetCurSel(index);
    }
}

}  // namespace platform::ui
