#include "util/fiscal/modulo11.h"

#include "util/fiscal/digit_sums.h"

#include <cstring>

namespace {

// Writes the digits then `verificador` and the NUL.
void EscreveComVerificador(const int* digitos, int quantos, char verificador, char* szDestino) {
    for (int i = 0; i < quantos; ++i) szDestino[i] = static_cast<char>('0' + digitos[i]);
    szDestino[quantos] = verificador;
    szDestino[quantos + 1] = '\0';
}

}  // namespace

char* ZTDigitoModulo11(std::int32_t lNumero, char* szDestino) {
    if (szDestino == nullptr) return nullptr;
    if (lNumero < 0) {
        szDestino[0] = '\0';
        return szDestino;
    }
    if (lNumero == 0) {
        std::strcpy(szDestino, "00000");
        return szDestino;
    }
    int digitos[ZT_TAM_DIGITO_MODULO11];
    const int quantos =
        fiscal::DigitosDoNumero(static_cast<std::uint32_t>(lNumero), digitos, ZT_TAM_DIGITO_MODULO11 - 2);
    // The last digit weighs 4 and each one to its left one more.
    int soma = 0;
    for (int i = 0; i < quantos; ++i) soma += digitos[i] * (quantos + 3 - i);
    // '1' for a remainder of 0, '0' for 1, else 11 - r: in every case the last digit of 11 - r.
    const int resto = soma % 11;
    const char verificador = static_cast<char>('0' + (11 - resto) % 10);
    EscreveComVerificador(digitos, quantos, verificador, szDestino);
    return szDestino;
}

char* ZTDigitoPesos4576(std::uint16_t iNumero, char* szDestino) {
    if (szDestino == nullptr) return nullptr;
    int digitos[ZT_TAM_DIGITO_PESOS4576];
    const int quantos = fiscal::DigitosDoNumero(iNumero, digitos, ZT_TAM_DIGITO_PESOS4576 - 2);
    // The weights apply to the first four digits of the text padded to four with leading zeros.
    static constexpr int kPesos[4] = {4, 5, 7, 6};
    const int zeros = quantos < 4 ? 4 - quantos : 0;
    int soma = 0;
    for (int i = zeros; i < 4; ++i) soma += digitos[i - zeros] * kPesos[i];
    const int a = 11 - soma % 11;
    const int verificador = a > 9 ? a - 10 : a;
    EscreveComVerificador(digitos, quantos, static_cast<char>('0' + verificador), szDestino);
    return szDestino;
}
