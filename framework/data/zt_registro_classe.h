// CZTRegistroClasse<K,T>: the record list of a registration program and its record cache.
//
// The list holds one key (a server position) per item; the records themselves are read on
// demand, a page at a time, through the subclass's LeRegistros, into a fixed number of cache
// slots that are refilled first in, first out. At most cache-size records are held and one read
// asks for at most a page. The key array grows in steps of 20 or 21 entries, never by doubling.
// One thread at a time (the user-interface thread).
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

template <class K, class T>
class CZTRegistroClasse {
public:
    CZTRegistroClasse() = default;
    virtual ~CZTRegistroClasse() { Libera(); }
    CZTRegistroClasse(const CZTRegistroClasse&) = delete;
    CZTRegistroClasse& operator=(const CZTRegistroClasse&) = delete;

    // Keeps `tamanhoCache` slots and reads `tamanhoPagina` records per call (at least 1, at most
    // the cache size, so that a page never evicts the item it was read for); the list and the
    // cache are freed, so SetChaves comes next.
    void SetTamanhoCache(int tamanhoCache, int tamanhoPagina) {
        Libera();
        m_nTamanhoCache = std::max(tamanhoCache, 0);
        m_nTamanhoPagina = std::clamp(tamanhoPagina, 1, std::max(m_nTamanhoCache, 1));
        m_mapaSlots.assign(static_cast<std::size_t>(m_nTamanhoCache), kSlotVazio);
    }

    // The list becomes the first `quantidade` keys of `chaves` (none when null); the cache is
    // emptied.
    void SetChaves(int quantidade, const K* chaves) {
        if (!chaves || quantidade < 0) quantidade = 0;
        if (m_nCapacidade == 0 || m_nCapacidade < quantidade) Aloca(quantidade + kPassoInicial);
        std::copy_n(chaves, quantidade, m_chaves.begin());
        m_nQtdChaves = quantidade;
        LimpaCache();
    }

    [[nodiscard]] int GetQtdChaves() const { return m_nQtdChaves; }
    // The allocated length of the key array.
    [[nodiscard]] int GetCapacidadeChaves() const { return m_nCapacidade; }

    // The cached value of list item `indice`, its page read first when it is not cached; null
    // for an index outside the list (no read then).
    [[nodiscard]] T* GetRegistro(int indice) {
        if (indice < 0 || indice >= m_nQtdChaves) return nullptr;
        int slot = BuscaPosicaoCache(indice);
        if (slot < 0) {
            CarregaPagina(indice);
            slot = BuscaPosicaoCache(indice);
        }
        return slot < 0 ? nullptr : &m_cache[static_cast<std::size_t>(slot)];
    }

    // Appends `chave` (a new record just saved); `valor`, when given, is cached for it.
    void AdicionaChave(const K& chave, const T* valor) {
        // Before any SetChaves there is no cache to store into: allocate as SetChaves would.
        if (m_nCapacidade == 0) Aloca(kPassoInicial);
        if (m_nQtdChaves >= m_nCapacidade) Cresce(m_nQtdChaves + kPassoCrescimento);
        m_chaves[static_cast<std::size_t>(m_nQtdChaves)] = chave;
        if (valor) GuardaNoCursor(m_nQtdChaves, *valor);
        ++m_nQtdChaves;
    }

    // Overwrites the cached value of the first item holding `chave`, when that item is cached.
    bool AtualizaRegistro(const K& chave, const T& valor) {
        const int slot = BuscaPosicaoCache(BuscaIndiceChave(chave));
        if (slot >= 0) m_cache[static_cast<std::size_t>(slot)] = valor;
        return true;
    }

    // Every slot empty; the next read fills slot 0.
    void LimpaCache() {
        std::fill(m_mapaSlots.begin(), m_mapaSlots.end(), kSlotVazio);
        m_nCursor = 0;
    }

    // The slot holding list item `indice`, or -1.
    [[nodiscard]] int BuscaPosicaoCache(int indice) const {
        if (indice < 0) return -1;
        const auto slot = std::find(m_mapaSlots.begin(), m_mapaSlots.end(), indice);
        return slot == m_mapaSlots.end() ? -1 : static_cast<int>(slot - m_mapaSlots.begin());
    }

    // The first list index holding `chave`, or -1.
    [[nodiscard]] int BuscaIndiceChave(const K& chave) const {
        const auto fim = m_chaves.begin() + m_nQtdChaves;
        const auto achada = std::find(m_chaves.begin(), fim, chave);
        return achada == fim ? -1 : static_cast<int>(achada - m_chaves.begin());
    }

    // Frees the keys, the cached values and the slot map; no items, capacity 0.
    void Libera() {
        m_chaves.clear();
        m_cache.clear();
        m_mapaSlots.clear();
        m_nQtdChaves = 0;
        m_nCapacidade = 0;
        m_nCursor = 0;
    }

protected:
    // Reads the records of the `quantidade` keys into `valores` (default values on entry). The
    // cache keeps whatever the read leaves, default values included, and never asks again for
    // them: the result is not looked at.
    virtual bool LeRegistros(int quantidade, const K* chaves, T* valores) = 0;

private:
    static constexpr std::int32_t kSlotVazio = -1;
    static constexpr int kPassoInicial = 20;
    static constexpr int kPassoCrescimento = 21;

    // A key array of `capacidade` entries and a fresh cache of default values.
    void Aloca(int capacidade) {
        m_chaves.assign(static_cast<std::size_t>(capacidade), K{});
        m_cache.assign(static_cast<std::size_t>(m_nTamanhoCache), T());
        m_mapaSlots.assign(static_cast<std::size_t>(m_nTamanhoCache), kSlotVazio);
        m_nCapacidade = capacidade;
    }

    void Cresce(int capacidade) {
        m_chaves.resize(static_cast<std::size_t>(capacidade));
        m_nCapacidade = capacidade;
    }

    // Reads, in one call, up to a page of the uncached items from `indice` on (cached items are
    // skipped and do not count) and caches them in list order.
    void CarregaPagina(int indice) {
        if (m_nTamanhoCache == 0) return;
        std::vector<int> indices;
        std::vector<K> chaves;
        for (int item = indice; item < m_nQtdChaves && static_cast<int>(indices.size()) < m_nTamanhoPagina; ++item) {
            if (BuscaPosicaoCache(item) >= 0) continue;
            indices.push_back(item);
            chaves.push_back(m_chaves[static_cast<std::size_t>(item)]);
        }
        std::vector<T> valores(indices.size());
        static_cast<void>(LeRegistros(static_cast<int>(indices.size()), chaves.data(), valores.data()));
        for (std::size_t i = 0; i < indices.size(); ++i) GuardaNoCursor(indices[i], valores[i]);
    }

    // Overwrites the slot at the cursor, whatever it held, with item `indice`.
    void GuardaNoCursor(int indice, const T& valor) {
        if (m_nTamanhoCache == 0) return;
        const auto slot = static_cast<std::size_t>(m_nCursor);
        m_cache[slot] = valor;
        m_mapaSlots[slot] = indice;
        m_nCursor = (m_nCursor + 1) % m_nTamanhoCache;
    }

    int m_nTamanhoPagina = 0;
    int m_nQtdChaves = 0;
    int m_nCapacidade = 0;
    std::vector<K> m_chaves;
    std::vector<T> m_cache;
    int m_nTamanhoCache = 0;
    // The list index each slot holds; -1 for an empty slot.
    std::vector<std::int32_t> m_mapaSlots;
    // The next slot to fill.
    int m_nCursor = 0;
};
