// CQDPalavrasBusca (palavras da busca: the search's words): the words of a quick search as the
// word filter keeps them (CQDTokenMngr: distinct, lower-cased, quoted phrases whole), counted in
// texts exactly as the filter counts them: every occurrence that does not overlap an earlier one,
// leftmost first, is one hit of its word. The texts must be lower-cased already
// (qd_tabelas_texto.h), as the filter lower-cases them.
//
// Counting looks at a block of places at a time (64, 32 or 16, the widest the processor runs) for
// those where a word's first, second and last letters all sit, and compares only there, so a
// text costs about one pass per word however common its letters are. A text may hold several of a document's texts separated by NULs: no word holds a
// NUL, so none is found across two of them, and the counts are those of the texts one by one.
// Pure after construction; safe from any thread.
#pragma once

#include "outside/pendora/qd_token_mngr.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CQDPalavrasBusca {
public:
    explicit CQDPalavrasBusca(const CQDTokenMngr& filtro) : m_palavras(filtro.GetTokens()) {}

    [[nodiscard]] std::size_t Quantidade() const { return m_palavras.size(); }

    // Adds the hits of every word in `texto` to `acertos` (one count per word, in the filter's
    // order; at least Quantidade() of them).
    void Conta(std::string_view texto, std::span<std::int64_t> acertos) const;
    // The same for the last text of a document, when only a document holding every word counts:
    // the words without hits so far are counted first, and at the first of them that `texto` does
    // not hold either, false, with the other counts left incomplete. True when every word has hits.
    [[nodiscard]] bool ContaSeTodas(std::string_view texto, std::span<std::int64_t> acertos) const;

private:
    // Beyond this many words ContaSeTodas counts them all.
    static constexpr std::size_t kMaxAntecipadas = 64;

    std::vector<std::string> m_palavras;
};

// The hits of `palavra` (not empty) in `texto`, as above.
[[nodiscard]] std::int64_t QDContaPalavra(std::string_view texto, std::string_view palavra);
// The same, looking at blocks of `bytesBloco` places (64, 32 or 16) when the processor runs them,
// else one place at a time.
[[nodiscard]] std::int64_t QDContaPalavraEmBlocos(std::string_view texto, std::string_view palavra,
                                                  std::size_t bytesBloco);
