#include "server/links/qd_adiciona_vinculo.h"

#include "outside/pendora/qd_processo_ztdmc.h"
#include "server/links/qd_busca_vinculos.h"
#include "server/links/qd_origens_relacionadas.h"
#include "server/links/qd_percorre_vinculos.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/key/zt_dmc.h"

#include <vector>

namespace {

using platform::HRESULT;

// Adds each of `origens` to document `lPosDoc`; an existing link is passed over.
HRESULT AdicionaRelacionadas(CZTArqEx& vinculos, std::uint32_t lPosDoc,
                             const std::vector<QD_ORIGEM_VINCULO_DOC_PS>& origens) {
    for (const QD_ORIGEM_VINCULO_DOC_PS& origem : origens) {
        const HRESULT hr = QDAdicionaUmVinculo(vinculos, lPosDoc, origem);
        if (hr != platform::S_OK && hr != QD_S_VINCULO_EXISTENTE) return hr;
    }
    return platform::S_OK;
}

// The origin that the origin key `dmc` names: its module's process and the month/key value of
// its record key with the low 16 bits of its date. E_INVALIDARG for a module without a process.
HRESULT OrigemDaChave(const REG_ZTDMC& dmc, QD_ORIGEM_VINCULO_DOC_PS& origem) {
    const QD_E_PROCESSO eProc = QDGetProcessoFromZTDMC(dmc);
    if (eProc == QD_PROCESSO_COUNT) return platform::E_INVALIDARG;
    origem.eProc = eProc;
    origem.lChave = ZTMontaChaveMesAno(static_cast<std::uint16_t>(ZTDMCGetData(dmc.lZTDMC) & 0xFFFF),
                                       ZTDMCGetChave(dmc.lZTDMC));
    return platform::S_OK;
}

}  // namespace

HRESULT QDAdicionaUmVinculo(CZTArqEx& vinculos, std::uint32_t lPosDoc, const QD_ORIGEM_VINCULO_DOC_PS& origem) {
    const QD_VINCULO_DOC_ARQ novo{lPosDoc, static_cast<std::uint32_t>(origem.eProc), origem.lChave, QD_VINCULO_VIVO};
    bool existe = false;
    const int codigo = QDPercorreVinculos(vinculos, [&](const QD_VINCULO_DOC_ARQ& registro, std::int32_t) {
        existe = registro.lPosDoc == novo.lPosDoc && registro.eProc == novo.eProc && registro.lChave == novo.lChave;
        return existe ? 1 : 0;  // 1 ends the pass at the first copy
    });
    if (existe) return QD_S_VINCULO_EXISTENTE;
    if (codigo) return QDHResultArq(codigo);
    std::int32_t posicao = 0;
    return QDHResultArq(vinculos.WriteRecord(&novo, posicao));
}

HRESULT QDAdicionaVinculoDoc(const QDSessaoVinculos& sessao, const QD_VINCULO_DOC_PS& vinculo, const REG_ZTDMC& dmc) {
    if (vinculo.lPosDoc == 0) return platform::E_INVALIDARG;  // would read as "every document" to a removal
    CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(sessao.docs.bind);
    if (const int codigo = vinculos.Open('G', true, true)) return QDHResultArq(codigo);
    if (const HRESULT hr = QDAdicionaUmVinculo(vinculos, vinculo.lPosDoc, vinculo.origem); hr != platform::S_OK) return hr;

    std::vector<QD_ORIGEM_VINCULO_DOC_PS> relacionadas;
    if (const HRESULT hr = QDColetaOrigensRelacionadas(sessao, vinculo.origem, relacionadas); platform::FAILED(hr)) {
        return hr;
    }
    if (const HRESULT hr = AdicionaRelacionadas(vinculos, vinculo.lPosDoc, relacionadas); platform::FAILED(hr)) return hr;
    if (!ZTDMCIsValido(dmc.lZTDMC)) return QDHResultArq(vinculos.CloseEx());

    QD_ORIGEM_VINCULO_DOC_PS daChave{};
    if (const HRESULT hr = OrigemDaChave(dmc, daChave); platform::FAILED(hr)) return hr;
    const HRESULT hr = QDAdicionaUmVinculo(vinculos, vinculo.lPosDoc, daChave);
    if (platform::FAILED(hr)) return hr;
    return QDHResultArq(vinculos.CloseEx());
}

HRESULT QDAtualizaVinculoDoc(const QDSessaoVinculos& sessao, const QD_ORIGEM_VINCULO_DOC_PS& origem) {
    CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(sessao.docs.bind);
    if (const int codigo = vinculos.Open('G', true, true)) return QDHResultArq(codigo);
    std::vector<std::uint32_t> docs;
    if (const HRESULT hr = QDDocsDasOrigens(vinculos, sessao.docs.bind, sessao.acesso, {&origem, 1}, docs);
        platform::FAILED(hr)) {
        return hr;
    }
    std::vector<QD_ORIGEM_VINCULO_DOC_PS> relacionadas;
    if (const HRESULT hr = QDColetaOrigensRelacionadas(sessao, origem, relacionadas); platform::FAILED(hr)) return hr;
    for (const std::uint32_t doc : docs) {
        if (const HRESULT hr = AdicionaRelacionadas(vinculos, doc, relacionadas); platform::FAILED(hr)) return hr;
    }
    return QDHResultArq(vinculos.CloseEx());
}
