#include "server/locations/qd_troca_prefixo_codigo.h"

#include "outside/pendora/qd_niveis.h"
#include "server/locations/qd_ponto_codigo.h"

#include <cstddef>

std::string QDTrocaPrefixoCodigo(std::string_view codigo, std::string_view antigo, std::string_view novo) {
    // The descendant's own levels begin at its '.' after as many levels as the old code has.
    const std::size_t ponto = QDPosicaoPontoCodigo(codigo, QDGetQtdNiveis(std::string(antigo).c_str()));
    if (ponto == std::string_view::npos) return std::string(codigo);
    std::string resultado(novo);
    resultado.append(codigo.substr(ponto));
    return resultado;
}
