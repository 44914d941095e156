#include "framework/form/zt_fc_main_form.h"

#include "framework/dialog/zt_fc_dialog.h"
#include "framework/form/zt_fc_controles.h"
#include "framework/form/zt_fc_paginas.h"
#include "framework/form/zt_fc_validacao.h"
#include "framework/form/zt_fc_teclas.h"
#include "outside/editra/zt_tab_ctrl.h"
#include "platform/ui/dialog/dialog_manager.h"

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::ui::MSG;
using platform::ui::Wnd;

CZTFCMainForm::CZTFCMainForm(Wnd* janela) : m_pJanela(janela) {}

CZTFCMainForm::~CZTFCMainForm() = default;

void CZTFCMainForm::MostraRegistro(CZTFCDados* registro) {
    OnMostraRegistro(registro);
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*m_pJanela)) pagina->MostraRegistro(registro);
}

BOOL CZTFCMainForm::LeRegistro(CZTFCDados* registro) {
    if (!ValidaCampos(0)) return FALSE;
    OnLeRegistro(registro);
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*m_pJanela)) pagina->LeRegistro(registro);
    return TRUE;
}

void CZTFCMainForm::MostraRegistros(std::int32_t quantidade, CZTFCDados** registros) {
    OnMostraRegistros(quantidade, registros);
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*m_pJanela)) pagina->MostraRegistros(quantidade, registros);
}

BOOL CZTFCMainForm::LeRegistros(std::int32_t quantidade, CZTFCDados** registros) {
    if (!ValidaCampos(0)) return FALSE;
    OnLeRegistros(quantidade, registros);
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*m_pJanela)) pagina->LeRegistros(quantidade, registros);
    return TRUE;
}

BOOL CZTFCMainForm::ValidaCampos(std::int32_t grupo) { return ZTFCValidaCampos(*m_pJanela, grupo) ? TRUE : FALSE; }

CZTFCValidador* CZTFCMainForm::BuscaValidadorInvalido(std::int32_t grupo) {
    return ZTFCBuscaValidadorInvalido(*m_pJanela, grupo);
}

Wnd* CZTFCMainForm::FocaControle(platform::UINT id) { return ZTFCFocaControle(*m_pJanela, id); }

void CZTFCMainForm::LimpaCampos() { ZTFCLimpaControles(*m_pJanela); }

Wnd* CZTFCMainForm::GetPrimeiroControle() { return m_pJanela->GetNextDlgTabItem(nullptr); }

void CZTFCMainForm::OnLeRegistro(CZTFCDados*) {}
void CZTFCMainForm::OnLeRegistros(std::int32_t, CZTFCDados**) {}
void CZTFCMainForm::OnMostraRegistros(std::int32_t, CZTFCDados**) {}
void CZTFCMainForm::OnMostraRegistro(CZTFCDados*) {}

BOOL CZTFCMainForm::TrataTeclas(MSG* pMsg) {
    const std::optional<ZTFCTeclaNavegacao> tecla = ZTFCLeTeclaNavegacao(pMsg);
    if (!tecla) return FALSE;
    if (tecla->bEnter && ZTFCClicaBotao(*m_pJanela, tecla->pFocada)) return TRUE;
    Wnd* controle = platform::ui::detail::ChildContaining(*m_pJanela, tecla->pFocada);
    CZTTabCtrl* abas = GetTabCtrl();
    if (abas && m_pJanela->GetNextDlgTabItem(controle, tecla->bVolta ? TRUE : FALSE) == abas) {
        return EntraNaPagina(*abas, tecla->bVolta);
    }
    if (!tecla->bEnter || ZTFCIsEditMultiLinha(tecla->pFocada)) return FALSE;
    m_pJanela->SendMessage(platform::ui::WM_NEXTDLGCTL, tecla->bVolta ? 1 : 0, FALSE);
    return TRUE;
}

BOOL CZTFCMainForm::EntraNaPagina(CZTTabCtrl& abas, bool bVolta) {
    // Without a page in that direction the key is spent and the focus stays.
    if (abas.SelecionaPastaOrdem(bVolta ? CZTTabCtrl::kOrdemAnterior : CZTTabCtrl::kOrdemProxima) < 0) return TRUE;
    Wnd* pagina = abas.GetJanelaPastaSelecionada();
    if (!pagina) return TRUE;
    pagina->SetFocus();
    if (Wnd* alvo = pagina->GetNextDlgTabItem(nullptr, bVolta ? TRUE : FALSE)) ZTFCFocaNoDialogo(*pagina, *alvo);
    return TRUE;
}

CZTTabCtrl* CZTFCMainForm::GetTabCtrl() const { return ZTFCGetTabCtrl(*m_pJanela); }
