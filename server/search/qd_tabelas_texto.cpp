#include "server/search/qd_tabelas_texto.h"

#include "platform/text/string.h"
#include "util/text/code_page.h"

#include <cstddef>

namespace {

template <class Converte>
QDTabelaBytes Tabela(Converte&& converte) {
    QDTabelaBytes tabela{};
    for (int b = 0; b < 256; ++b) tabela[static_cast<std::size_t>(b)] = converte(static_cast<char>(b));
    return tabela;
}

char SemAcento(char c) {
    char letra[2] = {c, '\0'};
    ZTRetiraAcentosBuffer(letra);
    return letra[0];
}

}  // namespace

const QDTabelaBytes& QDTabelaSemAcentos() {
    static const QDTabelaBytes tabela = Tabela(SemAcento);
    return tabela;
}

const QDTabelaBytes& QDTabelaMinusculas() {
    static const QDTabelaBytes tabela = Tabela([](char c) { return platform::AnsiToLower(c); });
    return tabela;
}

const QDTabelaBytes& QDTabelaMinusculasSemAcentos() {
    static const QDTabelaBytes tabela = Tabela([](char c) { return platform::AnsiToLower(SemAcento(c)); });
    return tabela;
}

void QDConverte(const QDTabelaBytes& tabela, std::string& texto, std::size_t inicio) {
    for (std::size_t i = inicio; i < texto.size(); ++i) texto[i] = tabela[static_cast<unsigned char>(texto[i])];
}
