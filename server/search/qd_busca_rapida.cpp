#include "server/search/qd_busca_rapida.h"

#include "outside/conexo/conexao_plano.h"
#include "outside/pendora/qd_formata_chave.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_token_mngr.h"
#include "server/document/qd_acesso_doc.h"
#include "server/document/qd_doc_arq.h"
#include "server/links/qd_percorre_vinculos.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/zt_leitor_registros.h"
#include "server/search/qd_acertos_posicao.h"
#include "server/search/qd_cache_textos_busca.h"
#include "server/search/qd_exclusoes_doc.h"
#include "server/search/qd_palavras_busca.h"
#include "server/search/qd_tabelas_texto.h"
#include "server/search/qd_textos_doc.h"
#include "server/search/qd_textos_referencia.h"
#include "util/text/code_page.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <limits>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using platform::FAILED;
using platform::HRESULT;

namespace {

constexpr auto kMaximo32 = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max());

// One quick search: the words, the hits of the texts shared by many documents worked out once,
// the files of the scan held open, and the folder's text cache.
class BuscaRapida {
public:
    BuscaRapida(const QDSessaoBusca& sessao, const CZTString& textoDobrado)
        : m_sessao(sessao),
          m_conexao(&sessao.srv),
          m_palavras(CQDTokenMngr(textoDobrado.view())),
          m_acertos(m_palavras.Quantidade(), 0),
          m_tipos(m_palavras.Quantidade()),
          m_locais(m_palavras.Quantidade()),
          m_origens(m_palavras.Quantidade()),
          m_docs(sessao.bind),
          m_janela(m_docs),
          m_textosDoc(sessao.bind, true),
          m_acesso(sessao.bind, sessao.acesso),
          m_cache(CQDCacheTextosBusca::DaPasta(sessao.bind.GetDiretorio().str())) {}

    // Everything read before the documents, in the order of the search this one replaced, so that
    // a failure answers the same code.
    HRESULT Prepara() {
        m_plano.SetTrataErros(false);
        m_plano.SetTratarMensagens(false);
        (void)m_plano.Inicializa(m_sessao.strEmpresa, m_sessao.acesso.iUsuario, m_sessao.lNumeroSessao);
        if (const HRESULT hr = ContaReferencias(); FAILED(hr)) return hr;
        if (const HRESULT hr = ContaOrigens(); FAILED(hr)) return hr;
        if (const int erro = m_docs.Open('L', true, true)) return QDHResultArq(erro);
        if (const int erro = m_textosDoc.Abre()) return QDHResultArq(erro);
        if (const HRESULT hr = m_acesso.Abre(); FAILED(hr)) return hr;
        ConfereCache();
        return platform::S_OK;
    }

    // Every document the session sees, in one pass over QDDOC.DAT, tested; the found ones into
    // `lista`. A record or access failure ends the pass at once; a text failure (a damaged run)
    // stops the scoring but not the pass, whose own failure comes first, as when the visible
    // documents were listed before any text was read.
    HRESULT Percorre(std::int32_t bAcessoWeb, QDDocsPontuados& lista) {
        const std::uint32_t dwFlags = bAcessoWeb != 0 ? QD_FILTRO_DOC_SEM_ANTIGAS | QD_FILTRO_DOC_SO_WEB : 0;
        const std::int64_t quantidade = std::min(m_docs.RecordCount(), kMaximo32);
        HRESULT falhaTextos = platform::S_OK;
        for (std::int32_t posicao = 1; posicao <= quantidade; ++posicao) {
            const QD_DOC_ARQ* doc = nullptr;
            if (const int erro = m_janela.Aponta(posicao, doc)) return QDHResultArq(erro);
            if (QDDocExcluidoDaBusca(*doc, dwFlags, m_sessao.filiais, 0)) continue;
            const HRESULT visivel = m_acesso.Visivel(*doc);
            if (FAILED(visivel)) return visivel;
            if (visivel != QD_DOC_VISIVEL || FAILED(falhaTextos)) continue;
            falhaTextos = Pontua(static_cast<std::uint32_t>(posicao), *doc, lista);
        }
        return falhaTextos;
    }

private:
    // The hits of every type's and every location's texts.
    HRESULT ContaReferencias() {
        CQDTextosReferencia referencia;
        if (const HRESULT hr = referencia.Le(m_conexao); FAILED(hr)) return hr;
        for (const auto& [lPosicao, textos] : referencia.Tipos()) ContaTextos(textos, lPosicao, m_tipos);
        for (const auto& [lPosicao, textos] : referencia.Locais()) ContaTextos(textos, lPosicao, m_locais);
        return platform::S_OK;
    }

    void ContaTextos(const CZTStringArray& textos, std::uint32_t lPosicao, CQDAcertosPorPosicao& destino) {
        Zera();
        for (const CZTString& texto : textos) {
            m_buffer.assign(texto.view());
            QDConverte(QDTabelaMinusculas(), m_buffer);
            m_palavras.Conta(m_buffer, m_acertos);
        }
        destino.Acrescenta(lPosicao, m_acertos);
    }

    // The hits of every live link's origin text, "<process name> - <formatted key>", by document.
    HRESULT ContaOrigens() {
        CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(m_sessao.bind);
        if (const int erro = vinculos.Open('L', true, true)) return QDHResultArq(erro);
        return QDHResultArq(QDPercorreVinculos(vinculos, [&](const QD_VINCULO_DOC_ARQ& vinculo, std::int32_t) {
            const auto eProc = static_cast<QD_E_PROCESSO>(vinculo.eProc);
            m_buffer.assign(InicioOrigem(eProc));
            const std::size_t inicioChave = m_buffer.size();
            m_chaves.Acrescenta(eProc, vinculo.lChave, m_buffer);
            QDConverte(QDTabelaMinusculasSemAcentos(), m_buffer, inicioChave);
            Zera();
            m_palavras.Conta(m_buffer, m_acertos);
            m_origens.Acrescenta(vinculo.lPosDoc, m_acertos);
            return 0;
        }));
    }

    // "<process name> - " folded and lower-cased, made once per process.
    const std::string& InicioOrigem(QD_E_PROCESSO eProc) {
        auto [lugar, novo] = m_iniciosOrigem.try_emplace(static_cast<std::uint32_t>(eProc));
        if (novo) {
            lugar->second = std::string(QDGetNomeProcesso(eProc)) + " - ";
            QDConverte(QDTabelaMinusculasSemAcentos(), lugar->second);
        }
        return lugar->second;
    }

    // The stamps of the text files, before any of their bytes is read.
    void ConfereCache() {
        platform::FileStampReading descricoes;
        platform::FileStampReading campos;
        if (m_textosDoc.Carimbos(descricoes, campos) != 0) {
            m_cache.Esquece();
            return;
        }
        m_cache.Confere(descricoes, campos);
    }

    // The document at `lPosicao`, visible: its hits in every text, and its entry in `lista` when
    // every word was found. The texts read from the files come last, so that a word found nowhere
    // else and not in them either ends the counting.
    HRESULT Pontua(std::uint32_t lPosicao, const QD_DOC_ARQ& doc, QDDocsPontuados& lista) {
        std::string_view proprio;
        if (const int erro = TextoProprio(lPosicao, doc, proprio)) return QDHResultArq(erro);
        Zera();
        m_textosDoc.LeDoRegistro(doc, m_textos);
        for (const std::string_view texto : m_textos) m_palavras.Conta(texto, m_acertos);
        m_origens.Soma(lPosicao, m_acertos);
        m_locais.Soma(doc.lLocArq, m_acertos);
        m_tipos.Soma(doc.lTipDoc, m_acertos);
        if (m_acertos.empty() || !m_palavras.ContaSeTodas(proprio, m_acertos)) return platform::S_OK;
        const std::int64_t soma = std::accumulate(m_acertos.begin(), m_acertos.end(), std::int64_t{0});
        lista.push_back({lPosicao, static_cast<std::int32_t>(std::min<std::int64_t>(soma, INT_MAX))});
        return platform::S_OK;
    }

    // The texts read from the files, joined by NULs, into `texto`: from the cache when it holds
    // them for this record, else read and kept. Valid until the next document.
    int TextoProprio(std::uint32_t lPosicao, const QD_DOC_ARQ& doc, std::string_view& texto) {
        if (const std::optional<std::string_view> guardado = m_cache.Texto(lPosicao, doc)) {
            texto = *guardado;
            return 0;
        }
        if (const int erro = m_textosDoc.LeDosArquivos(doc, m_textos)) return erro;
        m_proprio.clear();
        for (const std::string_view parte : m_textos) {
            m_proprio += parte;
            m_proprio += '\0';
        }
        m_cache.Guarda(lPosicao, doc, m_proprio);
        texto = m_proprio;
        return 0;
    }

    void Zera() { std::fill(m_acertos.begin(), m_acertos.end(), 0); }

    const QDSessaoBusca& m_sessao;
    CLocalConexaoGedSrv m_conexao;
    CConexaoPlano m_plano;
    CQDFormatadorChaves m_chaves{m_plano};
    CQDPalavrasBusca m_palavras;
    std::vector<std::int64_t> m_acertos;  // per word, for the current text set
    CQDAcertosPorPosicao m_tipos;
    CQDAcertosPorPosicao m_locais;
    CQDAcertosPorPosicao m_origens;
    std::unordered_map<std::uint32_t, std::string> m_iniciosOrigem;
    CQDArqT<QD_DOC_ARQ> m_docs;
    CZTLeitorRegistros m_janela;
    CQDTextosDoc m_textosDoc;
    CQDAcessoDoc m_acesso;
    CQDCacheTextosBusca& m_cache;
    std::vector<std::string_view> m_textos;  // the current document's texts
    std::string m_buffer;                    // the shared text being counted
    std::string m_proprio;                   // the current document's texts from the files, read now
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
