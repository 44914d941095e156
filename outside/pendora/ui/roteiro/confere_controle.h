// Checks what a control shows for the test script: an edit's, static's or button's own text, or
// among a grid's data rows (their shown cells), a tree's items (depth first) or a combo's
// entries, a text or their number.
#pragma once

#include "outside/pendora/ui/roteiro/passo_roteiro.h"

#include <string>

namespace platform::ui {
class Wnd;
}

namespace kelvo::roteiro {

// Checks `controle` as the expect step `passo` says; empty when it holds, else what was found.
[[nodiscard]] std::string ConfereControle(platform::ui::Wnd& controle, const PassoRoteiro& passo);

}  // namespace kelvo::roteiro
