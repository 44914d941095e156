#include "outside/pendora/ui/qd_mensagem.h"

#include "platform/ui/box/message_box.h"
#include "util/config/module_table.h"
#include "util/message/messages.h"

#include <cstdarg>

namespace {

CZTString TextoDoCatalogo(int numero) { return ZTLeMensagem(numero, ZT_MODULO_GED); }

// `texto` empty: the number is missing from the file, and the box says so.
int MostraCaixa(platform::ui::Wnd* janela, const CZTString& texto, int numero, platform::UINT estilo) {
    return platform::ui::MessageBox(janela, ZTMontaTextoErro(texto, numero, 0), ZTGetNomeModulo(ZT_MODULO_GED),
                                    estilo);
}

}  // namespace

int QDMensagem(platform::ui::Wnd* janela, int numero, platform::UINT estilo) {
    return MostraCaixa(janela, TextoDoCatalogo(numero), numero, estilo);
}

int QDMensagemFmt(platform::ui::Wnd* janela, int numero, platform::UINT estilo, ...) {
    const CZTString modelo = TextoDoCatalogo(numero);
    CZTString texto;
    if (!modelo.IsEmpty()) {
        va_list argumentos;
        va_start(argumentos, estilo);
        texto.FormatV(modelo, argumentos);
        va_end(argumentos);
    }
    return MostraCaixa(janela, texto, numero, estilo);
}
