#include "util/com/zt_evento_servidor.h"

#include "platform/com/hresult_text.h"
#include "platform/system/process_info.h"
#include "util/com/zt_servidor_remoto.h"

using namespace platform;

namespace {

// The system text of a result is read into a buffer of 256 characters, as one line.
constexpr int kMaxHResultText = 255;

CZTString LinhaDoErro(HRESULT hr) {
    CZTString texto(HResultText(hr));
    texto.Replace('\r', ' ');
    texto.Replace('\n', ' ');
    texto.TrimRight();
    return texto.GetLength() > kMaxHResultText ? CZTString(texto.Left(kMaxHResultText)) : texto;
}

}  // namespace

void ZTRegistraEventoServidor(const CLSID& clsid, HRESULT hr, WORD tipo, const char* texto) {
    const HANDLE_EVENTSOURCE fonte = RegisterEventSource(nullptr, ZT_FONTE_EVENTOS);
    if (!fonte) return;
    String programa;
    (void)ModulePath(programa);
    CZTString detalhes;
    detalhes.Format("\nHR: 0x%X (%s)\nCLSID: %s\nPrograma: %s\n", static_cast<unsigned>(hr),
                    LinhaDoErro(hr).GetString(), ZTConverteCLSIDParaTexto(clsid).GetString(), programa.GetString());
    const String textos[2] = {String(texto), detalhes};
    (void)ReportEvent(fonte, tipo, 0, static_cast<DWORD>(hr), textos);
    DeregisterEventSource(fonte);
}
