// How the plain connection shows a failure: the module's own messages by number, every other
// failure by the system's text.
#include "outside/pendora/conexao_ged_srv.h"

#include "platform/com/hresult_text.h"
#include "platform/interaction.h"
#include "util/config/module_table.h"
#include "util/message/messages.h"

namespace {

constexpr std::uint32_t kFacilityItf = 0x80040000;

// A message of the module's file travels as 0x80040000 | its number; the platform's own results
// of that facility (class not registered and the like) have texts of their own.
bool EhCodigoMensagem(platform::HRESULT hr, const std::string& textoSistema) {
    return (static_cast<std::uint32_t>(hr) & 0xFFFF0000u) == kFacilityItf && textoSistema.empty();
}

}  // namespace

void CConexaoGedSrv::MostraErro(platform::HRESULT hr) {
    const std::string textoSistema = platform::HResultText(hr);
    if (EhCodigoMensagem(hr, textoSistema)) {
        const auto mensagem = static_cast<std::int32_t>(hr & 0xFFFF);
        ZTMostraMensagem(mensagem, ZT_MODULO_GED, 0, platform::MB_OK | platform::MB_ICONERROR);
        return;
    }
    CZTString texto;
    texto.Format("%s (0x%08X)", textoSistema.empty() ? "Erro" : textoSistema.c_str(), static_cast<unsigned>(hr));
    platform::CurrentInteraction().ShowMessage(texto, ZTGetNomeModulo(ZT_MODULO_GED),
                                               platform::MB_OK | platform::MB_ICONERROR, true);
}
