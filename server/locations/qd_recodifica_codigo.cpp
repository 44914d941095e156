#include "server/locations/qd_recodifica_codigo.h"

#include "outside/pendora/qd_niveis.h"
#include "server/locations/qd_ponto_codigo.h"

#include <cstddef>

std::string QDRecodificaCodigo(std::string_view codigoOriginal, std::string_view mascaraOriginal) {
    std::string codigo(codigoOriginal);
    const std::string mascara(mascaraOriginal);
    const int niveis = QDGetQtdNiveis(mascara.c_str());
    // Level 1 names the group: re-coding it to the mask's placeholder width would move the
    // location into another group (group 10's "10.001" under a mask "1.222.333").
    for (int n = 2; n <= niveis; ++n) {
        if (QDGetQtdNiveis(codigo.c_str()) < n) break;
        const std::size_t ponto = QDPosicaoPontoCodigo(codigo, n - 1);
        if (ponto == std::string::npos) break;
        const auto largura = static_cast<std::size_t>(QDGetNivel(codigo.c_str(), n).GetLength());
        const auto larguraMascara = static_cast<std::size_t>(QDGetNivel(mascara.c_str(), n).GetLength());
        const std::size_t edicao = ponto + 1;
        if (largura > larguraMascara) {
            codigo.erase(edicao, largura - larguraMascara);
        } else if (largura < larguraMascara) {
            codigo.insert(edicao, larguraMascara - largura, '0');
        }
    }
    return codigo;
}
