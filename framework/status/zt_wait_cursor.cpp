#include "framework/status/zt_wait_cursor.h"

#include "framework/status/zt_status_bar_envio.h"
#include "platform/ui/app/wait_cursor.h"

CZTWaitCursor::CZTWaitCursor(const char* texto, int primeiro, int ultimo) {
    platform::ui::BeginWaitCursor();
    ZTIniciaAnimacaoStatusBar(texto, primeiro, ultimo);
}

CZTWaitCursor::~CZTWaitCursor() {
    ZTParaAnimacaoStatusBar("");
    platform::ui::EndWaitCursor();
}

void CZTWaitCursor::SetTexto(const char* texto) { ZTSetTextoStatusBar(texto); }
