#include "util/fiscal/bar_code.h"

namespace {

constexpr int kModuloBarras = 10;

bool ValidaModulo10(const char* szTexto, int iPesoA, int iPesoB) {
    CZTIntArray digitos;
    if (!ZTTextoParaDigitos(szTexto, digitos, true) || digitos.empty()) return false;
    return ZTDigitoConfere(ZTSomaPonderada(digitos, iPesoA, iPesoB), digitos.back(), kModuloBarras);
}

}  // namespace

bool ZTTextoParaDigitos(const char* szTexto, CZTIntArray& digitos, bool bSoDigitos) {
    digitos.clear();
    if (szTexto == nullptr) return true;
    bool soDigitos = true;
    for (const char* c = szTexto; *c != '\0'; ++c) {
        const bool ehDigito = *c >= '0' && *c <= '9';
        soDigitos = soDigitos && ehDigito;
        digitos.push_back(ehDigito ? *c - '0' : 0);
    }
    return soDigitos || !bSoDigitos;
}

std::int64_t ZTSomaPonderada(const CZTIntArray& digitos, int iPesoA, int iPesoB) {
    std::int64_t soma = 0;
    for (size_t i = 0; i + 1 < digitos.size(); ++i) {
        // Index 0 is the 1st element, which takes weight b.
        soma += std::int64_t{digitos[i]} * (i % 2 == 0 ? iPesoB : iPesoA);
    }
    return soma;
}

bool ZTDigitoConfere(std::int64_t lSoma, int iDigito, int iModulo) {
    if (iModulo < 1) return false;
    const std::int64_t resto = lSoma % iModulo;
    if (resto == 0) return iDigito == 0;
    return iDigito + resto == iModulo;
}

bool ZTValidaDigitoPeso31(const char* szTexto) { return ValidaModulo10(szTexto, 1, 3); }

bool ZTValidaDigitoPeso13(const char* szTexto) { return ValidaModulo10(szTexto, 3, 1); }
