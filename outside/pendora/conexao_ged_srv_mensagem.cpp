// How the plain connection shows a failure: the module's own messages by number, every other
// failure by the system's text and its number.
#include "outside/pendora/conexao_ged_srv.h"

#include "platform/interaction.h"
#include "util/config/module_table.h"
#include "util/message/hresult_message.h"

void CConexaoGedSrv::MostraErro(platform::HRESULT hr) {
    const CZTString texto = ZTGetTextoHResult(hr, ZT_MODULO_GED);
    const CZTString titulo = ZTGetNomeModulo(ZT_MODULO_GED);
    constexpr unsigned kEstilo = platform::MB_OK | platform::MB_ICONERROR;
    if (ZTEhMensagemDoModulo(hr)) {
        platform::CurrentInteraction().ShowMessage(texto, titulo, kEstilo, false);
        return;
    }
    CZTString comCodigo;
    comCodigo.Format("%s (0x%08X)", texto.GetString(), static_cast<unsigned>(hr));
    platform::CurrentInteraction().ShowMessage(comCodigo, titulo, kEstilo, true);
}
