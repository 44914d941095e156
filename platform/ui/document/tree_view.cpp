#include "platform/ui/document/tree_view.h"

namespace platform::ui {

namespace {

// The tree's control id inside the view.
constexpr UINT kIdArvore = 1;

}  // namespace

TreeView::TreeView() = default;

TreeView::~TreeView() = default;

TreeCtrl& TreeView::GetTreeCtrl() {
    if (m_Tree.GetSafeHwnd() || !GetSafeHwnd()) return m_Tree;
    DWORD style = 0;
    PreCreateWindow(style);
    Rect client;
    GetClientRect(&client);
    // The child, visible and bordered window styles are what every child window is here.
    if (m_Tree.Create(0, client, this, kIdArvore)) m_Tree.ModifyStyle(0, style);
    return m_Tree;
}

void TreeView::PreCreateWindow(DWORD&) {}

void TreeView::OnSize(UINT type, int cx, int cy) {
    View::OnSize(type, cx, cy);
    if (m_Tree.GetSafeHwnd()) m_Tree.MoveWindow(0, 0, cx, cy);
}

}  // namespace platform::ui
