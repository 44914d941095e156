// Reproducible random choices and Portuguese-like texts for the benchmark companies: document
// descriptions of a given size, short field texts and names, all in Windows-1252.
//
// Sorteio (draw) is a small generator of our own (splitmix64), so that one seed gives the same
// company on every machine and library, which the standard distributions do not promise.
// TextoPortugues draws words from a fixed vocabulary whose first words (articles, prepositions,
// the words of every office) come up far more often than the rest, as in real documents. Both
// are plain values: one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::bench {

class Sorteio {
public:
    explicit Sorteio(std::uint64_t semente) : m_estado(semente) {}

    // The next 64 random bits.
    [[nodiscard]] std::uint64_t Proximo();
    // A number in [0, limite); 0 when limite is 0.
    [[nodiscard]] std::uint64_t Ate(std::uint64_t limite);
    // A number in [minimo, maximo] (maximo >= minimo).
    [[nodiscard]] std::int64_t Entre(std::int64_t minimo, std::int64_t maximo);
    // True with a chance of `porCento` in a hundred.
    [[nodiscard]] bool Chance(unsigned porCento) { return Ate(100) < porCento; }

private:
    std::uint64_t m_estado;
};

class TextoPortugues {
public:
    TextoPortugues();

    // One word, the frequent ones more often (Windows-1252, lower case).
    [[nodiscard]] std::string_view Palavra(Sorteio& sorteio) const;
    // A text of sentences whose length lies within an eighth of `tamanho` bytes (never empty for
    // tamanho > 0): capitalised sentences of 6 to 18 words ending in '.'.
    [[nodiscard]] std::string Descricao(Sorteio& sorteio, std::size_t tamanho) const;
    // `qtd` words separated by blanks, cut to at most `maximo` bytes at a word's end.
    [[nodiscard]] std::string Frase(Sorteio& sorteio, int qtd, std::size_t maximo) const;

    // The whole vocabulary, most frequent first.
    [[nodiscard]] const std::vector<std::string>& Vocabulario() const { return m_palavras; }

private:
    std::vector<std::string> m_palavras;  // Windows-1252
};

}  // namespace kelvo::bench
