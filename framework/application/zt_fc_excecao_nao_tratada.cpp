#include "framework/application/zt_fc_excecao_nao_tratada.h"

#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_app.h"
#include "framework/application/zt_fc_exception.h"
#include "platform/exception.h"
#include "platform/text/codepage.h"
#include "platform/ui/box/message_box.h"
#include "util/message/hresult_translation.h"
#include "util/message/zt_exception.h"

#include <stdexcept>

namespace {

// What an exception without a text of its own reads as.
constexpr const char* kSemTexto = "Erro";

CZTString TextoDe(const platform::Exception& erro) {
    char texto[512];
    return erro.GetErrorMessage(texto, sizeof texto) ? CZTString(texto) : CZTString(kSemTexto);
}

// Shows the active exception's `texto` and HRESULT; only inside its catch handler.
void MostraExcecaoAtiva(const CZTString& texto) {
    static const std::string kFormato = platform::AnsiFromUtf8("%s\n\nCódigo: 0x%08X");
    CZTString mensagem;
    mensagem.Format(kFormato.c_str(), texto.GetString(), static_cast<unsigned>(ZTHResultDeExcecao()));
    const CZTFCApp* app = ZTGetApp();
    platform::ui::MessageBox(ZTGetMainWnd(), mensagem, app ? app->GetTitulo() : CZTString(),
                             platform::MB_OK | platform::MB_ICONERROR);
}

}  // namespace

void ZTTrataExcecaoNaoTratada(std::exception_ptr excecao) {
    try {
        std::rethrow_exception(excecao);
    } catch (const CZTFCException&) {
        // Reported by its constructor; the operation simply ends here.
    } catch (CZTException* erro) {
        if (!erro) return;
        erro->ReportError();
        erro->Delete();
    } catch (platform::Exception* erro) {
        MostraExcecaoAtiva(erro ? TextoDe(*erro) : CZTString(kSemTexto));
        if (erro) erro->Delete();
    } catch (const platform::Exception& erro) {
        MostraExcecaoAtiva(TextoDe(erro));
    } catch (const std::exception& erro) {
        MostraExcecaoAtiva(erro.what());
    } catch (...) {
        MostraExcecaoAtiva(kSemTexto);
    }
}
