#include "framework/form/zt_fc_controles.h"

#include "framework/form/zt_fc_formulario.h"
#include "framework/form/zt_fc_paginas.h"
#include "outside/editra/zt_edit_df.h"
#include "platform/interaction.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"

#include <algorithm>
#include <vector>

using platform::ui::WindowKind;
using platform::ui::Wnd;

namespace {

// The window's tab stops from the first, each once: a radio group's stop follows its checked
// radio, so the walk is not trusted to come back to exactly where it began.
std::vector<Wnd*> ParadasDeTab(const Wnd& janela) {
    std::vector<Wnd*> paradas;
    const std::size_t limite = janela.GetChildWindows().size();
    for (Wnd* parada = janela.GetNextDlgTabItem(nullptr); parada && paradas.size() < limite;
         parada = janela.GetNextDlgTabItem(parada)) {
        if (std::ranges::find(paradas, parada) != paradas.end()) break;
        paradas.push_back(parada);
    }
    return paradas;
}

void Desmarca(Wnd& botao) { botao.SendMessage(platform::ui::BM_SETCHECK, platform::ui::BST_UNCHECKED); }

// Every radio of `radio`'s group: from the child that starts the group up to the next that does.
void DesmarcaGrupo(const Wnd& janela, const Wnd& radio) {
    const std::vector<Wnd*> filhos = janela.GetChildWindows();
    auto inicio = std::ranges::find(filhos, &radio);
    if (inicio == filhos.end()) return;
    while (inicio != filhos.begin() && !(*inicio)->IsGroupStart()) --inicio;
    for (auto membro = inicio; membro != filhos.end() && (membro == inicio || !(*membro)->IsGroupStart()); ++membro) {
        if ((*membro)->GetKind() == WindowKind::RadioButton) Desmarca(**membro);
    }
}

void LimpaEdit(Wnd& controle) {
    if (auto* edit = dynamic_cast<CZTEditDF*>(&controle)) {
        edit->SetTexto("");
        return;
    }
    controle.SetWindowText("");
}

void LimpaCombo(Wnd& controle) {
    auto* combo = dynamic_cast<platform::ui::ComboBox*>(&controle);
    if (combo && combo->GetCount() > 0) {
        combo->SetCurSel(0);
        return;
    }
    controle.SetWindowText("");
}

void LimpaControle(const Wnd& janela, Wnd& controle) {
    const WindowKind tipo = controle.GetKind();
    if (platform::ui::IsEditKind(tipo)) return LimpaEdit(controle);
    if (tipo == WindowKind::ComboBox) return LimpaCombo(controle);
    if (tipo == WindowKind::CheckBox) return Desmarca(controle);
    if (tipo == WindowKind::RadioButton) return DesmarcaGrupo(janela, controle);
}

bool IsStatic(const Wnd& controle) { return controle.GetKind() == WindowKind::Static; }

bool IsBotaoCancela(const Wnd& controle) {
    return platform::ui::IsButtonKind(controle.GetKind()) && controle.GetDlgCtrlID() == platform::IDCANCEL;
}

}  // namespace

void ZTFCLimpaControles(Wnd& janela) {
    for (Wnd* controle : ParadasDeTab(janela)) {
        const auto hControle = reinterpret_cast<platform::WPARAM>(controle->m_hWnd);
        if (janela.SendMessage(WM_ZTFC_MANTEM_CONTROLE, hControle) != 0) continue;
        LimpaControle(janela, *controle);
    }
    for (Wnd* pagina : ZTFCGetPaginas(janela)) {
        if (auto* formulario = dynamic_cast<CZTFCFormulario*>(pagina)) {
            formulario->LimpaCampos();
            continue;
        }
        ZTFCLimpaControles(*pagina);
    }
}

void ZTFCHabilitaControles(Wnd& janela, platform::BOOL bHabilita) {
    for (Wnd* controle : janela.GetChildWindows()) {
        if (IsStatic(*controle)) continue;
        controle->EnableWindow(IsBotaoCancela(*controle) ? platform::TRUE : bHabilita);
    }
    for (Wnd* pagina : ZTFCGetPaginas(janela)) ZTFCHabilitaControles(*pagina, bHabilita);
}
