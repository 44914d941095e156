// The stored form of a grid's columns (internal): for each column in the user's order, the
// owner's column number, its width and whether it is hidden, as "c,width,hidden;..." text.
#pragma once

#include "platform/text/string.h"

#include <optional>
#include <vector>

struct CZTColunaConfigurada {
    int nColuna = 0;
    int nLargura = 0;
    bool bOculta = false;
    friend bool operator==(const CZTColunaConfigurada&, const CZTColunaConfigurada&) = default;
};

[[nodiscard]] platform::String FormataConfiguracao(const std::vector<CZTColunaConfigurada>& colunas);
// The columns of `texto` when it describes each of `nColunas` columns exactly once with a
// positive width; nothing otherwise (a configuration of another column set is not applied).
[[nodiscard]] std::optional<std::vector<CZTColunaConfigurada>> LeConfiguracao(const char* texto, int nColunas);
