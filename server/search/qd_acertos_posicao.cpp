#include "server/search/qd_acertos_posicao.h"

#include <algorithm>

void CQDAcertosPorPosicao::Acrescenta(std::uint32_t lPosicao, std::span<const std::int64_t> acertos) {
    if (std::all_of(acertos.begin(), acertos.end(), [](std::int64_t n) { return n == 0; })) return;
    if (lPosicao >= m_indice.size()) m_indice.resize(std::size_t{lPosicao} + 1, 0);
    if (m_indice[lPosicao] == 0) {
        m_acertos.resize(m_acertos.size() + m_nPalavras, 0);
        m_indice[lPosicao] = static_cast<std::uint32_t>(m_acertos.size() / m_nPalavras);
    }
    std::int64_t* proprios = &m_acertos[(m_indice[lPosicao] - 1) * m_nPalavras];
    for (std::size_t i = 0; i < m_nPalavras; ++i) proprios[i] += acertos[i];
}
