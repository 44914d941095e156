// CZTControleCelula: what draws the cells of one cell-control id in the suite's grid.
//
// The owner registers a control under an id (CZTGrid::RegistraControleCelula); a cell whose style
// names that id (CZTEstiloCelula::SetControl) is drawn by the control from the cell's text
// instead of as that text. User-interface thread, while the grid paints.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/geometry.h"

namespace platform::ui {
class Canvas;
}

class CZTControleCelula {
public:
    virtual ~CZTControleCelula() = default;

    // Draws the cell of text `valor` inside `celula` (the canvas's coordinates); the cell's
    // background is drawn already.
    virtual void Desenha(platform::ui::Canvas& canvas, const platform::ui::Rect& celula, const platform::String& valor) = 0;
};
