// CZTBrowserView: a view that is one suite grid (CZTGrid) over its whole client area.
//
// The view is the grid's owner: derived views describe the columns and the cells and hear of the
// selection through the CZTGridCallbacks members. Settings made on GetGrid() before
// OnInitialUpdate (grid id, saving, selection kind, column count) take effect there, when the
// grid's window is made and set up. The grid's window is destroyed with the view's, which saves
// its configuration. User-interface thread.
#pragma once

#include "outside/editra/zt_grid.h"
#include "platform/ui/document/view.h"

class CZTBrowserView : public platform::ui::View, public CZTGridCallbacks {
public:
    CZTBrowserView();
    ~CZTBrowserView() override;

    [[nodiscard]] CZTGrid& GetGrid() { return m_Grid; }
    [[nodiscard]] const CZTGrid& GetGrid() const { return m_Grid; }

    // Makes the grid's window over the view and sets the grid up, then the view's own update.
    void OnInitialUpdate() override;

protected:
    // Keeps the grid over the whole view.
    void OnSize(platform::UINT type, int cx, int cy) override;

private:
    CZTGrid m_Grid;
};
