// CQDRelatorioLog: the operations-log report. One line per listed entry (qd_relatorio_log_filtro.h)
// in file order, each followed by a rule, and a closing note when a text had to take the
// database's current state. One report object per request; one thread.
#pragma once

#include "outside/conexo/conexao_plano.h"
#include "server/log/qd_log_entrada.h"
#include "server/reports/qd_monta_relatorio.h"
#include "server/reports/qd_nomes_usuarios.h"

#include <vector>

class CQDRelatorioLog : public CQDRelatorio {
public:
    using CQDRelatorio::CQDRelatorio;

    [[nodiscard]] platform::HRESULT Inicializa(const QD_RELATORIO_PS& rel) override;
    // S_OK; the failure of reading the log, of a read an entry's text needs, or of the generator.
    [[nodiscard]] platform::HRESULT Gera() override;

private:
    [[nodiscard]] platform::HRESULT Coluna(const QD_LOG_PS& log, const CZTString& texto, int iCodigo);
    [[nodiscard]] platform::HRESULT Nota();

    QD_RELATORIO_PS m_rel{};  // the filter part of the request (its texts are not kept)
    CQDNomesUsuarios m_usuarios;
    CConexaoPlano m_plano;
};
