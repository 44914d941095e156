// File-name patterns of the document search: the text a client types to find documents by the
// name of the file their content came from ("*.pdf", "nota??.*; contrato*").
//
// The text is a list of patterns separated by ';'; blanks around each pattern are dropped and
// empty ones skipped, so a text with no pattern at all sets no criterion. A name passes when any
// pattern matches the whole name: '*' stands for any run of characters (none included), '?' for
// exactly one, and letters match without regard to case, accented Windows-1252 letters included
// ("AÇÃO*" matches "ação.pdf"; accents are not folded). The customary "*.*" also matches a name
// without a dot, as it does in a file dialog. Names and patterns are bounded by the record
// fields they come from (174 bytes at most), so a match costs at most their product in steps and
// never recurses. Built once per search and then only read; one thread at a time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Whether the single pattern `padrao` matches the whole of `nome` (rules above).
[[nodiscard]] bool QDCombinaPadraoArquivo(std::string_view padrao, std::string_view nome);

class CQDPadroesArquivo {
public:
    // The patterns of `lista`.
    explicit CQDPadroesArquivo(std::string_view lista);

    // True when the list holds no pattern: no criterion.
    [[nodiscard]] bool Vazio() const { return m_padroes.empty(); }
    // True when some pattern matches `nome`; false for a list of none.
    [[nodiscard]] bool Combina(std::string_view nome) const;
    // The patterns as kept (blanks dropped, in list order).
    [[nodiscard]] const std::vector<std::string>& Padroes() const { return m_padroes; }

private:
    std::vector<std::string> m_padroes;
};
