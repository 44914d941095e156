// CZTFCGridView: the framework's record list, a suite grid whose rows are the document's list
// items (grid row r shows item r - 1).
//
// The user's selection becomes hint 1 from this view: one row's record value, or in a
// multi-selection document the record values of the selected rows. A row without a record (the
// totals line) selects nothing: the document never makes a null record current. The grid saves
// its column configuration under the id "gridPrincipal" when its window is destroyed. The view
// is disabled from OnInitialUpdate until the document starts (hint 7) and again after a reset
// (hint 9). Derived views describe the columns and cells (CZTGridCallbacks) and set the row
// count. User-interface thread.
#pragma once

#include "framework/view/zt_fc_view.h"
#include "outside/editra/zt_browser_view.h"

class CZTFCGridView : public CZTBrowserView, public CZTFCView {
public:
    // Configuration saving stays off until OnInitialUpdate has named the grid.
    CZTFCGridView();

    // Names the grid, turns saving on, picks several-row selection in a multi-selection
    // document, sets the grid up, then disables the view.
    void OnInitialUpdate() override;

    // The grid's selection: hint 1 with the row's record, or with the selected rows' records.
    void OnLinhaSelecionada(long nIndice) override;
    void OnLinhasSelecionadas(const CZTArrayLinhas& linhas) override;

    // Hint 7 enables the view and empties the grid; hint 5 drops the grid's selection; hint 9
    // empties the set-up grid and disables the view.
    void OnInicializaView() override;
    void OnMultiSelecao() override;
    void OnLimpaView() override;

protected:
    void OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto) override;
};
