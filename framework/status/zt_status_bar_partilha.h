// What the status bar and its senders share across threads (internal): the handle of the
// process's bar, the shared text for the animated pane under its lock, and the payload that
// carries a marked text. Any thread.
#pragma once

#include "platform/ui/message/messages.h"
#include "util/text/zt_string.h"

namespace zt_status {

// The bar's window, null while there is none.
[[nodiscard]] platform::ui::HWND JanelaStatusBar();
// `janela` becomes the process's bar.
void RegistraJanelaStatusBar(platform::ui::HWND janela);
// Forgets `janela` when it is the process's bar (a bar going never forgets a newer one).
void EsqueceJanelaStatusBar(platform::ui::HWND janela);

// The shared text := `texto` (null: empty), under the lock.
void DefineTextoCompartilhado(const char* texto);
// A copy of the shared text, taken under the lock.
[[nodiscard]] CZTString CopiaTextoCompartilhado();

// The marked text of WM_ZTSTATUS_TEXTO_MARCADO, freed with the message.
struct TextoMarcadoPayload final : platform::ui::MessagePayload {
    explicit TextoMarcadoPayload(const char* texto) : texto(texto) {}
    CZTString texto;
};

}  // namespace zt_status
