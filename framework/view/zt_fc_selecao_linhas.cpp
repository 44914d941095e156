#include "framework/view/zt_fc_selecao_linhas.h"

#include <cstdint>
#include <limits>

CZTFCSelecaoLinhas::CZTFCSelecaoLinhas(const ROWCOL* handles, int quantidade,
                                       const std::function<int(ROWCOL)>& linhaDe,
                                       const std::function<const void*(int)>& registroDe) {
    // The block's count is 16-bit: a selection never lists more rows than it can count.
    constexpr std::size_t kMaximo = std::numeric_limits<std::uint16_t>::max();
    for (int i = 0; i < quantidade && registros_.size() < kMaximo; ++i) {
        if (handles[i] == 0) continue;
        // The document would make a missing record current: such a row selects nothing.
        if (const void* registro = registroDe(linhaDe(handles[i]))) registros_.push_back(registro);
    }
    bloco_.nQuantidade = static_cast<std::uint16_t>(registros_.size());
    bloco_.pHandles = handles;
    bloco_.ppRegistros = registros_.data();
}
