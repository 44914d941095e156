#include "server/reports/qd_relatorio_locarq.h"

#include "outside/pendora/qd_array_ponteiros.h"
#include "outside/pendora/qd_loc_arq.h"
#include "server/locations/qd_le_locarq.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/object/zt_qd_srv.h"

#include <algorithm>
#include <strings.h>
#include <vector>

using platform::HRESULT;

HRESULT CQDRelatorioLocArq::Coluna(const CQDLocArq& local, int iCodigo) {
    switch (iCodigo) {
        case 101:
            return m_monta.Texto(QDTextoCampo(local->szCodigo), 40, "C\xF3" "digo");
        case 102:
            return m_monta.Texto(QDTextoCampo(local->szDescricao), 66, "Descri\xE7\xE3o");
        default:
            // A column this report does not know stays empty rather than failing the report.
            return m_monta.Texto("", 1, nullptr);
    }
}

HRESULT CQDRelatorioLocArq::Gera() {
    CLocalConexaoGedSrv conexao(&m_srv);
    CQDArrayPonteiros achados;
    if (const HRESULT hr = conexao.BuscaPtrsLocArq(QD_LOCARQ_FILTRO_PS{}, achados); platform::FAILED(hr)) return hr;
    const std::uint32_t qtd = achados->pPtrs != nullptr ? achados->qtd : 0;
    std::vector<CQDLocArq> locais(qtd);
    const HRESULT hrLe = conexao.LeLocArqEx(qtd, achados->pPtrs, locais.data(), QD_LE_LOCARQ_SEM_TIPOS);
    if (platform::FAILED(hrLe)) return hrLe;
    std::stable_sort(locais.begin(), locais.end(), [](const CQDLocArq& a, const CQDLocArq& b) {
        return ::strcasecmp(QDTextoCampo(a->szCodigo), QDTextoCampo(b->szCodigo)) < 0;
    });
    for (const CQDLocArq& local : locais) {
        if (const HRESULT hr = Linha([&](int iCodigo) { return Coluna(local, iCodigo); }); platform::FAILED(hr)) return hr;
    }
    return Termina();
}
