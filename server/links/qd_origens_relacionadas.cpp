#include "server/links/qd_origens_relacionadas.h"

#include "outside/pendora/qd_processo_ztdmc.h"
#include "platform/com/task_allocator.h"
#include "server/links/qd_servidores_modulos.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/key/zt_quem_gerou.h"

#include <array>

namespace {

using platform::HRESULT;

struct Relacao {
    QD_E_PROCESSO eProc;
    std::array<QD_E_INTEGRACAO, 3> integracoes;
    std::size_t qtd;
};

// The ten pairs (process, integration).
constexpr std::array<Relacao, 6> kRelacoes = {{
    {QD_PROCESSO_FN_CRE_LANC, {QD_INTEGRACAO_CONTABIL}, 1},
    {QD_PROCESSO_FN_CPA_LANC, {QD_INTEGRACAO_CONTABIL}, 1},
    {QD_PROCESSO_FN_TES, {QD_INTEGRACAO_CONTABIL}, 1},
    {QD_PROCESSO_CM_RE, {QD_INTEGRACAO_FINANCEIRO, QD_INTEGRACAO_CONTABIL, QD_INTEGRACAO_COMPRAS}, 3},
    {QD_PROCESSO_CM_CT, {QD_INTEGRACAO_FINANCEIRO, QD_INTEGRACAO_CONTABIL}, 2},
    {QD_PROCESSO_FT_NF, {QD_INTEGRACAO_FINANCEIRO, QD_INTEGRACAO_CONTABIL}, 2},
}};

QD_ORIGEM_VINCULO_DOC_PS Origem(QD_E_PROCESSO eProc, std::uint32_t lChave) {
    QD_ORIGEM_VINCULO_DOC_PS origem{};
    origem.eProc = eProc;
    origem.lChave = lChave;
    return origem;
}

// Frees a task-allocator array of an answer however the step ends.
template <class T>
struct Resposta {
    T registro{};
    ~Resposta() { platform::CoTaskMemFree(Lista()); }
    void* Lista() const;
};
template <>
void* Resposta<ZT_ARRAY_TITULOS_PS>::Lista() const { return registro.pTitulos; }
template <>
void* Resposta<QD_ARRAY_PONTEIROS_PS>::Lista() const { return registro.pPtrs; }
template <>
void* Resposta<ZT_ARRAY_LANCAMENTOS_PS>::Lista() const { return registro.pLancamentos; }
template <>
void* Resposta<ZT_ARRAY_PEDIDOS_PS>::Lista() const { return registro.pPedidos; }

// What every integration's step knows.
struct Consulta {
    const QDSessaoVinculos& sessao;
    std::uint32_t eProc;   // the origin's process, grouped
    std::uint32_t lChave;  // the origin's key
    std::vector<QD_ORIGEM_VINCULO_DOC_PS>& relacionadas;

    template <class I>
    HRESULT Cria(CQDServidorModulo<I>& servidor) const {
        return servidor.Cria(sessao.strEmpresa, sessao.docs.iUsuario, sessao.lNumeroSessao);
    }
};

HRESULT Financeiro(const Consulta& c) {
    CQDServidorModulo<IZTFinIntegracao> fin;
    if (const HRESULT hr = c.Cria(fin); platform::FAILED(hr)) return hr;
    Resposta<ZT_ARRAY_TITULOS_PS> titulos;
    if (const HRESULT hr = fin->BuscaTitulosOrigem(c.eProc, c.lChave, &titulos.registro); platform::FAILED(hr)) return hr;
    for (std::uint32_t i = 0; i < titulos.registro.qtd; ++i) {
        const ZT_TITULO_PS& t = titulos.registro.pTitulos[i];
        const QD_E_PROCESSO eProc = t.cTipo == 'R' ? QD_PROCESSO_FN_CRE_LANC : QD_PROCESSO_FN_CPA_LANC;
        c.relacionadas.push_back(Origem(eProc, QDChaveDataNumero(t.iData, t.lNumero)));
    }
    return platform::S_OK;
}

HRESULT Contabil(const Consulta& c) {
    CQDServidorModulo<IZTCtbIntegracao> integracao;
    if (const HRESULT hr = c.Cria(integracao); platform::FAILED(hr)) return hr;
    CQDServidorModulo<IZTCtbLancamentos> lancamentos;
    if (const HRESULT hr = c.Cria(lancamentos); platform::FAILED(hr)) return hr;
    Resposta<QD_ARRAY_PONTEIROS_PS> lotes;
    if (const HRESULT hr = integracao->BuscaLotesOrigem(c.eProc, c.lChave, &lotes.registro); platform::FAILED(hr)) {
        return hr;
    }
    for (std::uint32_t l = 0; l < lotes.registro.qtd; ++l) {
        Resposta<ZT_ARRAY_LANCAMENTOS_PS> lote;
        const HRESULT hr = lancamentos->LeLancamentosLote(lotes.registro.pPtrs[l], &lote.registro);
        if (platform::FAILED(hr)) return hr;
        for (std::uint32_t i = 0; i < lote.registro.qtd; ++i) {
            const ZT_LANCAMENTO_PS& p = lote.registro.pLancamentos[i];
            if (p.eProcOrigem != c.eProc || p.lChaveOrigem != c.lChave) continue;  // another origin's posting
            c.relacionadas.push_back(Origem(QD_PROCESSO_CN_LAN, QDChaveDataNumero(p.iData, p.lNumero)));
        }
    }
    return platform::S_OK;
}

template <class I>
HRESULT PedidosDe(const Consulta& c, const REG_ZTDMC& dmc) {
    CQDServidorModulo<I> servidor;
    if (const HRESULT hr = c.Cria(servidor); platform::FAILED(hr)) return hr;
    Resposta<ZT_ARRAY_PEDIDOS_PS> pedidos;
    if (const HRESULT hr = servidor->BuscaPedidosOrigem(dmc, &pedidos.registro); platform::FAILED(hr)) return hr;
    for (std::uint32_t i = 0; i < pedidos.registro.qtd; ++i) {
        c.relacionadas.push_back(Origem(QD_PROCESSO_CM_OC, pedidos.registro.pPedidos[i].lPedido));
    }
    return platform::S_OK;
}

HRESULT Compras(const Consulta& c) {
    const REG_ZTDMC dmc{CZTQuemGerou(c.lChave, 0).GetValor()};  // module 0, kind 2
    if (const HRESULT hr = PedidosDe<IZTCmpPedidos>(c, dmc); platform::FAILED(hr)) return hr;
    return PedidosDe<IZTCmpContratos>(c, dmc);
}

bool Ligada(const ZT_INTEGRACAO_CONFIG_PS& config, QD_E_INTEGRACAO integracao) {
    switch (integracao) {
        case QD_INTEGRACAO_FINANCEIRO: return config.bIntegraFinanceiro != 0;
        case QD_INTEGRACAO_CONTABIL: return config.bIntegraContabil != 0;
        case QD_INTEGRACAO_COMPRAS: return config.bIntegraCompras != 0;
    }
    return false;
}

}  // namespace

std::span<const QD_E_INTEGRACAO> QDIntegracoesDoProcesso(QD_E_PROCESSO eProc) {
    for (const Relacao& relacao : kRelacoes) {
        if (relacao.eProc == eProc) return {relacao.integracoes.data(), relacao.qtd};
    }
    return {};
}

std::uint32_t QDChaveDataNumero(std::uint16_t iData, std::uint32_t lNumero) { return ZTMontaChaveMesAno(iData, lNumero); }

HRESULT QDColetaOrigensRelacionadas(const QDSessaoVinculos& sessao, const QD_ORIGEM_VINCULO_DOC_PS& origem,
                                    std::vector<QD_ORIGEM_VINCULO_DOC_PS>& relacionadas) {
    const std::span<const QD_E_INTEGRACAO> integracoes = QDIntegracoesDoProcesso(origem.eProc);
    if (integracoes.empty()) return platform::S_OK;

    CQDServidorModulo<IZTIntegracao> integracao;
    if (const HRESULT hr = integracao.Cria(sessao.strEmpresa, sessao.docs.iUsuario, sessao.lNumeroSessao);
        platform::FAILED(hr)) {
        return hr;
    }
    ZT_INTEGRACAO_CONFIG_PS config{};
    if (const HRESULT hr = integracao->LeConfiguracao(&config); platform::FAILED(hr)) return hr;

    const Consulta consulta{sessao, static_cast<std::uint32_t>(QDSimplifyProcesso(origem.eProc)), origem.lChave,
                            relacionadas};
    for (const QD_E_INTEGRACAO tipo : integracoes) {
        if (!Ligada(config, tipo)) continue;
        HRESULT hr = platform::S_OK;
        switch (tipo) {
            case QD_INTEGRACAO_FINANCEIRO: hr = Financeiro(consulta); break;
            case QD_INTEGRACAO_CONTABIL: hr = Contabil(consulta); break;
            case QD_INTEGRACAO_COMPRAS: hr = Compras(consulta); break;
        }
        if (platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}
