// The report method of the server object (server/reports).
#include "server/object/zt_qd_srv.h"

#include "server/reports/qd_monta_relatorio.h"

platform::HRESULT CZTQD_Srv::GeraRelatorio(QD_RELATORIO_PS qdRelatorio) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGeraRelatorio(*this, qdRelatorio);
}
