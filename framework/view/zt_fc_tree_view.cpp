#include "framework/view/zt_fc_tree_view.h"

#include "framework/view/zt_fc_avisa_views.h"
#include "framework/view/zt_fc_blocos.h"
#include "framework/view/zt_fc_hints.h"

using platform::FALSE;
using platform::TRUE;
using platform::ui::HTREEITEM;

CZTFCTreeView::CZTFCTreeView() {
    GetTreeCtrl().SetSelectionHandlers(
        [this](HTREEITEM, HTREEITEM) {
            KillTimer(kTimerSelecao);
            return FALSE;  // the selection may move
        },
        [this](HTREEITEM, HTREEITEM novo) {
            if (!m_bIgnoraSelecao && novo) SetTimer(kTimerSelecao, kEsperaSelecaoMs);
        });
}

CZTFCTreeView::~CZTFCTreeView() = default;

void CZTFCTreeView::PreCreateWindow(platform::DWORD& treeStyle) {
    treeStyle |= platform::ui::TVS_HASBUTTONS | platform::ui::TVS_HASLINES | platform::ui::TVS_SHOWSELALWAYS;
}

void CZTFCTreeView::OnInitialUpdate() {
    static_cast<void>(GetTreeCtrl());
    TreeView::OnInitialUpdate();
    EnableWindow(FALSE);
}

void CZTFCTreeView::OnSelecionaItem(const char* texto, HTREEITEM item) {
    if (m_bIgnoraSelecao) return;
    ZTFC_BLOCO_ARVORE bloco;
    bloco.hItem = item;
    bloco.pszTexto = texto;
    ZTFCAvisaViews(*this, ZTFC_HINT_SELECAO_ARVORE, &bloco);
}

HTREEITEM CZTFCTreeView::BuscaItem(const platform::DWORD* pDados) {
    if (!pDados) return nullptr;
    return GetTreeCtrl().FindItemDepthFirst([&](HTREEITEM item) { return GetTreeCtrl().GetItemData(item) == *pDados; });
}

platform::BOOL CZTFCTreeView::SetIgnoraSelecao(platform::BOOL bIgnora) {
    const platform::BOOL anterior = m_bIgnoraSelecao ? TRUE : FALSE;
    m_bIgnoraSelecao = bIgnora ? 1 : 0;
    return anterior;
}

void CZTFCTreeView::OnInicializaView() { EnableWindow(TRUE); }

void CZTFCTreeView::OnLimpaView() {
    GetTreeCtrl().DeleteAllItems();
    EnableWindow(FALSE);
}

void CZTFCTreeView::OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto) {
    OnUpdateView(sender, hint, objeto);
}

void CZTFCTreeView::OnTimer(platform::UINT_PTR id) {
    if (id != kTimerSelecao) {
        TreeView::OnTimer(id);
        return;
    }
    KillTimer(kTimerSelecao);
    const HTREEITEM item = GetTreeCtrl().GetSelectedItem();
    // The item may have gone since the timer started: then nobody is told.
    if (!item) return;
    const platform::String texto = GetTreeCtrl().GetItemText(item);
    OnSelecionaItem(texto, item);
}
