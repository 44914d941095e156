#include "framework/dialog/zt_fc_passeio_paginas.h"

#include "framework/form/zt_fc_teclas.h"
#include "outside/editra/zt_tab_ctrl.h"
#include "platform/ui/dialog/dialog_manager.h"

#include <algorithm>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::ui::Wnd;

namespace {

// The window's place among its parent's children; -1 when it is none of them.
long PosicaoEntreIrmaos(const Wnd& pai, const Wnd* filho) {
    const std::vector<Wnd*> filhos = pai.GetChildWindows();
    const auto achado = std::find(filhos.begin(), filhos.end(), filho);
    return achado == filhos.end() ? -1 : achado - filhos.begin();
}

// The tab stop after (before) `filho` in `dialogo`, or null when `filho` is its last (first):
// the dialog manager's walk wraps, and a wrap is the end of the page.
Wnd* ProximoSemVolta(const Wnd& dialogo, const Wnd* filho, bool bVolta) {
    Wnd* proximo = dialogo.GetNextDlgTabItem(filho, bVolta ? TRUE : FALSE);
    if (!proximo || proximo == filho) return nullptr;
    const long de = PosicaoEntreIrmaos(dialogo, filho);
    const long para = PosicaoEntreIrmaos(dialogo, platform::ui::detail::ChildContaining(dialogo, proximo));
    return (bVolta ? para < de : para > de) ? proximo : nullptr;
}

// Into a tab control's selected page, as deep as tab controls go; the target itself when it is
// no tab control; null when a tab control shows no page with a tab stop.
Wnd* DesceNasPaginas(Wnd* alvo, bool bVolta) {
    // Each level is a child of the one before, so the descent ends with the window tree.
    while (auto* abas = dynamic_cast<CZTTabCtrl*>(alvo)) {
        Wnd* pagina = abas->GetJanelaPastaSelecionada();
        if (!pagina) return nullptr;
        alvo = pagina->GetNextDlgTabItem(nullptr, bVolta ? TRUE : FALSE);
        if (!alvo) return nullptr;
    }
    return alvo;
}

// The target of the walk from child `filho` of `dialogo`; null when the dialog manager decides.
Wnd* BuscaAlvo(Wnd* dialogo, Wnd* filho, bool bVolta) {
    // Each climb goes one level up the window tree, so the walk ends with it.
    while (dialogo && filho) {
        auto* abas = dynamic_cast<CZTTabCtrl*>(dialogo->GetParent());
        if (!abas) return nullptr;
        if (Wnd* proximo = ProximoSemVolta(*dialogo, filho, bVolta)) return proximo;
        if (Wnd* daPagina = abas->PegaDlgTabItem(bVolta ? CZTTabCtrl::kTabItemAnterior : CZTTabCtrl::kTabItemProximo)) {
            return daPagina;
        }
        filho = abas;
        dialogo = abas->GetParent();
    }
    return nullptr;
}

}  // namespace

BOOL ZTFCPasseiaPaginas(Wnd& dialogo, Wnd* focada, bool bVolta) {
    Wnd* filho = platform::ui::detail::ChildContaining(dialogo, focada);
    if (!filho) return FALSE;
    Wnd* alvo = DesceNasPaginas(BuscaAlvo(&dialogo, filho, bVolta), bVolta);
    if (!alvo || !alvo->GetParent()) return FALSE;
    ZTFCFocaNoDialogo(*alvo->GetParent(), *alvo);
    return TRUE;
}
