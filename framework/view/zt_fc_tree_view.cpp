#include "framework/view/zt_fc_tree_view.h"

#include "framework/view/zt_fc_avisa_views.h"
#include "framework/view/zt_fc_blocos.h"
#include "framework/view/zt_fc_hints.h"

using platform::FALSE;
using platform::TRUE;
using platform::ui::HTREEITEM;

namespace {

// The tree's control id inside the view.
constexpr platform::UINT kIdArvore = 1;

}  // namespace

CZTFCTreeView::CZTFCTreeView() {
    m_Tree.SetSelectionHandlers(
        [this](HTREEITEM, HTREEITEM) {
            KillTimer(kTimerSelecao);
            return FALSE;  // the selection may move
        },
        [this](HTREEITEM, HTREEITEM novo) {
            if (!m_bIgnoraSelecao && novo) SetTimer(kTimerSelecao, kEsperaSelecaoMs);
        });
}

CZTFCTreeView::~CZTFCTreeView() = default;

platform::ui::TreeCtrl& CZTFCTreeView::GetTreeCtrl() {
    if (m_Tree.GetSafeHwnd() || !GetSafeHwnd()) return m_Tree;
    platform::ui::Rect client;
    GetClientRect(&client);
    // The child, visible and bordered window styles are what every child window is here.
    if (m_Tree.Create(0, client, this, kIdArvore)) {
        m_Tree.ModifyStyle(0, platform::ui::TVS_HASBUTTONS | platform::ui::TVS_HASLINES | platform::ui::TVS_SHOWSELALWAYS);
    }
    return m_Tree;
}

void CZTFCTreeView::OnInitialUpdate() {
    static_cast<void>(GetTreeCtrl());
    View::OnInitialUpdate();
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
    return m_Tree.FindItemDepthFirst([&](HTREEITEM item) { return m_Tree.GetItemData(item) == *pDados; });
}

platform::BOOL CZTFCTreeView::SetIgnoraSelecao(platform::BOOL bIgnora) {
    const platform::BOOL anterior = m_bIgnoraSelecao ? TRUE : FALSE;
    m_bIgnoraSelecao = bIgnora ? 1 : 0;
    return anterior;
}

void CZTFCTreeView::OnInicializaView() { EnableWindow(TRUE); }

void CZTFCTreeView::OnLimpaView() {
    m_Tree.DeleteAllItems();
    EnableWindow(FALSE);
}

void CZTFCTreeView::OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto) {
    OnUpdateView(sender, hint, objeto);
}

void CZTFCTreeView::OnTimer(platform::UINT_PTR id) {
    if (id != kTimerSelecao) {
        View::OnTimer(id);
        return;
    }
    KillTimer(kTimerSelecao);
    const HTREEITEM item = m_Tree.GetSelectedItem();
    // The item may have gone since the timer started: then nobody is told.
    if (!item) return;
    const platform::String texto = m_Tree.GetItemText(item);
    OnSelecionaItem(texto, item);
}

void CZTFCTreeView::OnSize(platform::UINT type, int cx, int cy) {
    View::OnSize(type, cx, cy);
    if (m_Tree.GetSafeHwnd()) m_Tree.MoveWindow(0, 0, cx, cy);
}
