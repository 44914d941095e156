// Chooses an entry of a control for the test script as the user's click would: a grid's row, a
// tree's item (depth first), a combo's entry (its parent hears CBN_SELCHANGE).
#pragma once

#include "outside/editra/zt_grid_tipos.h"
#include "outside/pendora/ui/roteiro/passo_roteiro.h"

#include <string>
#include <vector>

class CZTGrid;

namespace platform::ui {
class Wnd;
}

namespace kelvo::roteiro {

// Chooses `escolha`'s entry in `controle`; empty when done, else why it cannot be.
[[nodiscard]] std::string SelecionaEntrada(platform::ui::Wnd& controle, const Escolha& escolha);

// The texts data row `linha` of `grade` shows, one a shown column, in the user's order.
[[nodiscard]] std::vector<platform::String> TextosDaLinha(const CZTGrid& grade, ROWCOL linha);

}  // namespace kelvo::roteiro
