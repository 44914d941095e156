#include "server/search/qd_busca_ptrs_doc.h"

#include "outside/pendora/qd_doc_filtro.h"
#include "outside/pendora/qd_token_mngr.h"
#include "platform/com/bstr.h"
#include "server/document/qd_acesso_doc.h"
#include "server/locations/qd_le_locarq.h"
#include "server/locations/qd_locarq_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/search/qd_codigos_admitidos.h"
#include "server/search/qd_condicoes_campos.h"
#include "server/search/qd_criterios_registro.h"
#include "server/search/qd_exclusoes_doc.h"
#include "server/search/qd_hoje_1950.h"
#include "server/search/qd_leitor_descricoes.h"
#include "server/record_file/qd_leitor_sequencias.h"
#include "server/search/qd_texto_fixo.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/zt_leitor_registros.h"
#include "server/types/qd_tipdoc_arq.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <span>
#include <vector>

using platform::FAILED;
using platform::HRESULT;

namespace {

constexpr auto kMaximo32 = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

template <class T>
std::span<const T> ArrayDoFiltro(const T* array, std::uint32_t quantidade) {
    return array ? std::span<const T>(array, quantidade) : std::span<const T>();
}

// The positions of the filter's list within [primeira, ultima], ascending and without repeats.
std::vector<std::uint32_t> PosicoesDaLista(std::span<const std::uint32_t> lista, std::uint32_t primeira,
                                           std::uint32_t ultima) {
    std::vector<std::uint32_t> posicoes;
    posicoes.reserve(lista.size());
    for (const std::uint32_t posicao : lista) {
        if (posicao >= primeira && posicao <= ultima) posicoes.push_back(posicao);
    }
    std::sort(posicoes.begin(), posicoes.end());
    posicoes.erase(std::unique(posicoes.begin(), posicoes.end()), posicoes.end());
    return posicoes;
}

// One search: the filter worked out once, the files held open for the whole pass.
class Varredura {
public:
    Varredura(const QDSessaoBusca& sessao, const QD_DOC_FILTRO_PS& filtro)
        : m_sessao(sessao),
          m_filtro(filtro),
          m_bQualquer((filtro.dwFlags & QD_FILTRO_DOC_QUALQUER) != 0),
          m_bVazio(CQDDocFiltro::IsEmpty(filtro)),
          m_criterios(filtro),
          m_condicoes(ArrayDoFiltro(filtro.pCampos, filtro.nQtdCampos)),
          m_descricao(platform::AnsiFromBstr(filtro.bsDescricao).view()),
          m_acesso(sessao.bind, sessao.acesso),
          m_docs(sessao.bind),
          m_janela(m_docs) {}

    HRESULT Abre() {
        if (const int erro = m_docs.Open('L', true, true)) return QDHResultArq(erro);
        if (const HRESULT hr = m_acesso.Abre(); FAILED(hr)) return hr;
        if (const HRESULT hr = LeTipos(); FAILED(hr)) return hr;
        if (const HRESULT hr = LeLocal(); FAILED(hr)) return hr;
        if (!m_condicoes.Vazio()) {
            m_campos.emplace(m_sessao.bind);
            if (const int erro = m_campos->Abre()) return QDHResultArq(erro);
        }
        if (m_descricao.GetQtdTokens() > 0) {
            m_descricoes.emplace(m_sessao.bind);
            if (const int erro = m_descricoes->Abre()) return QDHResultArq(erro);
        }
        if (m_filtro.dwFlags & QD_FILTRO_DOC_SEM_VENCIDOS) return QDHojeDias1950(m_hoje);
        return platform::S_OK;
    }

    // Every position the filter asks for, in ascending order, into `lista`.
    HRESULT Percorre(QDDocsPontuados& lista) {
        const std::int64_t quantidade = std::min<std::int64_t>(m_docs.RecordCount(), kMaximo32);
        const std::uint32_t primeira = m_filtro.lPosDocIni == 0 ? 1 : m_filtro.lPosDocIni;
        std::uint32_t ultima = static_cast<std::uint32_t>(std::max<std::int64_t>(quantidade, 0));
        if (m_filtro.lPosDocFim != 0 && m_filtro.lPosDocFim < ultima) ultima = m_filtro.lPosDocFim;
        if (m_filtro.nQtdDoc != 0) {
            for (const std::uint32_t posicao : PosicoesDaLista(ArrayDoFiltro(m_filtro.pDoc, m_filtro.nQtdDoc), primeira, ultima)) {
                if (const HRESULT hr = Testa(posicao, lista); FAILED(hr)) return hr;
            }
            return platform::S_OK;
        }
        for (std::uint32_t posicao = primeira; posicao <= ultima; ++posicao) {
            if (const HRESULT hr = Testa(posicao, lista); FAILED(hr)) return hr;
        }
        return platform::S_OK;
    }

    [[nodiscard]] bool Qualquer() const { return m_bQualquer; }

private:
    // The types the filter's list admits, from QDTPD.DAT read once.
    HRESULT LeTipos() {
        if (m_filtro.nQtdTipDoc == 0) return platform::S_OK;
        CQDArqT<QD_TIPDOC_ARQ> tipos(m_sessao.bind);
        if (const int erro = tipos.Open('L', true, true)) return QDHResultArq(erro);
        return QDHResultArq(QDTiposAdmitidos(tipos, ArrayDoFiltro(m_filtro.pTipDoc, m_filtro.nQtdTipDoc), m_tipos));
    }

    // The filter's location, and when it is a group the locations under it, from QDLOCARQ.DAT
    // read once.
    HRESULT LeLocal() {
        if (m_filtro.lLocArq == 0) return platform::S_OK;
        CQDArqT<QD_LOCARQ_ARQ> locais(m_sessao.bind);
        if (const int erro = locais.Open('L', true, true)) return QDHResultArq(erro);
        QD_LOCARQ_ARQ local{};
        if (const int erro = QDLeRegistroLocArq(locais, m_filtro.lLocArq, local)) return QDHResultArq(erro);
        if (!(local.dwFlags & QD_LOCARQ_GRUPO)) return platform::S_OK;
        m_bGrupo = true;
        return QDHResultArq(QDLocaisDoGrupo(locais, QDTextoFixo(local.szCodigo), m_locaisGrupo));
    }

    // The document at `lPosicao`: read, tested, and kept in `lista` when it passes.
    HRESULT Testa(std::uint32_t lPosicao, QDDocsPontuados& lista) {
        const QD_DOC_ARQ* doc = nullptr;
        if (const int erro = m_janela.Aponta(static_cast<std::int32_t>(lPosicao), doc)) return QDHResultArq(erro);
        bool passa = false;
        int pontos = 0;
        if (const HRESULT hr = Avalia(*doc, passa, pontos); FAILED(hr)) return hr;
        if (passa && (m_bVazio || !m_bQualquer || pontos != 0)) lista.push_back({lPosicao, pontos});
        return platform::S_OK;
    }

    // Whether `doc` passes every criterion, and its score.
    HRESULT Avalia(const QD_DOC_ARQ& doc, bool& passa, int& pontos) {
        passa = false;
        if (QDDocExcluidoDaBusca(doc, m_filtro.dwFlags, m_sessao.filiais, m_hoje)) return platform::S_OK;
        if (!m_criterios.Avalia(doc, m_bQualquer, pontos)) return platform::S_OK;
        if (m_filtro.nQtdTipDoc != 0) {
            if (!m_tipos.Admite(doc.lTipDoc)) return platform::S_OK;
            QDSomaPontos(pontos, 1);
        }
        const HRESULT visivel = m_acesso.Visivel(doc);
        if (FAILED(visivel)) return visivel;
        if (visivel != QD_DOC_VISIVEL) return platform::S_OK;
        bool atende = true;
        if (const HRESULT hr = AvaliaDescricao(doc, atende, pontos); FAILED(hr) || !atende) return hr;
        if (!AvaliaLocal(doc, pontos)) return platform::S_OK;
        if (const HRESULT hr = AvaliaCampos(doc, atende, pontos); FAILED(hr) || !atende) return hr;
        passa = true;
        return platform::S_OK;
    }

    HRESULT AvaliaDescricao(const QD_DOC_ARQ& doc, bool& atende, int& pontos) {
        atende = true;
        if (!m_descricoes) return platform::S_OK;
        std::string_view texto;
        if (const int erro = m_descricoes->Le(doc.lPosDescricao, doc.nTamDescricao, texto)) return QDHResultArq(erro);
        atende = m_descricao.FazFiltroTexto(texto, pontos) || m_bQualquer;
        return platform::S_OK;
    }

    bool AvaliaLocal(const QD_DOC_ARQ& doc, int& pontos) const {
        if (m_filtro.lLocArq == 0) return true;
        if (doc.lLocArq == m_filtro.lLocArq || (m_bGrupo && m_locaisGrupo.Admite(doc.lLocArq))) {
            QDSomaPontos(pontos, 1);
            return true;
        }
        return m_bQualquer;
    }

    HRESULT AvaliaCampos(const QD_DOC_ARQ& doc, bool& atende, int& pontos) {
        atende = true;
        if (!m_campos) return platform::S_OK;
        if (const int erro = m_campos->Le(doc.lPrimeiroCampo, doc.nQtdCampos, m_valores)) return QDHResultArq(erro);
        atende = m_condicoes.Avalia(m_valores, m_bQualquer, pontos);
        return platform::S_OK;
    }

    const QDSessaoBusca& m_sessao;
    const QD_DOC_FILTRO_PS& m_filtro;
    const bool m_bQualquer;
    const bool m_bVazio;
    CQDCriteriosRegistro m_criterios;
    CQDCondicoesCampos m_condicoes;
    CQDTokenMngr m_descricao;
    CQDAcessoDoc m_acesso;
    CQDArqT<QD_DOC_ARQ> m_docs;
    CZTLeitorRegistros m_janela;
    std::optional<CQDLeitorSequencias<QD_DOC_CAMPO_ARQ>> m_campos;
    std::optional<CQDLeitorDescricoes> m_descricoes;
    CQDPosicoesAdmitidas m_tipos;
    CQDPosicoesAdmitidas m_locaisGrupo;
    bool m_bGrupo = false;
    std::int32_t m_hoje = 0;
    std::vector<QD_DOC_CAMPO_ARQ> m_valores;  // the current field run, reused
};

}  // namespace

HRESULT QDVerificaFiltroDoc(const QD_DOC_FILTRO_PS& filtro) {
    const bool semArray = (filtro.nQtdTipDoc != 0 && !filtro.pTipDoc) || (filtro.nQtdDoc != 0 && !filtro.pDoc) ||
                          (filtro.nQtdCampos != 0 && !filtro.pCampos);
    return semArray ? platform::E_POINTER : platform::S_OK;
}

HRESULT QDBuscaPontuadosDoc(const QDSessaoBusca& sessao, const QD_DOC_FILTRO_PS& filtro, QDDocsPontuados& lista) {
    lista.clear();
    if (const HRESULT hr = QDVerificaFiltroDoc(filtro); FAILED(hr)) return hr;
    Varredura varredura(sessao, filtro);
    HRESULT hr = varredura.Abre();
    if (!FAILED(hr)) hr = varredura.Percorre(lista);
    if (FAILED(hr)) {
        lista.clear();
        return hr;
    }
    if (varredura.Qualquer()) QDOrdenaPorPontos(lista);
    return platform::S_OK;
}

HRESULT QDBuscaPtrsDoc(const QDSessaoBusca& sessao, const QD_DOC_FILTRO_PS& filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (!pRegPtrs) return platform::E_POINTER;
    pRegPtrs->qtd = 0;
    pRegPtrs->pPtrs = nullptr;
    QDDocsPontuados lista;
    if (const HRESULT hr = QDBuscaPontuadosDoc(sessao, filtro, lista); FAILED(hr)) return hr;
    return QDEntregaPontuados(lista, pRegPtrs);
}
