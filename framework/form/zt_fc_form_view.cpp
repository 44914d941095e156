#include "framework/form/zt_fc_form_view.h"

#include "framework/application/zt_fc_acesso.h"
#include "framework/dialog/zt_fc_dialog.h"
#include "framework/document/zt_fc_document.h"
#include "framework/form/zt_fc_paginas.h"
#include "framework/view/zt_fc_hints.h"
#include "platform/interaction.h"

#include <memory>
#include <vector>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::ui::Wnd;

namespace {

// The raw pointers of records a holder owns, for the protocol's (count, records) calls.
std::vector<CZTFCDados*> Ponteiros(const std::vector<std::unique_ptr<CZTFCDados>>& registros) {
    std::vector<CZTFCDados*> ponteiros;
    ponteiros.reserve(registros.size());
    for (const auto& registro : registros) ponteiros.push_back(registro.get());
    return ponteiros;
}

// The update handlers of `janela`'s controls, and of every page's, down the nested tab controls.
void AtualizaControles(Wnd& janela, platform::ui::CmdTarget& alvo) {
    janela.UpdateDialogControls(&alvo, FALSE);
    for (Wnd* pagina : ZTFCGetPaginas(janela)) AtualizaControles(*pagina, alvo);
}

}  // namespace

CZTFCFormView::CZTFCFormView(platform::UINT templateId) : FormView(templateId), CZTFCMainForm(this) {
    MapCommand(platform::IDCANCEL, [this] { OnCancelar(); });
}

CZTFCFormView::~CZTFCFormView() = default;

BOOL CZTFCFormView::PreTranslateMessage(platform::ui::MSG* pMsg) {
    if (TrataTeclas(pMsg)) return TRUE;
    return FormView::PreTranslateMessage(pMsg);
}

CZTFCDocument* CZTFCFormView::GetDocumentFC() const { return dynamic_cast<CZTFCDocument*>(GetDocument()); }

BOOL CZTFCFormView::LeSelecao() {
    CZTFCDocument* documento = GetDocumentFC();
    if (!documento) return FALSE;
    std::vector<CZTFCDados*> selecao = Ponteiros(documento->GetSelecao());
    if (selecao.empty()) {
        CZTFCDados* atual = documento->GetRegistroAtual();
        return LeRegistros(1, &atual);
    }
    return LeRegistros(static_cast<std::int32_t>(selecao.size()), selecao.data());
}

void CZTFCFormView::OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* hintObject) {
    CZTFCDocument* documento = GetDocumentFC();
    if (hint == ZTFC_HINT_REGISTRO_ATUAL && documento) {
        if (!documento->GetMultiSelecao()) return MostraRegistro(documento->GetRegistroAtual());
        std::vector<CZTFCDados*> selecao = Ponteiros(documento->GetSelecao());
        return MostraRegistros(static_cast<std::int32_t>(selecao.size()), selecao.data());
    }
    if (hint == ZTFC_HINT_LIMPA_FORMULARIO) return LimpaCampos();
    OnUpdateView(sender, hint, hintObject);
}

void CZTFCFormView::OnSelecionaRegistro(std::int32_t) {
    if (CZTFCDocument* documento = GetDocumentFC()) MostraRegistro(documento->GetRegistroAtual());
}

void CZTFCFormView::OnSelecionaRegistros(std::int32_t, const ROWCOL*) {
    CZTFCDocument* documento = GetDocumentFC();
    if (!documento) return;
    // The form may keep what it is shown; the document's selection stays its own.
    std::vector<std::unique_ptr<CZTFCDados>> clones;
    for (const auto& registro : documento->GetSelecao()) clones.emplace_back(registro->Clone());
    std::vector<CZTFCDados*> ponteiros = Ponteiros(clones);
    MostraRegistros(static_cast<std::int32_t>(ponteiros.size()), ponteiros.data());
}

void CZTFCFormView::OnMultiSelecao() { LimpaCampos(); }

void CZTFCFormView::OnLimpaView() { LimpaCampos(); }

void CZTFCFormView::OnInicializaView() {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->Inicializa();
}

void CZTFCFormView::OnFinalizaView() {
    for (CZTFCDialog* pagina : ZTFCGetPaginasDialogo(*this)) pagina->Finaliza();
}

void CZTFCFormView::OnIdleUpdateCmdUI() { AtualizaControles(*this, *this); }

platform::LRESULT CZTFCFormView::WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
    if (message == platform::ui::WM_IDLEUPDATECMDUI) {
        OnIdleUpdateCmdUI();
        return 0;
    }
    return FormView::WindowProc(message, wParam, lParam);
}

void CZTFCFormView::OnCancelar() {
    if (Wnd* principal = ZTGetMainWnd()) principal->PostMessage(platform::ui::WM_CLOSE);
}
