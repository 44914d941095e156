// The client library's numbered messages: a box over a window with a text of the module's
// message file ("ZTQDMens.txt"), captioned with the module's name ("Kelvo GED").
//
// The box goes through the window layer's one box routine, so a test's box hook sees it. A number
// the file lacks still shows its box, with the unknown-error text that names the number, so that a
// question is still asked and its answer still returned. User-interface thread.
#pragma once

#include "platform/win_types.h"

namespace platform::ui {
class Wnd;
}

// Shows message `numero` over `janela` (null: no owner) in a box of style `estilo` (MB_*);
// returns the button pressed (IDOK, IDYES, ...).
int QDMensagem(platform::ui::Wnd* janela, int numero, platform::UINT estilo);

// As QDMensagem, with the message's text used as a printf format for the arguments that follow.
int QDMensagemFmt(platform::ui::Wnd* janela, int numero, platform::UINT estilo, ...);
