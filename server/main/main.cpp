// Vaultis, the document server program: with -RegServer or -UnregServer it writes or removes its
// registration and prints the result; otherwise it serves ZTQD_Srv until its last object is
// released. Exit code 0 for success, 1 for failure, with the HRESULT printed on failure.
#include "platform/com/apartment.h"
#include "platform/system/process_info.h"
#include "server/object/vaultis_comando.h"
#include "server/object/vaultis_registro.h"
#include "server/object/vaultis_servidor.h"
#include "util/com/zt_seguranca_com.h"

#include <cstdio>

namespace {

int Resultado(platform::HRESULT hr, bool imprime) {
    if (imprime || platform::FAILED(hr)) std::printf("Vaultis: HRESULT 0x%08X\n", static_cast<unsigned>(hr));
    return platform::SUCCEEDED(hr) ? 0 : 1;
}

platform::HRESULT Registra() {
    platform::String caminho;
    const platform::Win32Error erro = platform::ModulePath(caminho);
    if (erro != platform::ERROR_SUCCESS) return platform::HResultFromWin32(erro);
    return QDRegistraVaultis(caminho);
}

int Executa(const char* linhaComando) {
    switch (QDLeComandoVaultis(linhaComando)) {
        case QDComandoVaultis::RegServer: return Resultado(Registra(), true);
        case QDComandoVaultis::UnregServer: return Resultado(QDDesregistraVaultis(), true);
        case QDComandoVaultis::Servir: break;
    }
    return Resultado(QDServeVaultis(), false);
}

}  // namespace

int main(int argc, char** argv) {
    (void)platform::CoInitialize(nullptr);
    (void)ZTInicializaSegurancaCOM();
    const int codigo = Executa(QDLinhaComandoVaultis(argc, argv));
    platform::CoUninitialize();
    return codigo;
}
