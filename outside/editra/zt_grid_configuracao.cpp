#include "outside/editra/zt_grid_configuracao.h"

#include <charconv>
#include <string_view>

namespace {

// The next number of `texto` followed by `separador`, consumed; nothing when there is none.
std::optional<int> ProximoNumero(std::string_view& texto, char separador) {
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro != std::errc() || fim == texto.data() + texto.size() || *fim != separador) return std::nullopt;
    texto.remove_prefix(static_cast<std::size_t>(fim - texto.data()) + 1);
    return valor;
}

}  // namespace

platform::String FormataConfiguracao(const std::vector<CZTColunaConfigurada>& colunas) {
    platform::String texto;
    for (const CZTColunaConfigurada& coluna : colunas) {
        texto.AppendFormat("%d,%d,%d;", coluna.nColuna, coluna.nLargura, coluna.bOculta ? 1 : 0);
    }
    return texto;
}

std::optional<std::vector<CZTColunaConfigurada>> LeConfiguracao(const char* texto, int nColunas) {
    std::string_view resto = texto ? texto : "";
    std::vector<CZTColunaConfigurada> colunas;
    std::vector<bool> vistas(static_cast<std::size_t>(nColunas > 0 ? nColunas : 0), false);
    while (!resto.empty() && static_cast<int>(colunas.size()) < nColunas) {
        const std::optional<int> coluna = ProximoNumero(resto, ',');
        const std::optional<int> largura = coluna ? ProximoNumero(resto, ',') : std::nullopt;
        const std::optional<int> oculta = largura ? ProximoNumero(resto, ';') : std::nullopt;
        if (!oculta || *coluna < 0 || *coluna >= nColunas || vistas[static_cast<std::size_t>(*coluna)] || *largura <= 0) {
            return std::nullopt;
        }
        vistas[static_cast<std::size_t>(*coluna)] = true;
        colunas.push_back({*coluna, *largura, *oculta != 0});
    }
    if (!resto.empty() || static_cast<int>(colunas.size()) != nColunas) return std::nullopt;
    return colunas;
}
