// CQDAcertosPorPosicao (acertos por posição: hits by position): the hits of each word of a quick
// search in the texts of every type or location, by its position, or of the link origins of every
// document, by the document's, worked out once per search so that each document adds them with one
// look-up. Only positions with a hit are kept, in a table as long as the last of them. Built once
// per search; one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CQDAcertosPorPosicao {
public:
    explicit CQDAcertosPorPosicao(std::size_t palavras) : m_nPalavras(palavras) {}

    // Adds `acertos` (one count per word) to those of `lPosicao`.
    void Acrescenta(std::uint32_t lPosicao, std::span<const std::int64_t> acertos);

    // Adds the counts of `lPosicao` to `acertos`.
    void Soma(std::uint32_t lPosicao, std::span<std::int64_t> acertos) const {
        if (lPosicao >= m_indice.size() || m_indice[lPosicao] == 0) return;
        const std::int64_t* proprios = &m_acertos[(m_indice[lPosicao] - 1) * m_nPalavras];
        for (std::size_t i = 0; i < m_nPalavras; ++i) acertos[i] += proprios[i];
    }

private:
    std::size_t m_nPalavras;
    std::vector<std::uint32_t> m_indice;  // position -> 1 + its row, 0 for none
    std::vector<std::int64_t> m_acertos;  // rows of m_nPalavras counts
};
