#include "server/search/qd_cache_textos_busca.h"

#include <algorithm>
#include <list>
#include <memory>
#include <utility>

namespace {

using PastaCache = std::pair<std::string, std::unique_ptr<CQDCacheTextosBusca>>;

// The caches of the process, most recently used first.
std::list<PastaCache>& Caches() {
    static std::list<PastaCache> caches;
    return caches;
}

}  // namespace

CQDCacheTextosBusca& CQDCacheTextosBusca::DaPasta(const std::string& pasta) {
    std::list<PastaCache>& caches = Caches();
    const auto achado =
        std::find_if(caches.begin(), caches.end(), [&](const PastaCache& cache) { return cache.first == pasta; });
    if (achado != caches.end()) {
        caches.splice(caches.begin(), caches, achado);
        return *caches.front().second;
    }
    if (caches.size() >= kMaxPastas) caches.pop_back();
    caches.emplace_front(pasta, std::make_unique<CQDCacheTextosBusca>());
    return *caches.front().second;
}

CQDCacheTextosBusca::Origem CQDCacheTextosBusca::OrigemDe(const QD_DOC_ARQ& doc) {
    return {doc.nTamDescricao, doc.lPosDescricao, doc.nQtdCampos, doc.lPrimeiroCampo};
}

void CQDCacheTextosBusca::Confere(const platform::FileStampReading& descricoes,
                                  const platform::FileStampReading& campos) {
    const bool valem = m_bAssentados && descricoes.stamp == m_descricoes && campos.stamp == m_campos;
    if (!valem) Esquece();
    m_descricoes = descricoes.stamp;
    m_campos = campos.stamp;
    m_bAssentados = descricoes.settled && campos.settled;
}

void CQDCacheTextosBusca::Esquece() {
    m_entradas.clear();
    m_entradas.shrink_to_fit();
    m_textos.Clear();
    m_nMortos = 0;
    m_bAssentados = false;
}

std::optional<std::string_view> CQDCacheTextosBusca::Texto(std::uint32_t lPosicao, const QD_DOC_ARQ& doc) {
    if (lPosicao >= m_entradas.size()) return std::nullopt;
    const Entrada& entrada = m_entradas[lPosicao];
    if (entrada.nTamanho == kSemTexto || !(entrada.origem == OrigemDe(doc))) return std::nullopt;
    const std::string_view texto = m_textos.View(entrada.nOffset, entrada.nTamanho);
    if (texto.size() != entrada.nTamanho) return std::nullopt;
    return texto;
}

void CQDCacheTextosBusca::Guarda(std::uint32_t lPosicao, const QD_DOC_ARQ& doc, std::string_view texto) {
    if (texto.size() >= kSemTexto) return;
    if (lPosicao >= m_entradas.size()) m_entradas.resize(std::size_t{lPosicao} + 1);
    Entrada& entrada = m_entradas[lPosicao];
    if (entrada.nTamanho != kSemTexto) m_nMortos += entrada.nTamanho;
    entrada.nTamanho = kSemTexto;
    const std::uint64_t vivos = m_textos.Size() - m_nMortos;
    if (m_nMortos > kMinimoMortos && m_nMortos > vivos) {
        const bool assentados = m_bAssentados;
        Esquece();
        m_bAssentados = assentados;
        m_entradas.resize(std::size_t{lPosicao} + 1);
    }
    std::uint64_t offset = 0;
    if (!m_textos.Append(texto, offset)) return;
    m_entradas[lPosicao] = {offset, static_cast<std::uint32_t>(texto.size()), OrigemDe(doc)};
}
