#include "util/message/hresult_message.h"

#include "platform/com/hresult_text.h"
#include "util/message/messages.h"

namespace {

constexpr std::uint32_t kFacilityItf = 0x80040000;

}  // namespace

bool ZTEhMensagemDoModulo(platform::HRESULT hr) {
    return (static_cast<std::uint32_t>(hr) & 0xFFFF0000u) == kFacilityItf && platform::HResultText(hr).empty();
}

CZTString ZTGetTextoHResult(platform::HRESULT hr, std::int32_t modulo) {
    if (ZTEhMensagemDoModulo(hr)) {
        const auto mensagem = static_cast<std::int32_t>(hr & 0xFFFF);
        return ZTMontaTextoErro(ZTLeMensagem(mensagem, modulo), mensagem, 0);
    }
    const std::string textoSistema = platform::HResultText(hr);
    return textoSistema.empty() ? CZTString("Erro") : CZTString(textoSistema);
}
