#include "platform/ui/dialog/mnemonics.h"

#include "platform/text/string.h"
#include "platform/ui/control/button.h"
#include "platform/ui/dialog/dialog_manager.h"
#include "platform/ui/dialog/tab_order.h"

#include <cctype>

namespace platform::ui::detail {

namespace {

Wnd* ControlWithMnemonic(const Wnd& dialog, char letter) {
    for (Wnd* child : dialog.GetChildWindows()) {
        if (!IsEnabledAndVisible(*child)) continue;
        String text;
        child->GetWindowText(text);
        if (MnemonicOf(text.GetString()) == letter) return child;
    }
    return nullptr;
}

}  // namespace

char MnemonicOf(const char* text) {
    for (const char* at = text; at && *at; ++at) {
        if (*at != '&') continue;
        ++at;
        if (*at == '\0') return 0;
        if (*at != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(*at)));
    }
    return 0;
}

bool RunMnemonic(Wnd& dialog, char letter) {
    Wnd* control = ControlWithMnemonic(dialog, letter);
    if (!control) return false;
    switch (control->GetKind()) {
        case WindowKind::Static:
            if (Wnd* next = dialog.GetNextDlgTabItem(control)) GotoDlgCtrl(dialog, *next);
            return true;
        case WindowKind::PushButton:
            control->SendMessage(BM_CLICK);
            return true;
        case WindowKind::CheckBox:
        case WindowKind::RadioButton:
            GotoDlgCtrl(dialog, *control);
            control->SendMessage(BM_CLICK);
            return true;
        default:
            GotoDlgCtrl(dialog, *control);
            return true;
    }
}

}  // namespace platform::ui::detail
