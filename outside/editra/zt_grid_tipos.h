// The values the suite's grid and its owner pass each other: row and column numbers, the handles
// of selected rows, a column's description and a cell's style. Plain values; no Qt.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/geometry.h"
#include "platform/win_types.h"

#include <vector>

// A grid row or column number. Row 0 is the header, row r shows the owner's item r - 1; columns
// count from 0 in the order the user sees them.
using ROWCOL = platform::DWORD;

// The handles of selected rows (CZTGrid::GetIndiceLinha turns one into a list index); a selected
// row without an item, the totals line, has the handle 0.
using CZTArrayLinhas = std::vector<ROWCOL>;

// A column as the owner describes it (column information): title, alignment (0 left, 1 centred,
// 2 right), width in pixels, and a value and flags that the grid keeps as given.
struct CZTInfoColuna {
    platform::String szTitulo;
    int nAlinhamento = 0;
    int nLargura = 100;
    int nValor = 10;
    platform::DWORD dwFlags = 0;
};

// A column as the grid shows it now (for printing): its title, alignment and width in pixels, and
// its place in the user's order, the column number the owner's cell calls get.
struct CZTColunaMostrada {
    platform::String szTitulo;
    int nAlinhamento = 0;
    int nLargura = 0;
    ROWCOL nColuna = 0;
};

// What the owner says of one cell (cell style): its text, its text colour, whether it is read
// only, and the id of the cell control that shows it (0: plain text). The grid shows the text in
// the colour; it edits no cell; a registered control id draws the cell (CZTControleCelula),
// any other id shows as the text.
class CZTEstiloCelula {
public:
    void SetValue(const char* texto) { m_strValor = texto; }
    void SetTextColor(platform::ui::Colour cor) {
        m_corTexto = cor;
        m_bTemCor = true;
    }
    void SetReadOnly(platform::BOOL somenteLeitura) { m_bSomenteLeitura = somenteLeitura; }
    void SetControl(platform::UINT controle) { m_nControle = controle; }

    [[nodiscard]] const platform::String& GetValue() const { return m_strValor; }
    [[nodiscard]] bool HasTextColor() const { return m_bTemCor; }
    [[nodiscard]] platform::ui::Colour GetTextColor() const { return m_corTexto; }
    [[nodiscard]] platform::BOOL GetReadOnly() const { return m_bSomenteLeitura; }
    [[nodiscard]] platform::UINT GetControl() const { return m_nControle; }

private:
    platform::String m_strValor;
    platform::ui::Colour m_corTexto = 0;
    bool m_bTemCor = false;
    platform::BOOL m_bSomenteLeitura = platform::TRUE;
    platform::UINT m_nControle = 0;
};
