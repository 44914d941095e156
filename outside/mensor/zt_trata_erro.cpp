#include "outside/mensor/zt_mensor.h"

#include "platform/interaction.h"
#include "platform/text/codepage.h"
#include "util/config/module_table.h"
#include "util/message/hresult_message.h"

bool ZTTrataErro2(platform::HRESULT codigo, std::int32_t subcodigo, std::int16_t extra, const char* empresa,
                  const char* arquivoFonte, std::int32_t linha, const char* compilacao) {
    static const std::string kFormato = platform::AnsiFromUtf8(
        "%s\n\nCódigo: 0x%08X\nSubcódigo: %d\nComplemento: %d\nEmpresa: %s\nArquivo: %s\nLinha: %d\n"
        "Compilação: %s");
    CZTString texto;
    texto.Format(kFormato.c_str(), ZTGetTextoHResult(codigo, ZT_MODULO_GED).GetString(),
                 static_cast<unsigned>(codigo), subcodigo, extra, empresa ? empresa : "",
                 arquivoFonte ? arquivoFonte : "", linha, compilacao ? compilacao : "");
    platform::CurrentInteraction().ShowMessage(texto, ZTGetNomeModulo(ZT_MODULO_GED),
                                               platform::MB_OK | platform::MB_ICONWARNING, true);
    return true;
}
