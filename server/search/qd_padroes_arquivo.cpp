#include "server/search/qd_padroes_arquivo.h"

#include "platform/text/string.h"

#include <array>
#include <cstddef>

namespace {

using TabelaMinusculas = std::array<char, 256>;

// Windows-1252 lower case of every byte, built once.
const TabelaMinusculas& Minusculas() {
    static const TabelaMinusculas tabela = [] {
        TabelaMinusculas t{};
        for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = platform::AnsiToLower(static_cast<char>(b));
        return t;
    }();
    return tabela;
}

bool MesmaLetra(const TabelaMinusculas& tabela, char a, char b) {
    return tabela[static_cast<unsigned char>(a)] == tabela[static_cast<unsigned char>(b)];
}

bool EhBranco(char c) { return c == ' ' || c == '\t'; }

std::string_view SemBrancosNasPontas(std::string_view texto) {
    while (!texto.empty() && EhBranco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EhBranco(texto.back())) texto.remove_suffix(1);
    return texto;
}

}  // namespace

bool QDCombinaPadraoArquivo(std::string_view padrao, std::string_view nome) {
    if (padrao == "*.*") return true;
    const TabelaMinusculas& tabela = Minusculas();
    constexpr std::size_t kNenhuma = std::string_view::npos;
    // Greedy walk with one way back: on a mismatch after a '*', that '*' takes one more
    // character of the name and the rest of the pattern is tried again from there.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t estrela = kNenhuma;
    std::size_t retomada = 0;
    while (n < nome.size()) {
        if (p < padrao.size() && padrao[p] == '*') {
            estrela = p++;
            retomada = n;
        } else if (p < padrao.size() && (padrao[p] == '?' || MesmaLetra(tabela, padrao[p], nome[n]))) {
            ++p;
            ++n;
        } else if (estrela != kNenhuma) {
            p = estrela + 1;
            n = ++retomada;
        } else {
            return false;
        }
    }
    while (p < padrao.size() && padrao[p] == '*') ++p;
    return p == padrao.size();
}

CQDPadroesArquivo::CQDPadroesArquivo(std::string_view lista) {
    while (!lista.empty()) {
        const std::size_t fim = lista.find(';');
        const std::string_view padrao = SemBrancosNasPontas(lista.substr(0, fim));
        if (!padrao.empty()) m_padroes.emplace_back(padrao);
        if (fim == std::string_view::npos) break;
        lista.remove_prefix(fim + 1);
    }
}

bool CQDPadroesArquivo::Combina(std::string_view nome) const {
    for (const std::string& padrao : m_padroes) {
        if (QDCombinaPadraoArquivo(padrao, nome)) return true;
    }
    return false;
}
