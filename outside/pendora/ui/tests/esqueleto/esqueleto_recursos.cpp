#include "outside/pendora/ui/tests/esqueleto/esqueleto_recursos.h"

#include "outside/pendora/ui/qd_main_frame.h"
#include "outside/pendora/ui/tests/esqueleto/esqueleto_ids.h"
#include "platform/ui/frame/frame_ids.h"
#include "platform/ui/resource/resources.h"
#include "platform/interaction.h"
#include "platform/ui/window/virtual_keys.h"

using namespace platform::ui;

namespace esqueleto {

namespace {

constexpr platform::UINT ID_ATUALIZA = 32779;
constexpr platform::UINT ID_IMPRIME = 32800;

MenuTemplate Menu() {
    return {MenuPopup("&Arquivo", {MenuCommand(ID_IMPRIME, "&Imprimir...\tCtrl+P"), MenuSeparator(),
                                   MenuCommand(ID_APP_EXIT, "&Sair")}),
            MenuPopup("E&xibir", {MenuCommand(ID_QD_VIEW_TOOLBAR, "Barra de &Ferramentas"),
                                  MenuCommand(ID_VIEW_STATUS_BAR, "Barra de &Status"), MenuSeparator(),
                                  MenuCommand(ID_ATUALIZA, "&Atualizar\tF5")}),
            MenuPopup("Aj&uda", {MenuCommand(ID_APP_ABOUT, "&Sobre...")})};
}

// The toolbar's pictures, one 16 x 15 square per button: a page for print, a circle for about.
Colour Figura(int x, int y) {
    const Colour fundo = Rgb(0xC0, 0xC0, 0xC0);
    if (x < kToolBarButtonWidth) {
        const bool folha = x >= 3 && x <= 12 && y >= 1 && y <= 13;
        const bool linha = folha && x >= 5 && x <= 10 && y % 3 == 0;
        return linha ? Rgb(0, 0, 0x80) : folha ? Rgb(0xFF, 0xFF, 0xFF) : fundo;
    }
    const int dx = x - kToolBarButtonWidth - 8, dy = y - 7;
    return dx * dx + dy * dy <= 36 ? Rgb(0, 0x80, 0) : fundo;
}

DialogControl Controle(ControlKind kind, platform::UINT id, const char* texto, Rect onde, bool tabStop = true) {
    return {.kind = kind, .id = id, .text = texto, .rect = onde, .tabStop = tabStop};
}

DialogTemplate Formulario() {
    return {"", {"MS Sans Serif", 8}, {260, 90},
            {Controle(ControlKind::Static, 0xFFFF, "C\xF3""digo:", {7, 9, 50, 17}, false),
             Controle(ControlKind::Edit, IDC_CODIGO, "", {55, 7, 120, 19}),
             Controle(ControlKind::Static, 0xFFFF, "Nome:", {7, 27, 50, 35}, false),
             Controle(ControlKind::Edit, IDC_NOME, "", {55, 25, 250, 37}),
             Controle(ControlKind::PushButton, platform::IDOK, "OK", {150, 50, 200, 64}),
             Controle(ControlKind::PushButton, platform::IDCANCEL, "Fechar", {205, 50, 255, 64})}};
}

}  // namespace

void RegistraRecursos() {
    const platform::HMODULE programa = platform::GetModuleHandle(nullptr);
    RegisterMenu(programa, IDR_MAINFRAME, Menu());
    RegisterAccelerators(programa, IDR_MAINFRAME,
                         {{FVIRTKEY | FCONTROL, 'P', ID_IMPRIME}, {FVIRTKEY, VK_F5, ID_ATUALIZA}});
    RegisterToolBar(programa, IDR_MAINFRAME, {ID_IMPRIME, 0, ID_APP_ABOUT});
    RegisterBitmap(programa, IDR_MAINFRAME, {2 * kToolBarButtonWidth, kToolBarButtonHeight, Figura, {}});
    RegisterString(programa, ID_IMPRIME, "Imprime dados da lista\nImprimir");
    RegisterString(programa, ID_APP_ABOUT, "Mostra a vers\xE3o do programa\nSobre");
    RegisterString(programa, ID_QD_VIEW_TOOLBAR, "Mostra ou esconde a barra de ferramentas\nBarra de Ferramentas");
    RegisterDialog(programa, IDD_FORMULARIO, Formulario());
}

}  // namespace esqueleto
