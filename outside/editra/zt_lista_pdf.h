// The PDF of a printed list (internal to the print command): A4 pages, each opening with the
// company name on the left and the date on the right, then the column titles in bold over a
// rule, then the rows; "Página n de m" at the foot. Columns keep the grid's order and widths,
// scaled down together when they add up to more than the page holds; a text longer than its
// column is cut with an ellipsis. The rows are read a page at a time, as each page is drawn, so
// only one page's texts are ever held. User-interface thread (Qt's painter).
#pragma once

#include "outside/editra/zt_grid_tipos.h"

#include <functional>
#include <string>
#include <vector>

// What one list print shows. `celula` gives the text of a data row (1 to nLinhas) in a column
// (one of `colunas`).
struct CZTListaImpressa {
    platform::String strEmpresa;
    platform::String strData;
    std::vector<CZTColunaMostrada> colunas;
    ROWCOL nLinhas = 0;
    std::function<platform::String(ROWCOL nLinha, const CZTColunaMostrada& coluna)> celula;
};

// The bytes of the list's PDF; empty when Qt could not write it.
[[nodiscard]] std::string ZTDesenhaListaPdf(const CZTListaImpressa& lista);
