// The key rules that forms and framework dialogs share for Tab and Enter: which keys they look
// at, and the two kinds of control that keep Enter from moving the focus.
//
// Enter counts as a navigation key only while the user object's Enter-acts-as-Tab option is on
// (no user object: on, as a new one starts). Ctrl+Tab and Alt keys belong to the page switch and
// the menus, never to this navigation. User-interface thread.
#pragma once

#include "platform/ui/message/key_message.h"

#include <optional>

namespace platform::ui {
class Wnd;
}

// A navigation key: Enter or Tab, forward or (Shift) backward, on the focused window.
struct ZTFCTeclaNavegacao {
    bool bEnter = false;
    bool bVolta = false;
    platform::ui::Wnd* pFocada = nullptr;
};

// The navigation key of `pMsg`; nothing when the message is none or no such key.
[[nodiscard]] std::optional<ZTFCTeclaNavegacao> ZTFCLeTeclaNavegacao(const platform::ui::MSG* pMsg);

// Enter on a push button runs it: WM_COMMAND (BN_CLICKED) with its id to `destino`. FALSE, with
// nothing sent, when `botao` is no push button.
platform::BOOL ZTFCClicaBotao(platform::ui::Wnd& destino, platform::ui::Wnd* botao);

// A multi-line edit that takes Enter as a new line.
[[nodiscard]] bool ZTFCIsEditMultiLinha(const platform::ui::Wnd* janela);

// Focuses `controle`, a control of `dialogo`, as WM_NEXTDLGCTL(control, TRUE) does.
void ZTFCFocaNoDialogo(platform::ui::Wnd& dialogo, platform::ui::Wnd& controle);
