#include "server/document/qd_grava_doc.h"

#include "platform/com/bstr.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/document/qd_conteudo_doc.h"
#include "server/document/qd_doc_conversao.h"
#include "server/document/qd_doc_log.h"
#include "server/document/qd_locarq_disponivel.h"
#include "server/document/qd_usuarios_doc.h"
#include "server/locations/qd_locarq_arq.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/zt_arq_bytes.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/record_file_codes.h"
#include "util/time/current_time.h"

#include <limits>
#include <span>
#include <string>
#include <vector>

using platform::FAILED;
using platform::HRESULT;

namespace {

constexpr auto kMaximo = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

// The client's request, checked: the parts to write and what they hold.
struct Pedido {
    bool bUsuarios = false;
    bool bCampos = false;
    bool bConteudo = false;
    bool bDescricao = false;
    std::span<const std::uint16_t> usuarios;
    std::span<const QD_DOC_CAMPO_PS> campos;
    std::string descricao;  // ANSI
};

// A count the client gives for a list behind a pointer: possible only with the pointer, and small
// enough for a run of signed 32-bit positions.
bool ListaValida(std::uint32_t quantidade, const void* elementos) {
    return quantidade <= kMaximo && (quantidade == 0 || elementos != nullptr);
}

HRESULT ConferePedido(const QD_DOC_PS& ps, std::uint32_t dwFlags, Pedido& pedido) {
    pedido.bUsuarios = (dwFlags & QD_GRAVADOC_USUARIOS) != 0;
    pedido.bCampos = (dwFlags & QD_GRAVADOC_CAMPOS) != 0;
    pedido.bConteudo = (dwFlags & QD_GRAVADOC_CONTEUDO) != 0;
    pedido.bDescricao = (dwFlags & QD_GRAVADOC_DESCRICAO) != 0;
    if (pedido.bUsuarios) {
        if (!ListaValida(ps.nQtdUsuarios, ps.pUsuarios)) return platform::E_INVALIDARG;
        pedido.usuarios = {ps.pUsuarios, ps.nQtdUsuarios};
    }
    if (pedido.bCampos) {
        if (!ListaValida(ps.nQtdCampos, ps.pCampos)) return platform::E_INVALIDARG;
        pedido.campos = {ps.pCampos, ps.nQtdCampos};
    }
    if (pedido.bConteudo && ps.cbArquivo > 0 && !ps.pArquivo) return platform::E_INVALIDARG;
    if (pedido.bDescricao) {
        pedido.descricao = platform::AnsiFromBstr(ps.bsDescricao).str();
        if (pedido.descricao.size() > kMaximo) return platform::E_INVALIDARG;
    }
    return platform::S_OK;
}

// One GravaDoc call: its files, the record as it is being built and its log batch.
class Gravacao {
public:
    Gravacao(const QDSessaoDocs& sessao, const QD_DOC_PS& ps, const Pedido& pedido)
        : m_sessao(sessao), m_ps(ps), m_pedido(pedido), m_docs(sessao.bind) {}

    HRESULT Executa(std::uint32_t* pPos) {
        m_lPosicao = *pPos;
        if (const HRESULT hr = ZTLeAgora(m_agora); FAILED(hr)) return hr;
        if (const int codigo = m_docs.Open('G', true, true)) return QDHResultArq(codigo);
        const HRESULT preparo = m_lPosicao != 0 ? LeGravado() : PreparaInclusao();
        if (FAILED(preparo)) return preparo;
        if (const HRESULT hr = AjustaLocais(); FAILED(hr)) return hr;
        MontaRegistro();
        if (const HRESULT hr = GravaPartes(); FAILED(hr)) return hr;
        if (const HRESULT hr = GravaConteudo(); FAILED(hr)) return hr;
        std::int32_t posicao = static_cast<std::int32_t>(m_lPosicao);
        if (const int codigo = m_docs.WriteRecord(&m_arq, posicao)) return QDHResultArq(codigo);
        *pPos = m_lPosicao;
        const QD_E_OPERACAO_LOG operacao = m_bInclusao ? QD_OP_LOG_DOC_INCLUSAO : QD_OP_LOG_DOC_ALTERACAO_PARA;
        const std::span<const std::uint16_t> usuarios =
            m_pedido.bUsuarios ? m_pedido.usuarios : std::span<const std::uint16_t>(m_usuariosGravados);
        if (const HRESULT hr = QDAdicionaLogDoc(m_lote, operacao, m_lPosicao, m_arq, usuarios); FAILED(hr)) return hr;
        if (const HRESULT hr = LigaVersaoAnterior(); FAILED(hr)) return hr;
        if (const HRESULT hr = ApagaConteudoAntigo(); FAILED(hr)) return hr;
        if (const int codigo = m_docs.CloseEx()) return QDHResultArq(codigo);
        CLocalConexaoGedSrv local(&m_sessao.srv);
        return local.GravaLog(m_lote);
    }

private:
    // A rewrite: the stored record and its users, logged as they were.
    HRESULT LeGravado() {
        std::int32_t posicao = 0;
        if (const int codigo = QDPosicaoRegistro(m_lPosicao, posicao)) return QDHResultArq(codigo);
        if (const int codigo = m_docs.ReadRecord(posicao, &m_arq)) return QDHResultArq(codigo);
        m_gravado = m_arq;
        {
            CQDArqT<QD_DOC_USUARIO_ARQ> usuarios(m_sessao.bind);
            if (const int codigo = usuarios.Open('L', true, true)) return QDHResultArq(codigo);
            if (const int codigo =
                    QDLeCodigosUsuarios(usuarios, m_arq.lPrimeiroUsuario, m_arq.nQtdUsuarios, m_usuariosGravados)) {
                return QDHResultArq(codigo);
            }
        }
        return QDAdicionaLogDoc(m_lote, QD_OP_LOG_DOC_ALTERACAO_DE, m_lPosicao, m_arq, m_usuariosGravados);
    }

    // An insert: its version links checked, then its position taken, the record after the last
    // whole one (QDDOC.DAT stays held, so no other writer takes it meanwhile), and any file of
    // that position in "Docs" kept aside before the new content could take its name.
    HRESULT PreparaInclusao() {
        m_bInclusao = true;
        if (const HRESULT hr = ConfereVersoes(); FAILED(hr)) return hr;
        const std::int64_t posicao = m_docs.RecordCount() + 1;
        if (posicao > kMaximo) return QDHResultArq(ZT_ERR_ARQ_POSICIONAMENTO);
        m_lPosicao = static_cast<std::uint32_t>(posicao);
        return QDGuardaConteudosDaPosicao(m_sessao.bind.GetDiretorio(), m_lPosicao);
    }

    // No next version, and a previous version only when it is the newest of a live document, so
    // the chain never forks and never runs through a deleted document.
    HRESULT ConfereVersoes() {
        if (m_ps.lNextDoc != 0) return platform::E_INVALIDARG;
        if (m_ps.lPrevDoc == 0) return platform::S_OK;
        if (m_ps.lPrevDoc > kMaximo || m_ps.lPrevDoc > m_docs.RecordCount()) return platform::E_INVALIDARG;
        QD_DOC_ARQ anterior{};
        if (const int codigo = m_docs.ReadRecord(static_cast<std::int32_t>(m_ps.lPrevDoc), &anterior)) {
            return QDHResultArq(codigo);
        }
        if ((anterior.dwFlags & QD_DOC_EXCLUIDO) != 0 || anterior.lNextDoc != 0) return platform::E_INVALIDARG;
        return platform::S_OK;
    }

    // A rewrite that moves the document out of its location gives the place back; an insert into
    // a location with a maximum takes one.
    HRESULT AjustaLocais() {
        const bool bSai = !m_bInclusao && m_gravado.lLocArq != 0 && m_gravado.lLocArq != m_ps.lLocArq;
        const bool bEntra = m_bInclusao && m_ps.lLocArq != 0;
        if (!bSai && !bEntra) return platform::S_OK;
        CQDArqT<QD_LOCARQ_ARQ> locais(m_sessao.bind);
        if (const int codigo = locais.Open('G', true, true)) return QDHResultArq(codigo);
        const int codigo = bSai ? QDSomaDisponivelLocArq(locais, m_gravado.lLocArq, 1, false)
                                : QDSomaDisponivelLocArq(locais, m_ps.lLocArq, -1, true);
        if (codigo) return QDHResultArq(codigo);
        return QDHResultArq(locais.CloseEx());
    }

    void MontaRegistro() {
        if (m_bInclusao) {
            m_arq.dataInclusao = m_agora;
            m_arq.lPrevDoc = m_ps.lPrevDoc;
            m_arq.iUsuarioIncluiu = m_sessao.iUsuario;
        }
        m_arq.iUsuarioAlterou = m_sessao.iUsuario;
        m_arq.dataModificacao = m_agora;
        QDDocDePS(m_ps, m_arq);
    }

    // Users, fields and description, each only when asked for.
    HRESULT GravaPartes() {
        if (m_pedido.bUsuarios) {
            CQDArqT<QD_DOC_USUARIO_ARQ> usuarios(m_sessao.bind);
            if (const int codigo = usuarios.Open('G', true, true)) return QDHResultArq(codigo);
            std::uint32_t primeiro = m_arq.lPrimeiroUsuario;  // the record is packed: no reference into it
            if (const int codigo = QDGravaUsuariosDoc(usuarios, m_pedido.usuarios, m_arq.nQtdUsuarios, primeiro)) {
                return QDHResultArq(codigo);
            }
            m_arq.lPrimeiroUsuario = primeiro;
            m_arq.nQtdUsuarios = static_cast<std::uint32_t>(m_pedido.usuarios.size());
        }
        if (m_pedido.bCampos) {
            CQDArqT<QD_DOC_CAMPO_ARQ> campos(m_sessao.bind);
            if (const int codigo = campos.Open('G', true, true)) return QDHResultArq(codigo);
            std::uint32_t primeiro = m_arq.lPrimeiroCampo;
            if (const int codigo = QDGravaCamposDoc(campos, m_pedido.campos, m_arq.nQtdCampos, primeiro)) {
                return QDHResultArq(codigo);
            }
            m_arq.lPrimeiroCampo = primeiro;
            m_arq.nQtdCampos = static_cast<std::uint32_t>(m_pedido.campos.size());
        }
        if (m_pedido.bDescricao) return GravaDescricao();
        return platform::S_OK;
    }

    // The text goes where the stored one was when it fits and that place lies inside the file,
    // else to the end of the file (only a stored place needs the file's length).
    HRESULT GravaDescricao() {
        CQDArqBytes descricoes(m_sessao.bind, QD_ARQ_DOC_DESCRICAO);
        if (const int codigo = descricoes.Open('G', true, true)) return QDHResultArq(codigo);
        std::int64_t comprimento = 0;
        if (m_arq.lPosDescricao != 0) {
            if (const int codigo = descricoes.SeekEx('F', 0, comprimento)) return QDHResultArq(codigo);
        }
        const std::int64_t fim = static_cast<std::int64_t>(m_arq.lPosDescricao) + m_arq.nTamDescricao;
        const bool bNoLugar = m_arq.lPosDescricao != 0 && m_arq.lPosDescricao <= kMaximo &&
                              m_arq.nTamDescricao <= kMaximo && fim <= comprimento;
        const auto tamanho = static_cast<std::int32_t>(m_pedido.descricao.size());
        std::int32_t offset = bNoLugar ? static_cast<std::int32_t>(m_arq.lPosDescricao) : 0;
        const std::int32_t tamanhoGravado = bNoLugar ? static_cast<std::int32_t>(m_arq.nTamDescricao) : 0;
        if (const int codigo = ZTGravaBytesArq(descricoes, m_pedido.descricao.data(), tamanho, tamanhoGravado, offset)) {
            return QDHResultArq(codigo);
        }
        m_arq.nTamDescricao = static_cast<std::uint32_t>(tamanho);
        m_arq.lPosDescricao = static_cast<std::uint32_t>(offset);
        return QDHResultArq(descricoes.CloseEx());
    }

    // An insert after a previous version makes itself that version's next one.
    HRESULT LigaVersaoAnterior() {
        if (!m_bInclusao || m_arq.lPrevDoc == 0) return platform::S_OK;
        const auto posicao = static_cast<std::int32_t>(m_arq.lPrevDoc);
        QD_DOC_ARQ anterior{};
        if (const int codigo = m_docs.ReadRecord(posicao, &anterior)) return QDHResultArq(codigo);
        anterior.lNextDoc = m_lPosicao;
        std::int32_t escrita = posicao;
        return QDHResultArq(m_docs.WriteRecord(&anterior, escrita));
    }

    // The content under the new original file name, complete before the record names it: new
    // content when the call brings it, else a rewrite's stored file copied to a changed name.
    HRESULT GravaConteudo() {
        const std::string_view nomeNovo = QDNomeOriginalDoc(m_arq);
        const CZTString diretorio = m_sessao.bind.GetDiretorio();
        if (!m_pedido.bConteudo) {
            if (m_bInclusao) return platform::S_OK;
            return QDCopiaConteudo(diretorio, m_lPosicao, QDNomeOriginalDoc(m_gravado), nomeNovo);
        }
        QDConteudoSessao conteudo;
        if (const HRESULT hr = QDConteudoDaSessao(m_sessao.bind, m_sessao.pCrypto, conteudo); FAILED(hr)) return hr;
        return QDGravaConteudoDocumento(conteudo, m_lPosicao, nomeNovo, m_ps.pArquivo, m_ps.cbArquivo);
    }

    // Once the record names the new file name, a rewrite's file under the old one goes.
    HRESULT ApagaConteudoAntigo() {
        if (m_bInclusao) return platform::S_OK;
        const CZTString diretorio = m_sessao.bind.GetDiretorio();
        const std::string_view nomeAntigo = QDNomeOriginalDoc(m_gravado);
        if (QDCaminhoConteudo(diretorio, m_lPosicao, nomeAntigo) ==
            QDCaminhoConteudo(diretorio, m_lPosicao, QDNomeOriginalDoc(m_arq))) {
            return platform::S_OK;
        }
        return QDApagaConteudoExistente(diretorio, m_lPosicao, nomeAntigo);
    }

    const QDSessaoDocs& m_sessao;
    const QD_DOC_PS& m_ps;
    const Pedido& m_pedido;
    CQDArqT<QD_DOC_ARQ> m_docs;
    CQDBatchGravaLog m_lote;
    std::uint32_t m_lPosicao = 0;
    std::uint32_t m_agora = 0;
    bool m_bInclusao = false;
    QD_DOC_ARQ m_arq{};                           // the record being written
    QD_DOC_ARQ m_gravado{};                       // a rewrite's stored record
    std::vector<std::uint16_t> m_usuariosGravados;  // a rewrite's stored users
};

}  // namespace

HRESULT QDGravaDoc(const QDSessaoDocs& sessao, std::uint32_t* pPos, const QD_DOC_PS& ps, std::uint32_t dwFlags) {
    if (!pPos) return platform::E_POINTER;
    Pedido pedido;
    if (const HRESULT hr = ConferePedido(ps, dwFlags, pedido); FAILED(hr)) return hr;
    Gravacao gravacao(sessao, ps, pedido);
    return gravacao.Executa(pPos);
}
