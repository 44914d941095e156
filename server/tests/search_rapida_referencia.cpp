#include "server/tests/search_rapida_referencia.h"

#include "outside/conexo/conexao_plano.h"
#include "outside/pendora/qd_doc_filtro.h"
#include "outside/pendora/qd_formata_chave.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_token_mngr.h"
#include "server/document/qd_doc_arq.h"
#include "server/links/qd_origens_doc.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/search/qd_exclusoes_doc.h"
#include "server/search/qd_textos_doc.h"
#include "server/search/qd_textos_referencia.h"
#include "util/text/code_page.h"

#include <span>
#include <string_view>

using platform::FAILED;
using platform::HRESULT;

namespace {

// The searches of one pass: their word filters, the texts read once, the files of the scan.
class BuscaReferencia {
public:
    BuscaReferencia(const QDSessaoBusca& sessao, const std::vector<std::string>& textos)
        : m_sessao(sessao), m_conexao(&sessao.srv), m_docs(sessao.bind), m_textosDoc(sessao.bind) {
        for (const std::string& texto : textos) m_filtros.emplace_back(ZTRetiraAcentos(texto.c_str()).view());
    }

    HRESULT Prepara() {
        m_plano.SetTrataErros(false);
        m_plano.SetTratarMensagens(false);
        (void)m_plano.Inicializa(m_sessao.strEmpresa, m_sessao.acesso.iUsuario, m_sessao.lNumeroSessao);
        if (const HRESULT hr = m_referencia.Le(m_conexao); FAILED(hr)) return hr;
        if (const HRESULT hr = QDLeOrigensTodosDocs(m_sessao.bind, m_origens); FAILED(hr)) return hr;
        if (const int erro = m_docs.Open('L', true, true)) return QDHResultArq(erro);
        return QDHResultArq(m_textosDoc.Abre());
    }

    // Every visible document read and tested by every filter; the found ones into its list.
    HRESULT Percorre(std::int32_t bAcessoWeb, std::vector<QDDocsPontuados>& listas) {
        CQDDocFiltro filtro;
        if (bAcessoWeb != 0) filtro->dwFlags = QD_FILTRO_DOC_SEM_ANTIGAS | QD_FILTRO_DOC_SO_WEB;
        CQDArrayPonteiros ponteiros;
        if (const HRESULT hr = m_conexao.BuscaPtrsDoc(filtro, ponteiros); FAILED(hr)) return hr;
        const QD_ARRAY_PONTEIROS_PS& ps = ponteiros.GetPS();
        for (const std::uint32_t lPosicao : std::span<const std::uint32_t>(ps.pPtrs, ps.pPtrs ? ps.qtd : 0)) {
            if (const HRESULT hr = Le(lPosicao); FAILED(hr)) return hr;
            for (std::size_t i = 0; i < m_filtros.size(); ++i) {
                const int pontos = Pontua(m_filtros[i]);
                if (pontos > 0 && m_filtros[i].Consist()) listas[i].push_back({lPosicao, pontos});
                m_filtros[i].ClearStatus();
            }
        }
        return platform::S_OK;
    }

private:
    // The document at `lPosicao` and its own texts.
    HRESULT Le(std::uint32_t lPosicao) {
        std::int32_t posicao = 0;
        if (const int erro = QDPosicaoRegistro(lPosicao, posicao)) return QDHResultArq(erro);
        if (const int erro = m_docs.ReadRecord(posicao, &m_doc)) return QDHResultArq(erro);
        if (const int erro = m_textosDoc.Le(m_doc, m_textos)) return QDHResultArq(erro);
        m_textosOrigens.clear();
        if (const auto origens = m_origens.find(lPosicao); origens != m_origens.end()) {
            for (const QD_ORIGEM_VINCULO_DOC_PS& origem : origens->second) m_textosOrigens.push_back(TextoOrigem(origem));
        }
        return platform::S_OK;
    }

    // The hits of every text of the current document for `filtro`.
    int Pontua(CQDTokenMngr& filtro) const {
        int pontos = 0;
        for (const std::string_view texto : m_textos) (void)filtro.FazFiltroTexto(texto, pontos);
        for (const CZTString& texto : m_textosOrigens) (void)filtro.FazFiltroTexto(texto.view(), pontos);
        if (const CZTStringArray* local = m_referencia.Local(m_doc.lLocArq)) Filtra(filtro, *local, pontos);
        if (const CZTStringArray* tipo = m_referencia.Tipo(m_doc.lTipDoc)) Filtra(filtro, *tipo, pontos);
        return pontos;
    }

    static void Filtra(CQDTokenMngr& filtro, const CZTStringArray& textos, int& pontos) {
        for (const CZTString& texto : textos) (void)filtro.FazFiltroTexto(texto.view(), pontos);
    }

    // "<process name> - <formatted key>", folded.
    CZTString TextoOrigem(const QD_ORIGEM_VINCULO_DOC_PS& origem) {
        const CZTString chave = QDFormataChave(m_plano, origem.eProc, origem.lChave);
        return ZTRetiraAcentos(CZTString::Formata("%s - %s", QDGetNomeProcesso(origem.eProc), chave.GetString()));
    }

    const QDSessaoBusca& m_sessao;
    CLocalConexaoGedSrv m_conexao;
    CConexaoPlano m_plano;
    std::vector<CQDTokenMngr> m_filtros;
    CQDTextosReferencia m_referencia;
    QDOrigensPorDoc m_origens;
    CQDArqT<QD_DOC_ARQ> m_docs;
    CQDTextosDoc m_textosDoc;
    QD_DOC_ARQ m_doc{};
    std::vector<std::string_view> m_textos;  // the current document's own texts
    CZTStringArray m_textosOrigens;          // and those of its link origins
};

}  // namespace

HRESULT QDBuscaRapidaReferencia(const QDSessaoBusca& sessao, const std::vector<std::string>& textos, std::int32_t bAcessoWeb,
                                std::vector<QDDocsPontuados>& listas) {
    listas.assign(textos.size(), {});
    BuscaReferencia busca(sessao, textos);
    HRESULT hr = busca.Prepara();
    if (!FAILED(hr)) hr = busca.Percorre(bAcessoWeb, listas);
    if (FAILED(hr)) {
        listas.assign(textos.size(), {});
        return hr;
    }
    for (QDDocsPontuados& lista : listas) QDOrdenaPorPontos(lista);
    return platform::S_OK;
}
