#include "outside/pendora/qd_token_mngr.h"

#include "platform/text/string.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace {

using TabelaMinusculas = std::array<char, 256>;

// Windows-1252 lower case of every byte, built once.
const TabelaMinusculas& Minusculas() {
    static const TabelaMinusculas tabela = [] {
        TabelaMinusculas t{};
        for (int b = 0; b < 256; ++b) t[static_cast<size_t>(b)] = platform::AnsiToLower(static_cast<char>(b));
        return t;
    }();
    return tabela;
}

char Minuscula(const TabelaMinusculas& tabela, char c) { return tabela[static_cast<unsigned char>(c)]; }

bool EhSeparador(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view SemSeparadoresNasPontas(std::string_view texto) {
    while (!texto.empty() && EhSeparador(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EhSeparador(texto.back())) texto.remove_suffix(1);
    return texto;
}

// Non-overlapping occurrences of `token` (not empty) in `texto`.
long long ContaOcorrencias(std::string_view texto, const std::string& token) {
    long long n = 0;
    const char* p = texto.data();
    const char* const fim = p + texto.size();
    while (static_cast<size_t>(fim - p) >= token.size()) {
        const void* achado = memmem(p, static_cast<size_t>(fim - p), token.data(), token.size());
        if (!achado) break;
        ++n;
        p = static_cast<const char*>(achado) + token.size();
    }
    return n;
}

void SomaLimitada(int& acertos, long long mais) {
    const long long soma = static_cast<long long>(acertos) + mais;
    acertos = soma > INT_MAX ? INT_MAX : static_cast<int>(soma);
}

}  // namespace

CQDTokenMngr::CQDTokenMngr(const char* texto) : CQDTokenMngr(texto ? std::string_view(texto) : std::string_view()) {}

CQDTokenMngr::CQDTokenMngr(std::string_view texto) {
    size_t i = 0;
    while (i < texto.size()) {
        if (EhSeparador(texto[i])) {
            ++i;
        } else if (texto[i] == '"') {
            const size_t fecha = texto.find('"', i + 1);
            const size_t fim = fecha == std::string_view::npos ? texto.size() : fecha;
            Acrescenta(SemSeparadoresNasPontas(texto.substr(i + 1, fim - i - 1)));
            i = fecha == std::string_view::npos ? texto.size() : fecha + 1;
        } else {
            size_t j = i;
            while (j < texto.size() && !EhSeparador(texto[j]) && texto[j] != '"') ++j;
            Acrescenta(texto.substr(i, j - i));
            i = j;
        }
    }
    m_achados.assign(m_tokens.size(), false);
    m_nQtdFaltam = GetQtdTokens();
}

void CQDTokenMngr::Acrescenta(std::string_view token) {
    if (token.empty()) return;
    const TabelaMinusculas& tabela = Minusculas();
    std::string minusculo(token.size(), '\0');
    std::transform(token.begin(), token.end(), minusculo.begin(), [&](char c) { return Minuscula(tabela, c); });
    if (std::find(m_tokens.begin(), m_tokens.end(), minusculo) != m_tokens.end()) return;
    m_tokens.push_back(std::move(minusculo));
}

bool CQDTokenMngr::FazFiltroTexto(const char* texto, int& acertos) {
    return FazFiltroTexto(texto ? std::string_view(texto) : std::string_view(), acertos);
}

bool CQDTokenMngr::FazFiltroTexto(std::string_view texto, int& acertos) {
    if (m_tokens.empty()) return true;
    if (texto.empty()) return false;
    const TabelaMinusculas& tabela = Minusculas();
    m_minusculo.resize(texto.size());
    std::transform(texto.begin(), texto.end(), m_minusculo.begin(), [&](char c) { return Minuscula(tabela, c); });

    bool passou = false;
    for (size_t k = 0; k < m_tokens.size(); ++k) {
        const long long n = ContaOcorrencias(m_minusculo, m_tokens[k]);
        if (n == 0) continue;
        passou = true;
        SomaLimitada(acertos, n);
        if (!m_achados[k]) {
            m_achados[k] = true;
            --m_nQtdFaltam;
        }
    }
    return passou;
}

void CQDTokenMngr::ClearStatus() {
    std::fill(m_achados.begin(), m_achados.end(), false);
    m_nQtdFaltam = GetQtdTokens();
}
