#include "util/fiscal/cpf_cnpj.h"

#include "util/fiscal/digit_sums.h"

namespace {

constexpr int kDigitosCPF = 11;
constexpr int kDigitosCNPJ = 14;
constexpr int kMaximoDigitosBase = 20;  // the most digits that the unformatting keeps

// Digit 1 covers all but the last two digits of the number, digit 2 all but the last.
int DigitoVerificador(int iDigito, const char* szNumero, int totalDigitos, int pesoMaximo) {
    if (iDigito != 1 && iDigito != 2) return fiscal::kSemDigito;
    const int quantos = totalDigitos - 3 + iDigito;
    int digitos[kDigitosCNPJ];
    if (!fiscal::LeDigitos(szNumero, quantos, digitos)) return fiscal::kSemDigito;
    return fiscal::DigitoOnzeReverso(digitos, quantos, pesoMaximo);
}

bool SoTemDigitos(const CZTString& texto) {
    for (char c : texto.view()) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// Inserts the separators given as (position in the digits, character) from the back, so that the
// earlier positions stay valid.
struct Separador { int posicao; char caractere; };
template <int N>
void InsereSeparadores(CZTString& texto, const Separador (&separadores)[N]) {
    for (int i = N - 1; i >= 0; --i) texto.Insert(separadores[i].posicao, separadores[i].caractere);
}

void Formata(CZTString& strNumero) {
    // A text that is already formatted, or holds anything but digits, is left as it is.
    if (!SoTemDigitos(strNumero)) return;
    if (strNumero.GetLength() == kDigitosCPF) {
        static constexpr Separador cpf[] = {{3, '.'}, {6, '.'}, {9, '-'}};
        InsereSeparadores(strNumero, cpf);
    } else if (strNumero.GetLength() == kDigitosCNPJ) {
        static constexpr Separador cnpj[] = {{2, '.'}, {5, '.'}, {8, '/'}, {12, '-'}};
        InsereSeparadores(strNumero, cnpj);
    }
}

void Desformata(CZTString& strNumero) {
    CZTString digitos;
    for (char c : strNumero.view()) {
        if (digitos.GetLength() == kMaximoDigitosBase) break;
        if (c >= '0' && c <= '9') digitos += c;
    }
    if (digitos.GetLength() == kDigitosCPF || digitos.GetLength() == kDigitosCNPJ) {
        digitos = digitos.Left(digitos.GetLength() - 2);
    }
    strNumero = digitos;
}

}  // namespace

int ZTDigitoCNPJ(int iDigito, const char* szNumero) {
    // Company weights run 2..9 and start again at 2.
    return DigitoVerificador(iDigito, szNumero, kDigitosCNPJ, 9);
}

int ZTDigitoCPF(int iDigito, const char* szNumero) {
    // Person weights keep growing: 2..10 for digit 1, 2..11 for digit 2.
    return DigitoVerificador(iDigito, szNumero, kDigitosCPF, 0);
}

void ZTFormataCpfCnpj(CZTString& strNumero, bool bFormata) {
    if (bFormata) {
        Formata(strNumero);
    } else {
        Desformata(strNumero);
    }
}
