#include "util/fiscal/digit_sums.h"

namespace fiscal {

bool LeDigitos(const char* texto, int quantos, int* digitos) {
    if (texto == nullptr || quantos < 0) return false;
    for (int i = 0; i < quantos; ++i) {
        // A NUL is not a digit, so a short text stops here before anything past it is read.
        if (texto[i] < '0' || texto[i] > '9') return false;
        digitos[i] = texto[i] - '0';
    }
    return true;
}

int DigitosDoNumero(std::uint32_t valor, int* digitos, int capacidade) {
    int reverso[10];
    int quantos = 0;
    do {
        reverso[quantos++] = static_cast<int>(valor % 10);
        valor /= 10;
    } while (valor != 0);
    if (quantos > capacidade) return 0;
    for (int i = 0; i < quantos; ++i) digitos[i] = reverso[quantos - 1 - i];
    return quantos;
}

int DigitoOnzeReverso(const int* digitos, int quantos, int pesoMaximo) {
    int soma = 0;
    int peso = 2;
    for (int i = quantos - 1; i >= 0; --i) {
        soma += digitos[i] * peso;
        peso = (pesoMaximo != 0 && peso == pesoMaximo) ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

}  // namespace fiscal
