#include "server/object/vaultis_comando.h"

#include "server/object/find_one_of.h"

CZTString QDLinhaComandoVaultis(int argc, const char* const* argv) {
    CZTString linha;
    for (int i = 1; i < argc; ++i) linha.Acrescenta(" ", argv[i], i > 1);
    return linha;
}

QDComandoVaultis QDLeComandoVaultis(const char* linhaComando) {
    constexpr char kSeparadores[] = "-/";
    // Each step moves past one separator, so the scan ends within the line's length.
    for (const char* resto = FindOneOf(linhaComando, kSeparadores); resto; resto = FindOneOf(resto, kSeparadores)) {
        const CZTString palavra(resto);
        if (palavra.CompareNoCase("UnregServer") == 0) return QDComandoVaultis::UnregServer;
        if (palavra.CompareNoCase("RegServer") == 0) return QDComandoVaultis::RegServer;
    }
    return QDComandoVaultis::Servir;
}
