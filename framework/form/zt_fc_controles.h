// Clearing and enabling every control of a form or dialog, its tab pages included.
// User-interface thread.
#pragma once

#include "platform/ui/message/messages.h"

namespace platform::ui {
class Wnd;
}

// Sent to the window for each control before it is cleared (wParam: the control's handle); a
// non-zero answer keeps that control's value.
constexpr platform::UINT WM_ZTFC_MANTEM_CONTROLE = platform::ui::WM_APP + 2;

// Clears the window's tab stops, each once, in the dialog manager's order (disabled and hidden
// controls are not reached): a suite edit through its own text setter, any other edit to an
// empty text, a combo to its first item (no items: an empty text), check boxes and radios
// unchecked (a radio reached clears its whole group); other controls stay. Then every page: a
// page that is a form or dialog (CZTFCFormulario) runs its LimpaCampos, any other is cleared
// as above.
void ZTFCLimpaControles(platform::ui::Wnd& janela);

// Enables or disables every child of the window but its statics; a button with id IDCANCEL (2)
// is always enabled. Then the same on every page.
void ZTFCHabilitaControles(platform::ui::Wnd& janela, platform::BOOL bHabilita);
