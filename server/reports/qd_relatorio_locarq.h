// CQDRelatorioLocArq: the archive-locations report. One line per location, sorted by code without
// regard to case: code and description. One report object per request; one thread.
#pragma once

#include "server/reports/qd_monta_relatorio.h"

class CQDLocArq;

class CQDRelatorioLocArq : public CQDRelatorio {
public:
    using CQDRelatorio::CQDRelatorio;

    // S_OK; the failure of the search, of a read or of the generator.
    [[nodiscard]] platform::HRESULT Gera() override;

private:
    [[nodiscard]] platform::HRESULT Coluna(const CQDLocArq& local, int iCodigo);
};
