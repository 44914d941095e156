#include "framework/view/zt_fc_grid_view.h"

#include "framework/data/zt_fc_dados.h"
#include "framework/document/zt_fc_document.h"
#include "framework/view/zt_fc_avisa_views.h"
#include "framework/view/zt_fc_hints.h"
#include "framework/view/zt_fc_selecao_linhas.h"

using platform::FALSE;
using platform::TRUE;

CZTFCGridView::CZTFCGridView() { GetGrid().SetGravarConfiguracoes(FALSE); }

void CZTFCGridView::OnInitialUpdate() {
    CZTGrid& grid = GetGrid();
    grid.SetGridID("gridPrincipal");
    grid.SetGravarConfiguracoes(TRUE);
    const CZTFCDocument* documento = ZTFCDocumentoDe(*this);
    if (documento && documento->GetMultiSelecao()) grid.SetTipoSelecao(CZTGrid::kSelecaoVariasLinhas);
    CZTBrowserView::OnInitialUpdate();
    EnableWindow(FALSE);
}

void CZTFCGridView::OnLinhaSelecionada(long nIndice) {
    CZTFCDocument* documento = ZTFCDocumentoDe(*this);
    if (!documento) return;
    ZTFC_BLOCO_REGISTRO bloco;
    bloco.nIndice = static_cast<std::int32_t>(nIndice);
    bloco.pRegistro = documento->GetRegistro(static_cast<int>(nIndice));
    if (!bloco.pRegistro) return;
    ZTFCAvisaViews(*this, ZTFC_HINT_SELECAO_GRID, &bloco);
}

void CZTFCGridView::OnLinhasSelecionadas(const CZTArrayLinhas& linhas) {
    CZTFCDocument* documento = ZTFCDocumentoDe(*this);
    if (!documento) return;
    CZTFCSelecaoLinhas selecao(
        linhas.data(), static_cast<int>(linhas.size()),
        [this](ROWCOL linha) { return static_cast<int>(GetGrid().GetIndiceLinha(linha)); },
        [documento](int indice) { return documento->GetRegistro(indice); });
    ZTFCAvisaViews(*this, ZTFC_HINT_SELECAO_GRID, &selecao.GetBloco());
}

void CZTFCGridView::OnInicializaView() {
    EnableWindow(TRUE);
    GetGrid().Reset(TRUE);
}

void CZTFCGridView::OnMultiSelecao() { GetGrid().ResetGrid(FALSE); }

void CZTFCGridView::OnLimpaView() {
    if (!GetSafeHwnd() || !GetGrid().IsInicializado()) return;
    GetGrid().Reset(TRUE);
    EnableWindow(FALSE);
}

void CZTFCGridView::OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto) {
    OnUpdateView(sender, hint, objeto);
}
