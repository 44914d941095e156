#include "framework/application/zt_fc_app.h"

#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_excecao_nao_tratada.h"
#include "framework/application/zt_fc_finalizavel.h"
#include "framework/form/zt_fc_formulario.h"
#include "framework/navigation/zt_enter.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/frame_wnd.h"

#include <cstdlib>
#include <cstring>
#include <utility>

CZTFCApp::CZTFCApp()
    : platform::ui::WinApp(nullptr),
      m_anteriorTratadorExcecoes(platform::ui::SetExceptionHandler(ZTTrataExcecaoNaoTratada)) {
    // The navigation's page messages are process-wide numbers that exist before any window.
    CZTEnter::RegistraMensagens();
}

CZTFCApp::~CZTFCApp() { platform::ui::SetExceptionHandler(std::move(m_anteriorTratadorExcecoes)); }

void CZTFCApp::SetChaveRegistro(const char* chave) {
    SetRegistryKey(chave);
    std::free(m_pszProfileName);
    m_pszProfileName = ::strdup(m_strTitulo.GetString());
}

bool CZTFCApp::TrataErro(CZTFCException&) {
    const auto* frame = dynamic_cast<platform::ui::FrameWnd*>(ZTGetMainWnd());
    if (!frame) return false;
    if (auto* documento = dynamic_cast<CZTFCFinalizavel*>(frame->GetActiveDocument())) documento->OnFinaliza();
    return false;
}

void CZTFCApp::MostraErroValidacao(CZTFCValidador* validador) {
    if (!validador) return;
    CZTString texto = validador->GetMensagem();
    if (texto.IsEmpty()) {
        if (auto* formulario = dynamic_cast<CZTFCFormulario*>(validador->GetJanela())) {
            texto = formulario->FormataMensagemValidacao(validador);
        }
    }
    if (texto.IsEmpty()) return;
    platform::ui::MessageBox(ZTGetMainWnd(), texto, m_strTitulo, platform::MB_ICONWARNING);
}

platform::BOOL CZTFCApp::InitInstance() { return platform::TRUE; }

int CZTFCApp::ExitInstance() { return platform::ui::WinApp::ExitInstance(); }
