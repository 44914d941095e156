// kelvo-modulos: the stand-in servers of the suite's other modules. With -RegServer or
// -UnregServer it writes or removes the six classes' registration and prints the result;
// otherwise (as activation starts it, with -Embedding) it serves until its last object ends.
// Exit code 0 for success, 1 for failure, with the HRESULT printed on failure.
#include "outside/modulos/zt_modulos_servidores.h"
#include "platform/com/apartment.h"
#include "platform/system/process_info.h"

#include <strings.h>

#include <cstdio>

namespace {

int Resultado(platform::HRESULT hr, bool imprime) {
    if (imprime || platform::FAILED(hr)) std::printf("kelvo-modulos: HRESULT 0x%08X\n", static_cast<unsigned>(hr));
    return platform::SUCCEEDED(hr) ? 0 : 1;
}

platform::HRESULT Registra() {
    platform::String caminho;
    const platform::Win32Error erro = platform::ModulePath(caminho);
    if (erro != platform::ERROR_SUCCESS) return platform::HResultFromWin32(erro);
    return ZTRegistraServidorModulos(caminho);
}

// The switch word of `argumento` ("-x" or "/x"), or null.
const char* Chave(const char* argumento) {
    return argumento && (argumento[0] == '-' || argumento[0] == '/') ? argumento + 1 : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    (void)platform::CoInitialize(nullptr);
    const char* chave = argc == 2 ? Chave(argv[1]) : nullptr;
    int codigo = 0;
    if (chave && ::strcasecmp(chave, "RegServer") == 0) {
        codigo = Resultado(Registra(), true);
    } else if (chave && ::strcasecmp(chave, "UnregServer") == 0) {
        codigo = Resultado(ZTDesregistraServidorModulos(), true);
    } else {
        codigo = Resultado(ZTServeModulos(), false);
    }
    platform::CoUninitialize();
    return codigo;
}
