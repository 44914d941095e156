// CQDRelatorioTipDoc: the document-types report. One line per type the session may see (or the
// request's root type and the types below it), sorted by code, with subordinate lines for the
// further processes and search fields of a type. One report object per request; one thread.
#pragma once

#include "server/reports/qd_monta_relatorio.h"
#include "server/reports/qd_nomes_usuarios.h"

class CQDTipDoc;

class CQDRelatorioTipDoc : public CQDRelatorio {
public:
    using CQDRelatorio::CQDRelatorio;

    [[nodiscard]] platform::HRESULT Inicializa(const QD_RELATORIO_PS& rel) override;
    // S_OK; the failure of the search, of a read or of the generator.
    [[nodiscard]] platform::HRESULT Gera() override;

private:
    [[nodiscard]] platform::HRESULT Coluna(const CQDTipDoc& tipo, int iCodigo);
    [[nodiscard]] platform::HRESULT Subordinadas(const CQDTipDoc& tipo);
    [[nodiscard]] bool Escolhida(int iCodigo) const;

    std::uint32_t m_lRaiz = 0;  // the root type of the request; 0: all
    CQDNomesUsuarios m_usuarios;
};
