#include "outside/pendora/qd_texto_busca.h"

#include "util/text/code_page.h"

#include <string>

namespace pendora::detail {

void AcrescentaTextoBusca(CZTStringArray& lista, std::string_view texto) {
    texto = texto.substr(0, texto.find('\0'));
    if (texto.empty()) return;
    lista.push_back(ZTRetiraAcentos(std::string(texto).c_str()));
}

}  // namespace pendora::detail
