#include "server/content/qd_evento_conteudo.h"

void QDRegistraEventoConteudo(platform::WORD tipo, const char* texto) {
    const platform::HANDLE_EVENTSOURCE fonte = platform::RegisterEventSource(nullptr, QD_FONTE_EVENTOS);
    if (!fonte) return;
    const platform::String textos[1] = {platform::String(texto)};
    (void)platform::ReportEvent(fonte, tipo, 0, 0, textos);
    platform::DeregisterEventSource(fonte);
}
