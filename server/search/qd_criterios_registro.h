// The criteria of a document filter that the document record alone decides, in the order the
// search applies them: location-number range, inclusion-time range, change-time range, issue-date
// range, validity-date range, users, file-name patterns. Each is set only when the filter sets
// it: a range when its start is not 0 (then start <= value <= end, ends included), the users
// when either user code is not 0, the patterns when the pattern text holds one
// (qd_padroes_arquivo.h). Each criterion met is worth 1 point. Issue dates are compared as the
// days they mean (util/time/short_date.h), so a day after 4 June 2027 lies after every earlier
// one; validity dates are day counts from 1950 and moments unsigned, both compared as stored.
//
// Users: a document passes when its including user is the filter's including user, or its last
// changing user is the filter's changing user; a user code left 0 in the filter asks nothing, so
// a filter by the changing user alone never takes every document whose including user is 0.
// The filter's file-name text is read up to its field's end even without a NUL.
// Built once per search from the caller's filter (nothing of it is kept); one thread at a time.
#pragma once

#include "server/document/qd_doc_arq.h"
#include "server/idl/records.h"
#include "server/search/qd_padroes_arquivo.h"

#include <cstdint>

class CQDCriteriosRegistro {
public:
    explicit CQDCriteriosRegistro(const QD_DOC_FILTRO_PS& filtro);

    // Whether `doc` passes: in the strict mode every set criterion must be met, in the scored
    // mode (`qualquer`) it always passes. Adds a point for each criterion met to `pontos`.
    [[nodiscard]] bool Avalia(const QD_DOC_ARQ& doc, bool qualquer, int& pontos) const;

private:
    template <class T>
    struct Faixa {
        bool bDefinida = false;
        T inicio{};
        T fim{};
        [[nodiscard]] bool Contem(T valor) const { return inicio <= valor && valor <= fim; }
    };
    template <class T>
    static Faixa<T> FaixaDe(T inicio, T fim) {
        return {inicio != 0, inicio, fim};
    }

    Faixa<std::uint32_t> m_nrLocalizacao;
    Faixa<std::uint32_t> m_inclusao;
    Faixa<std::uint32_t> m_modificacao;
    Faixa<std::uint32_t> m_emissao;  // day numbers
    Faixa<std::uint16_t> m_validade;
    std::uint16_t m_iUsuarioIncluiu = 0;
    std::uint16_t m_iUsuarioAlterou = 0;
    CQDPadroesArquivo m_padroes;
};
