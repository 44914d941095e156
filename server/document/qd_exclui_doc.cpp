#include "server/document/qd_exclui_doc.h"

#include "server/document/qd_conteudo_doc.h"
#include "server/document/qd_doc_arq.h"
#include "server/document/qd_doc_conversao.h"
#include "server/document/qd_doc_log.h"
#include "server/document/qd_locarq_disponivel.h"
#include "server/links/qd_exclui_vinculos.h"
#include "server/locations/qd_locarq_arq.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"

#include <optional>
#include <unordered_set>
#include <vector>

using platform::FAILED;
using platform::HRESULT;

namespace {

// One deletion call: its files and its log batch.
class Exclusao {
public:
    explicit Exclusao(const QDSessaoDocs& sessao) : m_sessao(sessao), m_docs(sessao.bind) {}

    HRESULT Executa(std::span<const std::uint32_t> posicoes, bool bExcluiVinculos) {
        if (const int codigo = m_docs.Open('G', true, true)) return QDHResultArq(codigo);
        std::vector<std::uint32_t> vivos;
        if (const HRESULT hr = Confere(posicoes, vivos); FAILED(hr)) return hr;
        if (vivos.empty()) return platform::S_OK;
        if (bExcluiVinculos) {
            if (const HRESULT hr = QDExcluiVinculosDosDocs(m_sessao.srv, vivos); FAILED(hr)) return hr;
        }
        for (const std::uint32_t lPosicao : vivos) {
            if (const HRESULT hr = ExcluiUm(lPosicao); FAILED(hr)) return hr;
        }
        if (m_locais) {
            if (const int codigo = m_locais->CloseEx()) return QDHResultArq(codigo);
        }
        if (const int codigo = m_docs.CloseEx()) return QDHResultArq(codigo);
        CLocalConexaoGedSrv local(&m_sessao.srv);
        return local.GravaLog(m_lote);
    }

private:
    // Every position must be a record (position 0 would ask the link removal for every link of
    // the company); each live document is kept once, in the order given, with its version
    // neighbours and its location readable, so that no fault of the list or of the records it
    // reaches is found after the first change.
    HRESULT Confere(std::span<const std::uint32_t> posicoes, std::vector<std::uint32_t>& vivos) {
        const std::int64_t total = m_docs.RecordCount();
        for (const std::uint32_t lPosicao : posicoes) {
            if (lPosicao == 0 || lPosicao > total) return platform::E_INVALIDARG;
        }
        std::unordered_set<std::uint32_t> vistos;
        for (const std::uint32_t lPosicao : posicoes) {
            if (!vistos.insert(lPosicao).second) continue;
            QD_DOC_ARQ arq{};
            if (const int codigo = Le(lPosicao, arq)) return QDHResultArq(codigo);
            if (arq.dwFlags & QD_DOC_EXCLUIDO) continue;
            QD_DOC_ARQ vizinho{};
            if (arq.lPrevDoc != 0) {
                if (const int codigo = Le(arq.lPrevDoc, vizinho)) return QDHResultArq(codigo);
            }
            if (arq.lNextDoc != 0) {
                if (const int codigo = Le(arq.lNextDoc, vizinho)) return QDHResultArq(codigo);
            }
            if (arq.lLocArq != 0) {
                if (const HRESULT hr = ConfereLocal(arq.lLocArq); FAILED(hr)) return hr;
            }
            vivos.push_back(lPosicao);
        }
        return platform::S_OK;
    }

    int Le(std::uint32_t lPosicao, QD_DOC_ARQ& arq) {
        std::int32_t posicao = 0;
        if (const int codigo = QDPosicaoRegistro(lPosicao, posicao)) return codigo;
        return m_docs.ReadRecord(posicao, &arq);
    }

    int Grava(std::uint32_t lPosicao, const QD_DOC_ARQ& arq) {
        auto posicao = static_cast<std::int32_t>(lPosicao);
        return m_docs.WriteRecord(&arq, posicao);
    }

    // The document's neighbour at `lVizinho` gets `lNovo` as its link `campo`.
    int Religa(std::uint32_t lVizinho, std::uint32_t QD_DOC_ARQ::*campo, std::uint32_t lNovo) {
        if (lVizinho == 0) return 0;
        QD_DOC_ARQ vizinho{};
        if (const int codigo = Le(lVizinho, vizinho)) return codigo;
        vizinho.*campo = lNovo;
        return Grava(lVizinho, vizinho);
    }

    HRESULT ExcluiUm(std::uint32_t lPosicao) {
        // Read again: joining the chain around an earlier document of the list may have changed it.
        QD_DOC_ARQ arq{};
        if (const int codigo = Le(lPosicao, arq)) return QDHResultArq(codigo);
        if (const int codigo = Religa(arq.lPrevDoc, &QD_DOC_ARQ::lNextDoc, arq.lNextDoc)) return QDHResultArq(codigo);
        if (const int codigo = Religa(arq.lNextDoc, &QD_DOC_ARQ::lPrevDoc, arq.lPrevDoc)) return QDHResultArq(codigo);
        arq.dwFlags |= QD_DOC_EXCLUIDO;
        if (const int codigo = Grava(lPosicao, arq)) return QDHResultArq(codigo);
        if ((arq.dwFlags & QD_DOC_SEM_CONTEUDO) == 0) {
            const HRESULT hr = QDApagaConteudoExistente(m_sessao.bind.GetDiretorio(), lPosicao, QDNomeOriginalDoc(arq));
            if (FAILED(hr)) return hr;
        }
        if (arq.lLocArq != 0) {
            if (const HRESULT hr = DevolveLugar(arq.lLocArq); FAILED(hr)) return hr;
        }
        return QDAdicionaLogDoc(m_lote, QD_OP_LOG_DOC_EXCLUSAO, lPosicao, arq);
    }

    // QDLOCARQ.DAT, opened in mode 'G' at the first document that has a location.
    int AbreLocais() {
        if (m_locais) return 0;
        m_locais.emplace(m_sessao.bind);
        return m_locais->Open('G', true, true);
    }

    HRESULT ConfereLocal(std::uint32_t lLocArq) {
        if (const int codigo = AbreLocais()) return QDHResultArq(codigo);
        std::int32_t posicao = 0;
        QD_LOCARQ_ARQ local{};
        if (const int codigo = QDPosicaoRegistro(lLocArq, posicao)) return QDHResultArq(codigo);
        return QDHResultArq(m_locais->ReadRecord(posicao, &local));
    }

    HRESULT DevolveLugar(std::uint32_t lLocArq) {
        if (const int codigo = AbreLocais()) return QDHResultArq(codigo);
        return QDHResultArq(QDSomaDisponivelLocArq(*m_locais, lLocArq, 1, false));
    }

    const QDSessaoDocs& m_sessao;
    CQDArqT<QD_DOC_ARQ> m_docs;
    std::optional<CQDArqT<QD_LOCARQ_ARQ>> m_locais;
    CQDBatchGravaLog m_lote;
};

}  // namespace

HRESULT QDExcluiDocs(const QDSessaoDocs& sessao, std::span<const std::uint32_t> posicoes, bool bExcluiVinculos) {
    Exclusao exclusao(sessao);
    return exclusao.Executa(posicoes, bExcluiVinculos);
}

HRESULT QDExcluiDoc(const QDSessaoDocs& sessao, std::uint32_t qtd, const std::uint32_t* pPos) {
    if (qtd > 0 && !pPos) return platform::E_INVALIDARG;
    return QDExcluiDocs(sessao, {pPos, qtd}, true);
}
