#include "util/number/installed_runtimes.h"

#include <cstdint>

using namespace platform;

namespace {

constexpr const char* kChaveDotNet40Client = "Software\\Microsoft\\NET Framework Setup\\NDP\\v4\\Client";
constexpr const char* kChaveDotNet35 = "Software\\Microsoft\\NET Framework Setup\\NDP\\v3.5";
constexpr const char* kChaveDotNet20 = "Software\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727";
constexpr const char* kValorInstalado = "Install";

// True when `chave` of the local machine holds "Install" as the 32-bit number 1.
bool VersaoInstalada(const char* chave) {
    DWORD tipo = REG_NONE;
    std::uint32_t numero = 0;
    DWORD tamanho = sizeof(numero);
    if (!ZTLeDWordRegistro(HKEY_LOCAL_MACHINE, chave, kValorInstalado, &tipo, &numero, &tamanho)) return false;
    // A text "1" or four binary bytes would read as some number too: only the number type counts.
    return tipo == REG_DWORD && tamanho == sizeof(numero) && numero == 1;
}

}  // namespace

bool ZTLeDWordRegistro(HKEY raiz, const char* subChave, const char* valor, DWORD* tipo, void* dados,
                       DWORD* tamanho) {
    HKEY chave = nullptr;
    if (Registry::OpenKey(raiz, subChave, KEY_READ, &chave) != ERROR_SUCCESS) return false;
    const Win32Error lido = Registry::QueryValue(chave, valor, tipo, dados, tamanho);
    Registry::CloseKey(chave);
    return lido == ERROR_SUCCESS;
}

bool ZTTemDotNet40Client() { return VersaoInstalada(kChaveDotNet40Client); }

bool ZTTemDotNet35() { return VersaoInstalada(kChaveDotNet35); }

bool ZTTemDotNet20() { return VersaoInstalada(kChaveDotNet20); }
