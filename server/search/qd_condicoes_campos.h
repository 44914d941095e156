// The field conditions of a document filter (QD_DOC_FILTRO_PS::pCampos) and how a document's
// field values meet them.
//
// Conditions are read in order: a condition followed by one with the same field id forms with it
// an inclusive range (lower, upper) worth 2; any other condition asks for equality (lower =
// upper) and is worth 1. Each field value of a document, in its stored order, is held against
// the first condition with its id (later ones with that id are never reached), compared by
// qd_compara_campo.h. A match, or any value in the scored mode, adds the condition's worth to the
// matched count; a mismatch in the strict mode rejects the document, and so does, at the end, a
// matched count that differs from the number of conditions.
// The word filters of text conditions are built once here, not once per document. Built once per
// search; one thread at a time.
#pragma once

#include "outside/pendora/qd_token_mngr.h"
#include "server/document/qd_doc_arq.h"
#include "server/idl/records.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

class CQDCondicoesCampos {
public:
    // The conditions of `condicoes` (the caller's array, read here and not kept).
    explicit CQDCondicoesCampos(std::span<const QD_DOC_CAMPO_PS> condicoes);

    [[nodiscard]] bool Vazio() const { return m_condicoes.empty(); }

    // Whether the document with the field values `campos` passes: always in the scored mode
    // (`qualquer`), else as above. Adds the points of every match to `pontos`.
    [[nodiscard]] bool Avalia(std::span<const QD_DOC_CAMPO_ARQ> campos, bool qualquer, int& pontos);

private:
    struct Condicao {
        QD_DOC_CAMPO_PS inferior;
        QD_DOC_CAMPO_PS superior;
        std::uint32_t valor = 1;                // 1 equality, 2 range
        std::unique_ptr<CQDTokenMngr> texto;    // the lower value's words, for a text field
    };

    // The condition a value of field `id` is held against; null when none has that id.
    [[nodiscard]] Condicao* Primeira(std::int32_t id);

    std::size_t m_nQtdCondicoes = 0;                          // entries of the filter
    std::vector<Condicao> m_condicoes;                        // the first of each id, with its pair
    std::unordered_map<std::int32_t, std::size_t> m_porId;    // id -> index in m_condicoes
};
