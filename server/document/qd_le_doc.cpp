#include "server/document/qd_le_doc.h"

#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "platform/idl/value_codec.h"
#include "server/document/qd_conteudo_doc.h"
#include "server/document/qd_doc_conversao.h"
#include "server/document/qd_orcamento_resposta.h"
#include "server/document/qd_usuarios_doc.h"
#include "server/links/qd_origens_doc.h"
#include "server/links/qd_vinculo_doc_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_arq_bytes.h"
#include "server/record_file/qd_resultado_arq.h"

#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

using platform::FAILED;
using platform::HRESULT;

namespace {

// Frees what `ps` owns and zeroes it.
void Esvazia(QD_DOC_PS& ps) {
    platform::idl::Codec<QD_DOC_PS>::Free(ps);
    std::memset(static_cast<void*>(&ps), 0, sizeof ps);
}

// A task-allocator copy of `elementos` into `pArray` and `nQtd`; nothing for an empty list.
template <class E>
HRESULT Entrega(std::span<const E> elementos, std::uint32_t& nQtd, E*& pArray) {
    if (elementos.empty()) return platform::S_OK;
    void* bloco = platform::CoTaskMemAlloc(elementos.size_bytes());
    if (!bloco) return platform::E_OUTOFMEMORY;
    std::memcpy(bloco, elementos.data(), elementos.size_bytes());
    pArray = static_cast<E*>(bloco);
    nQtd = static_cast<std::uint32_t>(elementos.size());
    return platform::S_OK;
}

// The files of one LeDoc call; a part left out has no file open.
class Leitura {
public:
    Leitura(const QDSessaoDocs& sessao, std::uint32_t dwFlags)
        : m_sessao(sessao), m_dwFlags(dwFlags), m_docs(sessao.bind) {}

    HRESULT Abre(std::span<const std::uint32_t> posicoes) {
        if (const int codigo = AbreArquivos()) return QDHResultArq(codigo);
        if (m_vinculos) {
            if (const int codigo = QDLeOrigensDocs(*m_vinculos, posicoes, m_origens)) return QDHResultArq(codigo);
        }
        if (!Quer(QD_LEDOC_SEM_CONTEUDO)) return platform::S_OK;
        m_conteudo.emplace();
        return QDConteudoDaSessao(m_sessao.bind, m_sessao.pCrypto, *m_conteudo);
    }

    // Fills `ps` (zero on entry) from the document at `lPosicao`; on failure `ps` owns nothing.
    HRESULT Le(std::uint32_t lPosicao, QD_DOC_PS& ps) {
        const HRESULT hr = Preenche(lPosicao, ps);
        if (FAILED(hr)) Esvazia(ps);
        return hr;
    }

private:
    [[nodiscard]] bool Quer(std::uint32_t bitSem) const { return (m_dwFlags & bitSem) == 0; }

    // QDDOC.DAT and the file of every part asked for; 0 or the first open's code.
    int AbreArquivos() {
        if (const int codigo = m_docs.Open('L', true, true)) return codigo;
        if (Quer(QD_LEDOC_SEM_USUARIOS)) {
            if (const int codigo = AbreParte(m_usuarios)) return codigo;
        }
        if (Quer(QD_LEDOC_SEM_CAMPOS)) {
            if (const int codigo = AbreParte(m_campos)) return codigo;
        }
        if (Quer(QD_LEDOC_SEM_DESCRICAO)) {
            if (const int codigo = AbreParte(m_descricoes, QD_ARQ_DOC_DESCRICAO)) return codigo;
        }
        if (Quer(QD_LEDOC_SEM_VINCULOS)) return AbreParte(m_vinculos);
        return 0;
    }

    template <class T, class... Nome>
    int AbreParte(std::optional<CQDArqT<T>>& arquivo, Nome... nome) {
        arquivo.emplace(m_sessao.bind, nome...);
        return arquivo->Open('L', true, true);
    }

    HRESULT Preenche(std::uint32_t lPosicao, QD_DOC_PS& ps) {
        std::int32_t posicao = 0;
        if (const int codigo = QDPosicaoRegistro(lPosicao, posicao)) return QDHResultArq(codigo);
        QD_DOC_ARQ arq{};
        if (const int codigo = m_docs.ReadRecord(posicao, &arq)) return QDHResultArq(codigo);
        QDDocParaPS(arq, ps);
        ps.nQtdUsuarios = 0;  // each list's count comes with the list itself
        ps.nQtdCampos = 0;
        if (const HRESULT hr = LeUsuarios(arq, ps); FAILED(hr)) return hr;
        if (const HRESULT hr = LeCampos(arq, ps); FAILED(hr)) return hr;
        if (const HRESULT hr = LeVinculos(lPosicao, ps); FAILED(hr)) return hr;
        if (const HRESULT hr = LeDescricao(arq, ps.bsDescricao); FAILED(hr)) return hr;
        return LeConteudo(lPosicao, arq, ps);
    }

    HRESULT LeUsuarios(const QD_DOC_ARQ& arq, QD_DOC_PS& ps) {
        if (!m_usuarios) return platform::S_OK;
        std::vector<std::uint16_t> codigos;
        if (const int codigo = QDLeCodigosUsuarios(*m_usuarios, arq.lPrimeiroUsuario, arq.nQtdUsuarios, codigos)) {
            return QDHResultArq(codigo);
        }
        return Entrega<std::uint16_t>(codigos, ps.nQtdUsuarios, ps.pUsuarios);
    }

    HRESULT LeCampos(const QD_DOC_ARQ& arq, QD_DOC_PS& ps) {
        if (!m_campos) return platform::S_OK;
        std::vector<QD_DOC_CAMPO_PS> valores;
        if (const int codigo = QDLeCamposDoc(*m_campos, arq.lPrimeiroCampo, arq.nQtdCampos, valores)) {
            return QDHResultArq(codigo);
        }
        return Entrega<QD_DOC_CAMPO_PS>(valores, ps.nQtdCampos, ps.pCampos);
    }

    HRESULT LeVinculos(std::uint32_t lPosicao, QD_DOC_PS& ps) {
        if (!m_vinculos) return platform::S_OK;
        const auto origens = m_origens.find(lPosicao);
        if (origens == m_origens.end()) return platform::S_OK;
        return Entrega<QD_ORIGEM_VINCULO_DOC_PS>(origens->second, ps.nQtdVinculos, ps.pVinculos);
    }

    // A deleted document, or one stored without content, has no file to read.
    HRESULT LeConteudo(std::uint32_t lPosicao, const QD_DOC_ARQ& arq, QD_DOC_PS& ps) {
        if (!m_conteudo || (arq.dwFlags & (QD_DOC_EXCLUIDO | QD_DOC_SEM_CONTEUDO)) != 0) return platform::S_OK;
        return QDLeConteudoDocumento(*m_conteudo, lPosicao, QDNomeOriginalDoc(arq), reinterpret_cast<void**>(&ps.pArquivo),
                                     &ps.cbArquivo);
    }

    // The description text as a BSTR; an empty one stays null.
    HRESULT LeDescricao(const QD_DOC_ARQ& arq, platform::BSTR& bs) {
        if (!m_descricoes || arq.nTamDescricao == 0) return platform::S_OK;
        constexpr auto kMaximo = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
        if (arq.nTamDescricao > kMaximo || arq.lPosDescricao > kMaximo) return QDHResultArq(ZT_ERR_ARQ_FIM);
        std::string texto;
        if (const int codigo = ZTLeBytesArq(*m_descricoes, static_cast<std::int32_t>(arq.lPosDescricao),
                                            static_cast<std::int32_t>(arq.nTamDescricao), texto)) {
            return QDHResultArq(codigo);
        }
        bs = platform::SysAllocStringFromAnsi(texto);
        return bs ? platform::S_OK : platform::E_OUTOFMEMORY;
    }

    const QDSessaoDocs& m_sessao;
    std::uint32_t m_dwFlags;
    CQDArqT<QD_DOC_ARQ> m_docs;
    std::optional<CQDArqT<QD_DOC_USUARIO_ARQ>> m_usuarios;
    std::optional<CQDArqT<QD_DOC_CAMPO_ARQ>> m_campos;
    std::optional<CQDArqBytes> m_descricoes;
    std::optional<CQDArqT<QD_VINCULO_DOC_ARQ>> m_vinculos;
    QDOrigensPorDoc m_origens;
    std::optional<QDConteudoSessao> m_conteudo;
};

}  // namespace

HRESULT QDLeDoc(const QDSessaoDocs& sessao, std::uint32_t qtd, const std::uint32_t* pPos, QD_DOC_PS* pDoc,
                std::uint32_t dwFlags) {
    if (qtd > 0 && (!pPos || !pDoc)) return platform::E_POINTER;
    if (qtd > 0) std::memset(static_cast<void*>(pDoc), 0, std::size_t{qtd} * sizeof *pDoc);
    // The reply's array of `qtd` records; each document adds the blocks of its parts.
    QDOrcamentoResposta orcamento(platform::idl::EmptyBlockWireSize<QD_DOC_PS>(qtd));
    if (!orcamento.Cabe()) return platform::E_OUTOFMEMORY;
    const std::span<const std::uint32_t> posicoes(pPos, qtd);
    Leitura leitura(sessao, dwFlags);
    if (const HRESULT hr = leitura.Abre(posicoes); FAILED(hr)) return hr;
    for (std::uint32_t i = 0; i < qtd; ++i) {
        if (const HRESULT hr = leitura.Le(posicoes[i], pDoc[i]); FAILED(hr)) return hr;
        if (orcamento.SomaBlocos(pDoc[i])) continue;
        for (std::uint32_t j = 0; j <= i; ++j) Esvazia(pDoc[j]);
        return platform::E_OUTOFMEMORY;
    }
    return platform::S_OK;
}
