#include "outside/mensor/zt_mensor.h"

#include "platform/interaction.h"
#include "util/config/module_table.h"
#include "util/message/messages.h"

int ZTMensagem(std::int32_t numero, const char* sistema) {
    return ZTMostraMensagem(numero, ZTBuscaModuloPorPrefixo(sistema), 0, platform::MB_OK | platform::MB_ICONWARNING);
}
