#include "framework/dialog/zt_fc_dialog.h"

#include "framework/dialog/zt_fc_passeio_paginas.h"
#include "framework/form/zt_fc_controles.h"
#include "framework/form/zt_fc_paginas.h"
#include "framework/form/zt_fc_teclas.h"
#include "platform/interaction.h"
#include "platform/ui/dialog/dialog_manager.h"
#include "platform/ui/window/virtual_keys.h"

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::ui::MSG;
using platform::ui::Wnd;

CZTFCDialog::CZTFCDialog() = default;

CZTFCDialog::CZTFCDialog(platform::UINT templateId, Wnd* parent) : Dialog(templateId, parent) {}

CZTFCDialog::~CZTFCDialog() = default;

void CZTFCDialog::Inicializa() {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->Inicializa();
    m_bInicializado = 1;
}

void CZTFCDialog::Finaliza() {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->Finaliza();
    m_bInicializado = 0;
}

void CZTFCDialog::MostraRegistro(CZTFCDados* registro) {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->MostraRegistro(registro);
}

void CZTFCDialog::MostraRegistros(std::int32_t quantidade, CZTFCDados** registros) {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->MostraRegistros(quantidade, registros);
}

void CZTFCDialog::LeRegistros(std::int32_t quantidade, CZTFCDados** registros) {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->LeRegistros(quantidade, registros);
}

void CZTFCDialog::LeRegistro(CZTFCDados* registro) {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->LeRegistro(registro);
}

void CZTFCDialog::LimpaCampos() { ZTFCLimpaControles(*this); }

Wnd* CZTFCDialog::GetPrimeiroControle() { return GetNextDlgTabItem(nullptr); }

BOOL CZTFCDialog::TrataTeclas(MSG* pMsg) {
    const std::optional<ZTFCTeclaNavegacao> tecla = ZTFCLeTeclaNavegacao(pMsg);
    if (!tecla) return FALSE;
    if (tecla->bEnter && ZTFCClicaBotao(*this, tecla->pFocada)) return TRUE;
    if (tecla->bEnter && ZTFCIsEditMultiLinha(tecla->pFocada)) return FALSE;
    return ZTFCPasseiaPaginas(*this, tecla->pFocada, tecla->bVolta);
}

BOOL CZTFCDialog::PreTranslateMessage(MSG* pMsg) {
    if (!m_enter.TrataMensagem(pMsg)) return TRUE;
    if (TrataTeclas(pMsg)) return TRUE;
    // The frame's accelerators, not the dialog manager, answer these two.
    if (pMsg->message == platform::ui::WM_KEYDOWN &&
        (pMsg->wParam == platform::ui::VK_F5 || pMsg->wParam == platform::ui::VK_F9)) {
        return FALSE;
    }
    return Dialog::PreTranslateMessage(pMsg);
}

BOOL CZTFCDialog::OnInitDialog() {
    const BOOL resultado = Dialog::OnInitDialog();
    m_enter.Anexa(this);
    return resultado;
}

void CZTFCDialog::OnOK() {
    if (!RepassaAoDonoDasAbas(platform::IDOK)) Dialog::OnOK();
}

void CZTFCDialog::OnCancel() {
    if (!RepassaAoDonoDasAbas(platform::IDCANCEL)) Dialog::OnCancel();
}

BOOL CZTFCDialog::RepassaAoDonoDasAbas(platform::UINT comando) {
    Wnd* abas = GetParent();
    if (!abas || abas->GetKind() != platform::ui::WindowKind::TabControl || !abas->GetParent()) return FALSE;
    abas->GetParent()->SendMessage(platform::ui::WM_COMMAND, comando);
    return TRUE;
}

platform::LRESULT CZTFCDialog::WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
    const platform::UINT focaPrimeiro = MensagemFocaPrimeiro();
    if (message == focaPrimeiro && focaPrimeiro) {
        FocaPrimeiroControle();
        return 0;
    }
    const platform::LRESULT resultado = Dialog::WindowProc(message, wParam, lParam);
    // WM_SHOWWINDOW comes before the window shows, and a hidden control takes no focus: the
    // move waits in the queue until the dialog is on screen.
    if (message == platform::ui::WM_SHOWWINDOW && wParam) PostMessage(focaPrimeiro);
    return resultado;
}

platform::UINT CZTFCDialog::MensagemFocaPrimeiro() {
    static const platform::UINT mensagem = platform::ui::RegisterWindowMessage("CZTFCDialog::FocaPrimeiroControle");
    return mensagem;
}

void CZTFCDialog::FocaPrimeiroControle() {
    // Whoever showed the dialog may have put the focus on one of its controls meanwhile.
    if (!IsWindowVisible() || platform::ui::detail::ChildHoldingFocus(*this)) return;
    if (Wnd* primeiro = GetPrimeiroControle()) ZTFCFocaNoDialogo(*this, *primeiro);
}

std::vector<CZTFCDialog*> ZTFCGetPaginasDialogo(const Wnd& janela) {
    std::vector<CZTFCDialog*> dialogos;
    for (Wnd* pagina : ZTFCGetPaginas(janela)) {
        if (auto* dialogo = dynamic_cast<CZTFCDialog*>(pagina)) dialogos.push_back(dialogo);
    }
    return dialogos;
}
