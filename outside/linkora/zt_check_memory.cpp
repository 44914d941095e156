#include "outside/linkora/zt_check_memory.h"

#include "platform/system/event_log.h"
#include "platform/system/process_info.h"
#include "util/text/zt_string.h"

using namespace platform;

namespace {

// Whether the last check found the program over its bound: it warns once per crossing.
bool g_bAcimaDoLimite = false;

void AvisaMemoria(std::uint64_t residente, std::uint64_t limite) {
    const HANDLE_EVENTSOURCE fonte = RegisterEventSource(nullptr, ZT_FONTE_CHECK_MEMORY);
    if (!fonte) return;
    String programa;
    (void)ModulePath(programa);
    CZTString texto;
    texto.Format("Mem\xF3ria residente de %s: %llu bytes, acima do limite de %llu bytes.", programa.GetString(),
                 static_cast<unsigned long long>(residente), static_cast<unsigned long long>(limite));
    const String textos[1] = {texto};
    (void)ReportEvent(fonte, EVENTLOG_WARNING_TYPE, 0, ZT_EVENTO_CHECK_MEMORY, textos);
    DeregisterEventSource(fonte);
}

}  // namespace

BOOL ZTCheckMemory(std::uint64_t limite) {
    std::uint64_t residente = 0;
    if (ResidentMemory(residente) != ERROR_SUCCESS) return TRUE;
    const bool acima = residente > limite;
    if (acima && !g_bAcimaDoLimite) AvisaMemoria(residente, limite);
    g_bAcimaDoLimite = acima;
    return acima ? FALSE : TRUE;
}

BOOL ZTSetTimerCheckMemory(ui::Wnd* pWnd) {
    if (!pWnd || !pWnd->GetSafeHwnd()) return FALSE;
    const UINT_PTR id = pWnd->SetTimer(ZT_ID_TIMER_CHECK_MEMORY, ZT_INTERVALO_CHECK_MEMORY,
                                       [](ui::HWND, UINT_PTR) { (void)ZTCheckMemory(); });
    return id != 0 ? TRUE : FALSE;
}
