// CQDTokenMngr (gerenciador de tokens: token manager): the word filter of the document searches.
// Built once from a search text, it tells for each text that a search looks at whether it holds
// the search's words and how often, and whether all words have been seen since the last reset.
//
// Syntax of the search text (Windows-1252): words separated by blanks (space, tab, CR, LF); a
// part between double quotes is one word, blanks and all ("nota fiscal"); a quote left open runs
// to the end; an empty part ("") is no word; a word given twice counts once.
// Matching: a word matches wherever it occurs inside a text, letters compared without regard to
// case (accented Windows-1252 letters included: "AÇÃO" matches "ação"; accents are not folded:
// "acao" does not). Every non-overlapping occurrence of a word is one hit.
// Speed: the words are lower-cased once at construction; each text is lower-cased into a buffer
// that the object keeps and reuses, so a call allocates only when a text is longer than every
// text before it. One thread at a time; copyable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CQDTokenMngr {
public:
    // The filter of the words of `texto`; null or a text without words gives a filter of no words.
    explicit CQDTokenMngr(const char* texto);
    explicit CQDTokenMngr(std::string_view texto);

    // True when `texto` holds at least one word (always, with 0 hits, for a filter of no words);
    // adds its hits to `acertos` (held at the int maximum rather than wrapping) and marks the
    // words found for Consist. A null text holds no word.
    bool FazFiltroTexto(const char* texto, int& acertos);
    // The same for a text of known length, which need not end in a NUL.
    bool FazFiltroTexto(std::string_view texto, int& acertos);
    // True when every word was found in some text since construction or the last ClearStatus
    // (always, for a filter of no words).
    [[nodiscard]] bool Consist() const { return m_nQtdFaltam == 0; }
    // Forgets which words were found.
    void ClearStatus();

    // The number of distinct words of the search text.
    [[nodiscard]] int GetQtdTokens() const { return static_cast<int>(m_tokens.size()); }
    // The distinct words, lower-cased, in the order of the search text.
    [[nodiscard]] const std::vector<std::string>& GetTokens() const { return m_tokens; }

private:
    void Acrescenta(std::string_view token);

    std::vector<std::string> m_tokens;  // lower-cased, distinct, none empty
    std::vector<bool> m_achados;        // per token: found since the last reset
    int m_nQtdFaltam = 0;               // tokens not found yet
    std::string m_minusculo;            // the current text lower-cased, reused between calls
};
