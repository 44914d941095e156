#include "outside/editra/zt_about_box.h"

#include "platform/ui/app/win_app.h"
#include "platform/ui/box/message_box.h"
#include "util/text/zt_string.h"

using namespace platform;

void ZTAboutBox(const char* szTitulo, const char* szSistema, DWORD dwVersao) {
    const char* titulo = szTitulo ? szTitulo : "";
    CZTString texto;
    texto.Format("%s\nSistema: %s\nVers\xE3o %u.%u", titulo, szSistema ? szSistema : "",
                 static_cast<unsigned>(HIWORD(dwVersao)), static_cast<unsigned>(LOWORD(dwVersao)));
    CZTString legenda;
    legenda.Format("Sobre %s", titulo);
    (void)ui::MessageBox(ui::AfxGetMainWnd(), texto.GetString(), legenda.GetString(), MB_OK | MB_ICONINFORMATION);
}
