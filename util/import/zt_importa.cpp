#include "util/import/zt_importa.h"

#include "platform/text/codepage.h"
#include "platform/interaction.h"
#include "platform/system/library.h"
#include "util/config/module_table.h"

namespace {

constexpr const char* kBiblioteca = "Imporix.dll";
constexpr const char* kExportacaoCFRT = "FazImportacaoCFRT";
constexpr const char* kExportacaoMunicipios = "FazImportacaoMunicipios";

// The library's results that the municipality import reports.
constexpr int kImportacaoConcluida = 2;
constexpr int kErroGravacaoLeitura = 3;

// The exports' shapes, as the library declares them.
using FazImportacaoCFRT = int (*)(std::uint8_t, const char*, std::uint16_t, std::int32_t);
using FazImportacaoMunicipios = int (*)(const char*, std::uint16_t, std::int32_t);

// Shows `textoUtf8` (converted to the system's code page) with `icone`, owned by the main window.
void Mostra(const char* textoUtf8, unsigned icone) {
    (void)platform::CurrentInteraction().ShowMessage(platform::AnsiFromUtf8(textoUtf8),
                                                     ZTGetNomeModulo(ZT_MODULO_EMPRESARIAL),
                                                     platform::MB_OK | icone, true);
}

// Loads the library into `biblioteca` and returns its export `nome` as a `Funcao`; tells the
// user and returns null (the library freed) when either cannot be found.
template <class Funcao>
Funcao AbreExportacao(platform::Library& biblioteca, const char* nome) {
    if (biblioteca.Load(kBiblioteca) != platform::ERROR_SUCCESS) {
        Mostra("A dll de importacao (imporix.dll) não foi encontrada", platform::MB_ICONINFORMATION);
        return nullptr;
    }
    const platform::FARPROC exportacao = biblioteca.Find(nome);
    if (!exportacao) {
        Mostra("A dll de importacao (imporix.dll) é inválida", platform::MB_ICONINFORMATION);
        biblioteca.Free();
        return nullptr;
    }
    return reinterpret_cast<Funcao>(exportacao);
}

}  // namespace

void ZTImportaCFRT(std::uint8_t flag, const char* texto, std::uint16_t n16, std::int32_t n32) {
    platform::Library biblioteca;
    const auto importa = AbreExportacao<FazImportacaoCFRT>(biblioteca, kExportacaoCFRT);
    if (!importa) return;
    (void)importa(flag, texto, n16, n32);
    biblioteca.Free();
}

void ZTImportaMunicipios(const char* texto, std::uint16_t n16, std::int32_t n32) {
    platform::Library biblioteca;
    const auto importa = AbreExportacao<FazImportacaoMunicipios>(biblioteca, kExportacaoMunicipios);
    if (!importa) return;
    const int resultado = importa(texto, n16, n32);
    if (resultado == kImportacaoConcluida) {
        Mostra("Importação concluída com sucesso!", platform::MB_ICONEXCLAMATION);
    } else if (resultado == kErroGravacaoLeitura) {
        Mostra("Erro de gravação/leitura. Importação não concluída!", platform::MB_ICONINFORMATION);
    }
    biblioteca.Free();
}
