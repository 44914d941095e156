#include "util/number/rounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

// The C library here rounds exact ties to even when it prints, so the value is printed exactly
// (every double has a finite decimal expansion) and the digit string is rounded by hand. The
// locale-free conversions keep a ',' locale of the interactive programs from changing the text.

namespace {

// "%.*f" without a precision prints six decimals.
constexpr int kCasasPadrao = 6;
// The most decimals a double's exact expansion can have: its smallest step is 2^-1074.
constexpr int kMaxCasasExatas = 1074;
// Sign, the integer digits of a value that has decimals (below 2^53, so 16), '.', the decimals,
// and a spare place for a carry out of the first digit.
constexpr std::size_t kTamanhoTexto = 1 + 16 + 1 + kMaxCasasExatas + 1;

// A number of decimals that holds x exactly (never fewer than its expansion has); 0 for whole
// numbers. x = m * 2^e with a 53-bit m has at most 53 - e decimals, subnormals at most 1074.
int CasasExatas(double x) {
    if (std::trunc(x) == x) return 0;
    int expoente = 0;
    (void)std::frexp(x, &expoente);
    return std::min(kMaxCasasExatas, std::max(0, 53 - expoente));
}

// Adds one unit in the last kept digit of texto[inicio, fim) (a '.' is skipped); a carry out of the
// first digit puts a '1' in front. Returns the new end. The buffer has a spare place after fim.
char* SomaUmNoUltimoDigito(char* inicio, char* fim) {
    for (char* p = fim; p != inicio;) {
        --p;
        if (*p == '.') continue;
        if (*p != '9') {
            ++*p;
            return fim;
        }
        *p = '0';
    }
    std::memmove(inicio + 1, inicio, static_cast<std::size_t>(fim - inicio));
    *inicio = '1';
    return fim + 1;
}

// Rounds the exact expansion texto[0, fim) half away from zero at `casas` decimals, fewer than the
// text has, in place. Returns the end of the rounded text.
char* ArredondaTexto(char* texto, char* fim, int casas) {
    char* ponto = std::find(texto, fim, '.');
    char* primeiroCortado = ponto + 1 + casas;
    // The expansion is exact, so a first dropped digit of 5 or more means at or past the tie.
    const bool sobe = *primeiroCortado >= '5';
    char* novoFim = casas == 0 ? ponto : primeiroCortado;
    if (!sobe) return novoFim;
    char* primeiroDigito = texto + (texto[0] == '-' ? 1 : 0);
    return SomaUmNoUltimoDigito(primeiroDigito, novoFim);
}

}  // namespace

double ZTArredondaDouble(double x, int casas) {
    if (!std::isfinite(x)) return x;
    if (casas < 0) casas = kCasasPadrao;
    const int exatas = CasasExatas(x);
    if (casas >= exatas) return x;  // the print shows x exactly, and reading it back gives x

    std::array<char, kTamanhoTexto> texto{};
    char* const inicio = texto.data();
    // One place stays free for the carry of the rounding.
    const auto escrito = std::to_chars(inicio, inicio + texto.size() - 1, x, std::chars_format::fixed, exatas);
    if (escrito.ec != std::errc{}) return x;  // cannot happen: the buffer holds the longest expansion
    char* const fim = ArredondaTexto(inicio, escrito.ptr, casas);

    double lido = x;
    (void)std::from_chars(inicio, fim, lido);  // digits with an optional sign and '.' always read
    return lido;
}

float ZTArredondaFloat(float x, int casas) {
    // A float prints as the double it widens to; the text is read as double and then narrowed.
    return static_cast<float>(ZTArredondaDouble(static_cast<double>(x), casas));
}

CY ZTArredondaCy(CY valor, int casas) {
    CY arredondado;
    money::ThrowIfFailed(money::CyFromR8(ZTArredondaDouble(money::R8FromCy(valor), casas), &arredondado));
    return arredondado;
}
