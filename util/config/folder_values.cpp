#include "util/config/folder_values.h"

#include <cstring>

namespace config_detail {

CZTString ComBarraFinal(const CZTString& texto) {
    if (texto.IsEmpty()) return texto;
    CZTString pasta(texto);
    pasta.TrimRight("/");
    pasta += '/';
    return pasta;
}

bool LeValorExistente(const CZTRegistry& registro, const char* valor, CZTString& texto) {
    platform::DWORD tamanho = 0;
    if (registro.LeBinario(valor, nullptr, &tamanho) != platform::ERROR_SUCCESS) return false;
    texto = registro.LeString(valor);
    return true;
}

bool CopiaParaBuffer(const CZTString& texto, char* destino, std::size_t tamanho) {
    const auto comZero = static_cast<std::size_t>(texto.GetLength()) + 1;
    if (!destino || comZero > tamanho) return false;
    std::memcpy(destino, texto.GetString(), comZero);
    return true;
}

}  // namespace config_detail
