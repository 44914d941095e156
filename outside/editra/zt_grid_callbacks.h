// What the suite's grid asks of its owner and tells it; every default does nothing or allows.
//
// Rows are grid rows (row 0 the header, row r item r - 1) except in OnLinhaSelecionada, which gets
// the list index. Columns are the user's order (CZTGrid::GetIndiceColuna finds one by title),
// except in GetInformacaoColuna, which is asked in the owner's own column order at set-up.
// Called on the user-interface thread, inside the layer's dispatch boundary.
#pragma once

#include "outside/editra/zt_grid_tipos.h"

class CZTGridCallbacks {
public:
    virtual ~CZTGridCallbacks() = default;

    // The description of column `nColuna` (0 to the column count - 1), asked once at set-up.
    virtual CZTInfoColuna GetInformacaoColuna(int /*nColuna*/) { return {}; }
    // The style of a shown data cell; FALSE leaves the cell empty. Only rows on the screen are
    // asked, never the header or the totals line.
    virtual platform::BOOL OnLoadCellStyle(ROWCOL /*nLinha*/, ROWCOL /*nColuna*/, CZTEstiloCelula& /*estilo*/) {
        return platform::FALSE;
    }
    // The user selected the data row of list index `nIndice` (one-row selection).
    virtual void OnLinhaSelecionada(long /*nIndice*/) {}
    // The user changed the selected rows (several-row selection): their handles, in row order.
    virtual void OnLinhasSelecionadas(const CZTArrayLinhas& /*linhas*/) {}
    // The totals line was switched on or off (after the grid added or removed it).
    virtual void OnEnableTotalizacao(platform::BOOL /*bEnable*/) {}
    // The user is about to move the current cell from row `nLinhaAtual` (0: none) to another
    // row; FALSE keeps it where it is.
    virtual platform::BOOL OnAntesMudarLinha(ROWCOL /*nLinhaAtual*/, ROWCOL /*nNovaLinha*/) { return platform::TRUE; }
    // A key went down in the grid (a virtual-key code, platform/ui/window/virtual_keys.h); FALSE
    // leaves it to the grid's parent windows instead of the grid.
    virtual platform::BOOL OnFiltraTecla(platform::UINT /*nTecla*/) { return platform::TRUE; }
    // The user double-clicked the data cell at row `nLinha`, column `nColuna`.
    virtual void OnDuploClique(ROWCOL /*nLinha*/, ROWCOL /*nColuna*/) {}
};
