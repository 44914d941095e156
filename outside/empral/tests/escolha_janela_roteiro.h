// What a test does on the company dialog, as the user would: pick an item of one of its lists,
// press a button, or answer the next dialog with a few steps. For QtTest executables; the
// dialog's controls are those of outside/empral/ui/zt_dlg_escolha_empresa.h.
#pragma once

#include "outside/empral/ui/zt_dlg_escolha_empresa.h"
#include "platform/interaction.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/dialog/dialog.h"

#include <QComboBox>
#include <QtTest>

#include <functional>
#include <string>

namespace empral_testing {

inline platform::ui::ComboBox& Combo(platform::ui::Wnd& dialogo, platform::UINT id) {
    return static_cast<platform::ui::ComboBox&>(*dialogo.GetDlgItem(id));
}

// Selects the item `texto` of combo `id` and tells the dialog, as a choice in the list does.
inline void Escolhe(platform::ui::Wnd& dialogo, platform::UINT id, const char* texto) {
    using namespace platform;
    using namespace platform::ui;
    ComboBox& combo = Combo(dialogo, id);
    const int indice = qobject_cast<QComboBox*>(combo.GetWidget())->findText(QString::fromLatin1(texto));
    QVERIFY2(combo.SetCurSel(indice) != CB_ERR, texto);
    dialogo.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
}

inline void Clica(platform::ui::Wnd& dialogo, platform::UINT id) {
    using namespace platform::ui;
    dialogo.GetDlgItem(id)->SendMessage(BM_CLICK);
}

// Runs `passos` on the next company dialog; a dialog they leave open (a failed check) is ended
// so that the case fails instead of hanging.
inline void NoProximoDialogo(std::function<void(platform::ui::Dialog&)> passos) {
    platform::ui::OnNextDialog(IDD_ZTESCOLHA_EMPRESA, [passos](platform::ui::Wnd& mostrado) {
        auto& dialogo = static_cast<platform::ui::Dialog&>(mostrado);
        passos(dialogo);
        if (dialogo.IsWindowVisible()) dialogo.EndDialog(-2);
    });
}

// Answers the next company dialog with company `empresa`, user `usuario` and branch `filial`,
// then OK.
inline void EscolheNoProximoDialogo(std::string empresa, std::string usuario, std::string filial) {
    NoProximoDialogo([=](platform::ui::Dialog& dialogo) {
        Escolhe(dialogo, IDC_ZTESCOLHA_EMPRESA, empresa.c_str());
        Escolhe(dialogo, IDC_ZTESCOLHA_USUARIO, usuario.c_str());
        Escolhe(dialogo, IDC_ZTESCOLHA_FILIAL, filial.c_str());
        Clica(dialogo, platform::IDOK);
    });
}

}  // namespace empral_testing
