#include "server/search/qd_busca_rapida.h"

#include "outside/conexo/conexao_plano.h"
#include "outside/pendora/qd_formata_chave.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_token_mngr.h"
#include "server/document/qd_doc_arq.h"
#include "server/links/qd_origens_doc.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/search/qd_exclusoes_doc.h"
#include "server/search/qd_textos_doc.h"
#include "server/search/qd_textos_referencia.h"
#include "server/record_file/qd_resultado_arq.h"
#include "util/text/code_page.h"

#include <span>
#include <string_view>
#include <vector>

using platform::FAILED;
using platform::HRESULT;

namespace {

// One quick search: the word filter, the texts read once, the files of the scan.
class BuscaRapida {
public:
    BuscaRapida(const QDSessaoBusca& sessao, const CZTString& textoDobrado)
        : m_sessao(sessao),
          m_conexao(&sessao.srv),
          m_filtro(textoDobrado.view()),
          m_docs(sessao.bind),
          m_textosDoc(sessao.bind) {}

    HRESULT Prepara() {
        m_plano.SetTrataErros(false);
        m_plano.SetTratarMensagens(false);
        (void)m_plano.Inicializa(m_sessao.strEmpresa, m_sessao.acesso.iUsuario, m_sessao.lNumeroSessao);
        if (const HRESULT hr = m_referencia.Le(m_conexao); FAILED(hr)) return hr;
        if (const HRESULT hr = QDLeOrigensTodosDocs(m_sessao.bind, m_origens); FAILED(hr)) return hr;
        if (const int erro = m_docs.Open('L', true, true)) return QDHResultArq(erro);
        return QDHResultArq(m_textosDoc.Abre());
    }

    // Every visible document read and tested; the found ones into `lista`.
    HRESULT Percorre(std::int32_t bAcessoWeb, QDDocsPontuados& lista) {
        CQDDocFiltro filtro;
        if (bAcessoWeb != 0) filtro->dwFlags = QD_FILTRO_DOC_SEM_ANTIGAS | QD_FILTRO_DOC_SO_WEB;
        CQDArrayPonteiros ponteiros;
        if (const HRESULT hr = m_conexao.BuscaPtrsDoc(filtro, ponteiros); FAILED(hr)) return hr;
        const QD_ARRAY_PONTEIROS_PS& ps = ponteiros.GetPS();
        const std::span<const std::uint32_t> posicoes(ps.pPtrs, ps.pPtrs ? ps.qtd : 0);
        for (const std::uint32_t lPosicao : posicoes) {
            int pontos = 0;
            if (const HRESULT hr = Pontua(lPosicao, pontos); FAILED(hr)) return hr;
            if (pontos > 0 && m_filtro.Consist()) lista.push_back({lPosicao, pontos});
            m_filtro.ClearStatus();
        }
        return platform::S_OK;
    }

private:
    // The hits of every text of the document at `lPosicao` into `pontos`.
    HRESULT Pontua(std::uint32_t lPosicao, int& pontos) {
        std::int32_t posicao = 0;
        if (const int erro = QDPosicaoRegistro(lPosicao, posicao)) return QDHResultArq(erro);
        QD_DOC_ARQ doc{};
        if (const int erro = m_docs.ReadRecord(posicao, &doc)) return QDHResultArq(erro);
        if (const int erro = m_textosDoc.Le(doc, m_textos)) return QDHResultArq(erro);
        for (const std::string_view texto : m_textos) (void)m_filtro.FazFiltroTexto(texto, pontos);
        if (const auto origens = m_origens.find(lPosicao); origens != m_origens.end()) {
            for (const QD_ORIGEM_VINCULO_DOC_PS& origem : origens->second) {
                (void)m_filtro.FazFiltroTexto(TextoOrigem(origem).view(), pontos);
            }
        }
        if (const CZTStringArray* local = m_referencia.Local(doc.lLocArq)) Filtra(*local, pontos);
        if (const CZTStringArray* tipo = m_referencia.Tipo(doc.lTipDoc)) Filtra(*tipo, pontos);
        return platform::S_OK;
    }

    void Filtra(const CZTStringArray& textos, int& pontos) {
        for (const CZTString& texto : textos) (void)m_filtro.FazFiltroTexto(texto.view(), pontos);
    }

    // "<process name> - <formatted key>", folded.
    CZTString TextoOrigem(const QD_ORIGEM_VINCULO_DOC_PS& origem) {
        const CZTString chave = QDFormataChave(m_plano, origem.eProc, origem.lChave);
        return ZTRetiraAcentos(CZTString::Formata("%s - %s", QDGetNomeProcesso(origem.eProc), chave.GetString()));
    }

    const QDSessaoBusca& m_sessao;
    CLocalConexaoGedSrv m_conexao;
    CConexaoPlano m_plano;
    CQDTokenMngr m_filtro;
    CQDTextosReferencia m_referencia;
    QDOrigensPorDoc m_origens;
    CQDArqT<QD_DOC_ARQ> m_docs;
    CQDTextosDoc m_textosDoc;
    std::vector<std::string_view> m_textos;   // the current document's own texts
};

}  // namespace

HRESULT QDBuscaRapidaPontuados(const QDSessaoBusca& sessao, platform::BSTR bsBuscaRapida, std::int32_t bAcessoWeb,
                               QDDocsPontuados& lista) {
    lista.clear();
    const CZTString texto = ZTRetiraAcentos(platform::AnsiFromBstr(bsBuscaRapida).GetString());
    BuscaRapida busca(sessao, texto);
    HRESULT hr = busca.Prepara();
    if (!FAILED(hr)) hr = busca.Percorre(bAcessoWeb, lista);
    if (FAILED(hr)) {
        lista.clear();
        return hr;
    }
    QDOrdenaPorPontos(lista);
    return platform::S_OK;
}

HRESULT QDBuscaRapida(const QDSessaoBusca& sessao, platform::BSTR bsBuscaRapida, std::int32_t bAcessoWeb,
                      QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (!pRegPtrs) return platform::E_POINTER;
    pRegPtrs->qtd = 0;
    pRegPtrs->pPtrs = nullptr;
    QDDocsPontuados lista;
    if (const HRESULT hr = QDBuscaRapidaPontuados(sessao, bsBuscaRapida, bAcessoWeb, lista); FAILED(hr)) return hr;
    return QDEntregaPontuados(lista, pRegPtrs);
}
