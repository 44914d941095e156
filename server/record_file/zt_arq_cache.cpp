#include "server/record_file/zt_arq_cache.h"

#include <cstring>

namespace {

long g_nMarcadorCache = -1;
std::uint64_t g_nGravacoesProcesso = 0;

}  // namespace

void CZTArqCache::Aloca() {
    // Every open allocates one; nothing is read from it before a fill, so it is not zeroed.
    m_pBuffer = std::make_unique_for_overwrite<char[]>(m_nTamanho);
    m_nBytes = -1;
}

void CZTArqCache::Libera() {
    m_pBuffer.reset();
    m_nBytes = -1;
}

bool CZTArqCache::Copia(std::uint64_t offset, unsigned bytes, void* destino, std::uint64_t agora) const {
    if (g_nMarcadorCache == -1 || !m_pBuffer || m_nBytes < 0) return false;
    if (m_nGravacoes != g_nGravacoesProcesso) return false;
    if (agora < m_nTickPreenchimento || agora - m_nTickPreenchimento > kValidadeMs) return false;
    const std::uint64_t fim = m_nInicio + static_cast<std::uint64_t>(m_nBytes);
    if (offset < m_nInicio || offset > fim || bytes > fim - offset) return false;
    std::memcpy(destino, m_pBuffer.get() + (offset - m_nInicio), bytes);
    return true;
}

void CZTArqCache::Preenchido(std::uint64_t inicio, unsigned bytes, std::uint64_t agora) {
    m_nInicio = inicio;
    m_nBytes = static_cast<long>(bytes);
    m_nTickPreenchimento = agora;
    m_nGravacoes = g_nGravacoesProcesso;
    g_nMarcadorCache = m_nBytes;
}

void CZTArqCache::Esvazia() {
    m_nBytes = -1;
    g_nMarcadorCache = -1;
    ++g_nGravacoesProcesso;
}

long CZTArqCache::Marcador() { return g_nMarcadorCache; }
