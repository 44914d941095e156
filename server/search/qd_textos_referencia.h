// The texts the quick search looks through for a document's type and location, read once per
// search for every type the session sees and every location, not once per document.
//
// A type's texts are those of CQDTipDoc::ToStringQS (code, name, search-field names, accent-
// folded); a location's are its code and its accent-folded description. Both are read through
// the server object's own methods in-process (BuscaPtrsTipDoc and BuscaPtrsLocArq with zeroed
// filters, then LeTipDocEx and LeLocArqEx in bounded batches), so the type list follows the
// session's visibility as every type search does; deleted types are not listed. Built once per
// search; one thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <unordered_map>

class CConexaoGedSrv;

class CQDTextosReferencia {
public:
    using Mapa = std::unordered_map<std::uint32_t, CZTStringArray>;  // position -> texts

    // Reads the types and locations through `conexao`. S_OK or the first failing call's result
    // (then no text is kept).
    [[nodiscard]] platform::HRESULT Le(CConexaoGedSrv& conexao);

    // The texts of the type / location at `lPosicao`; null when there is none (position 0, a type
    // the session does not see, a deleted type).
    [[nodiscard]] const CZTStringArray* Tipo(std::uint32_t lPosicao) const { return Acha(m_tipos, lPosicao); }
    [[nodiscard]] const CZTStringArray* Local(std::uint32_t lPosicao) const { return Acha(m_locais, lPosicao); }
    // Every type / location read, with its texts.
    [[nodiscard]] const Mapa& Tipos() const { return m_tipos; }
    [[nodiscard]] const Mapa& Locais() const { return m_locais; }

private:
    [[nodiscard]] static const CZTStringArray* Acha(const Mapa& mapa, std::uint32_t lPosicao);

    [[nodiscard]] platform::HRESULT LeTipos(CConexaoGedSrv& conexao);
    [[nodiscard]] platform::HRESULT LeLocais(CConexaoGedSrv& conexao);

    Mapa m_tipos;
    Mapa m_locais;
};
