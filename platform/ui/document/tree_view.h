// A view that is one tree control over its whole client area.
//
// The tree is made on first use (GetTreeCtrl) once the view has its window, since the layer sends
// views no WM_CREATE; PreCreateWindow may add TVS_ styles before that. The tree follows the
// view's size. User-interface thread.
#pragma once

#include "platform/ui/control/tree_ctrl.h"
#include "platform/ui/document/view.h"

namespace platform::ui {

class TreeView : public View {
public:
    TreeView();
    ~TreeView() override;

    // The tree; it has no window until the view has one.
    [[nodiscard]] TreeCtrl& GetTreeCtrl();

protected:
    // Called once just before the tree is made, with the TVS_ styles it will have.
    virtual void PreCreateWindow(DWORD& treeStyle);
    void OnSize(UINT type, int cx, int cy) override;

private:
    TreeCtrl m_Tree;
};

}  // namespace platform::ui
