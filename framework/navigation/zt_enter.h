// CZTEnter: the Enter-key navigation of a dialog or of a page of a tab control.
//
// The dialog owns the object as a member, attaches itself with Anexa once its controls exist and
// offers it every key before its own handling (TrataMensagem). Inside a tab control Ctrl+PgDn,
// Ctrl+PgUp and Ctrl+Tab switch pages; Enter (and, when asked, Tab) on the page's last control
// goes on into the next page, on its first control back into the previous one; Enter can move to
// the next control and presses push buttons.
//
// Pages: a page is a window made with the tab control as its parent (a dialog created over the
// tab control) and kept as its tab's item data; the tab control places it in its display area
// (CZTTabCtrl::IncluiPasta). So "the owner's parent is a tab control" is the owner's parent
// window being of the tab-control kind, and the tab control's own parent (the dialog or form
// that holds it) is where the walk goes on when it leaves the tab control.
//
// Pages take part through two registered messages (RegistraMensagens, once per process before
// any window): WM_ZTENTER_EH_ULTIMA_TAB asks the page being left (non-zero keeps it),
// WM_ZTENTER_PODE_SETAR_FOCO_TAB the page being entered (non-zero: the switch passes it over).
// A page that does not answer them takes part as usual. User-interface thread.
#pragma once

#include "platform/ui/message/key_message.h"
#include "platform/win_types.h"

#include <functional>
#include <vector>

namespace platform::ui {
class TabCtrl;
class Wnd;
}  // namespace platform::ui

class CZTEnter {
public:
    // Called after a page switch in place of the page message: the owner and whether the switch
    // went backwards.
    using CallbackPagina = std::function<void(platform::ui::Wnd* pDono, platform::BOOL bAnterior)>;

    // WM_USER + 101, sent to the owner after a page switch (wParam: backwards).
    static constexpr platform::UINT kMensagemPaginaPadrao = 0x465;

    // The registered messages' numbers; 0 until RegistraMensagens ran.
    static inline platform::UINT WM_ZTENTER_EH_ULTIMA_TAB = 0;
    static inline platform::UINT WM_ZTENTER_PODE_SETAR_FOCO_TAB = 0;
    // Registers both by name; the application's start calls it. Later calls change nothing.
    static void RegistraMensagens();

    // Keeps `pDono` (the dialog or page) and its first tab stop; notes whether its parent is a
    // tab control.
    void Anexa(platform::ui::Wnd* pDono);
    // TRUE when the key was not consumed and the owner's own handling must go on; FALSE when
    // this object acted on it.
    [[nodiscard]] platform::BOOL TrataMensagem(const platform::ui::MSG* pMsg);

    // Enter moves to the next control (default off: only Tab, PgUp and PgDn are looked at).
    void SetEnterComoTab(platform::BOOL bEnterComoTab) { m_bEnterComoTab = bEnterComoTab != platform::FALSE; }
    [[nodiscard]] platform::BOOL GetEnterComoTab() const { return m_bEnterComoTab ? platform::TRUE : platform::FALSE; }
    // Tab switches pages at the page's ends as Enter does (default off).
    void SetTabComoEnter(platform::BOOL bTabComoEnter) { m_bTabComoEnter = bTabComoEnter != platform::FALSE; }
    // After a page switch the new page's first control (backwards: its last) gets the focus, in
    // place of the callback or the page message (default off).
    void SetFocaPagina(platform::BOOL bFocaPagina) { m_bFocaPagina = bFocaPagina != platform::FALSE; }
    void SetCallbackPagina(CallbackPagina callback) { m_callbackPagina = std::move(callback); }
    void SetMensagemPagina(platform::UINT nMensagem) { m_nMensagemPagina = nMensagem; }
    // The control the page starts at; null takes the owner's first tab stop again.
    void SetPrimeiroControle(platform::ui::Wnd* pControle);
    [[nodiscard]] platform::ui::Wnd* GetPrimeiroControle() const;
    // Control `nId` keeps the Enter key for itself.
    void AdicionaExcecao(platform::UINT nId) { m_excecoes.push_back(nId); }

    // Focuses `pControle` through WM_NEXTDLGCTL to its parent, so the default button follows.
    static void FocaControle(platform::ui::Wnd* pControle);
    // Switches to the previous (`bAnterior`) or next page of the tab control holding the owner,
    // or leaves the tab control at its ends; `bViaCtrl`: asked by Ctrl, which switches even at the
    // ends; `bCircular`: wraps round. TRUE when the page or the focus moved.
    platform::BOOL TrocaPagina(platform::BOOL bAnterior, platform::BOOL bViaCtrl, platform::BOOL bCircular);

private:
    [[nodiscard]] platform::ui::TabCtrl* GetTabDono() const;
    [[nodiscard]] bool IsExcecao(platform::UINT nId) const;
    // Ctrl+PgDn, Ctrl+PgUp, Ctrl+Tab; TRUE when the key is not consumed.
    platform::BOOL TrataTeclaCtrl(platform::WPARAM nTecla, bool bShift);
    // Enter, or Tab when it is handled; TRUE when the key is not consumed.
    platform::BOOL TrataAvanco(platform::WPARAM nTecla, bool bShift);
    // One switch of `abas`' pages in a direction, at most one round (zt_enter_paginas.cpp).
    bool MudaPagina(platform::ui::TabCtrl& abas, bool bAnterior, bool bCircular);
    // `pagina` was entered: focus, callback or page message.
    void EntraNaPagina(platform::ui::Wnd& pagina, bool bAnterior);

    bool m_bDentroTab = false;
    bool m_bEnterComoTab = false;
    bool m_bTabComoEnter = false;
    bool m_bFocaPagina = false;
    platform::ui::Wnd* m_pDono = nullptr;
    platform::ui::HWND m_hPrimeiro = nullptr;
    CallbackPagina m_callbackPagina;
    platform::UINT m_nMensagemPagina = kMensagemPaginaPadrao;
    std::vector<platform::UINT> m_excecoes;
    // The first control was set by the caller, not taken from the owner.
    bool m_bPrimeiroFixo = false;
};
