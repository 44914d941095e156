#include "server/document/qd_miniaturas_doc.h"

#include "outside/pendora/qd_doc.h"
#include "platform/com/task_allocator.h"
#include "platform/crypto/crypto.h"
#include "platform/file/file_operations.h"
#include "platform/file/file_temp.h"
#include "platform/idl/value_codec.h"
#include "server/content/qd_conteudo_documento.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/document/qd_conteudo_doc.h"
#include "server/document/qd_doc_arq.h"
#include "server/document/qd_doc_conversao.h"
#include "server/document/qd_orcamento_resposta.h"
#include "server/record_file/qd_arq_t.h"
#include "server/thumbnail/thumbnail_extractor.h"
#include "server/thumbnail/thumbnail_size.h"
#include "server/record_file/qd_resultado_arq.h"
#include "util/file/zt_temp_file.h"

#include <cstring>
#include <string_view>

using platform::FAILED;
using platform::HRESULT;

namespace {

HRESULT DeErro(const platform::FileError& erro) { return platform::HResultFromWin32(erro.error); }

// The decrypted content of one document as a file of the temporary folder, for the extractor,
// which reads files only. The name is reserved as a new file of mode 0600 and then given the
// document's extension (the extractor chooses by it) by a rename that never replaces a file, so
// the plain content is never readable by other users nor written over someone else's file. Every
// file it made is removed when the object ends.
class CopiaTemporaria {
public:
    CopiaTemporaria() = default;
    ~CopiaTemporaria() { Remove(); }
    CopiaTemporaria(const CopiaTemporaria&) = delete;
    CopiaTemporaria& operator=(const CopiaTemporaria&) = delete;

    // Saves the decrypted content of the document at `lPosicao`. S_OK or the content's, the
    // temporary file's or the save's failure.
    HRESULT Salva(const QDConteudoSessao& conteudo, std::uint32_t lPosicao, std::string_view nomeOriginal) {
        CQDDoc doc;
        doc.SetPosicao(lPosicao);
        if (const HRESULT hr = QDLeConteudoDocumento(conteudo, lPosicao, nomeOriginal,
                                                     reinterpret_cast<void**>(&doc->pArquivo), &doc->cbArquivo);
            FAILED(hr)) {
            return hr;
        }
        const HRESULT hr = Grava(doc, nomeOriginal);
        if (doc->pArquivo) platform::SecureZero(doc->pArquivo, doc->cbArquivo);
        return hr;
    }

    // The saved file's path (Windows-1252).
    [[nodiscard]] const char* Caminho() const { return m_strItem.GetString(); }

private:
    // A reserved name whose twin with the extension is taken (left behind by a run that ended
    // abruptly) is given back and another one tried; a few tries are plenty among 65535 names.
    static constexpr int kTentativas = 8;

    HRESULT Grava(const CQDDoc& doc, std::string_view nomeOriginal) {
        if (const HRESULT hr = Reserva(QDExtensaoConteudo(nomeOriginal)); FAILED(hr)) return hr;
        return doc.SaveToFile(m_strItem.GetString());
    }

    // m_strItem: a new file of mode 0600 in the temporary folder ending in "." and `extensao`.
    HRESULT Reserva(const CZTString& extensao) {
        for (int tentativa = 0; tentativa < kTentativas; ++tentativa) {
            platform::String reserva;
            if (const platform::FileError erro = platform::CreateTempFile(ZTGetDiretorioTemp(), "QD", reserva);
                erro.Failed()) {
                return DeErro(erro);
            }
            m_strReserva = reserva;
            const CZTString item = m_strReserva + "." + extensao;
            const platform::FileError erro = platform::RenameFile(m_strReserva, item);
            if (!erro.Failed()) {
                m_strReserva.Empty();
                m_strItem = item;
                return platform::S_OK;
            }
            Remove();
            m_strReserva.Empty();
            if (erro.error != platform::ERROR_ALREADY_EXISTS) return DeErro(erro);
        }
        return platform::HResultFromWin32(platform::ERROR_FILE_EXISTS);
    }

    void Remove() {
        for (const CZTString* caminho : {&m_strReserva, &m_strItem}) {
            if (!caminho->IsEmpty()) (void)platform::DeleteFile(*caminho);  // nothing to report it to
        }
    }

    CZTString m_strReserva;  // the reserved name while it still names a file of ours
    CZTString m_strItem;     // the saved content
};

// The entries of one call; everything they hold is freed unless handed to the caller.
class Miniaturas {
public:
    Miniaturas() = default;
    ~Miniaturas() { platform::idl::Codec<QD_ARRAY_DOC_THUMBNAIL_PS>::Free(m_array); }
    Miniaturas(const Miniaturas&) = delete;
    Miniaturas& operator=(const Miniaturas&) = delete;

    // `qtd` empty entries; none (and no allocation) for 0.
    HRESULT Aloca(std::uint32_t qtd) {
        if (qtd == 0) return platform::S_OK;
        const std::size_t bytes = std::size_t{qtd} * sizeof(QD_DOC_THUMBNAIL_PS);
        void* bloco = platform::CoTaskMemAlloc(bytes);
        if (!bloco) return platform::E_OUTOFMEMORY;
        std::memset(bloco, 0, bytes);
        m_array.pThumbnails = static_cast<QD_DOC_THUMBNAIL_PS*>(bloco);
        m_array.qtd = qtd;
        return platform::S_OK;
    }

    // Entry `i` takes over the block of `dib` (not empty; a preview fits a message).
    [[nodiscard]] const QD_DOC_THUMBNAIL_PS& Preenche(std::uint32_t i, server::thumbnail::ThumbnailDib& dib) {
        QD_DOC_THUMBNAIL_PS& entrada = m_array.pThumbnails[i];
        entrada.cbThumbnail = static_cast<std::uint32_t>(dib.size());
        entrada.pThumbnail = dib.Release();
        return entrada;
    }

    void Entrega(QD_ARRAY_DOC_THUMBNAIL_PS& destino) {
        destino = m_array;
        m_array = {};
    }

private:
    QD_ARRAY_DOC_THUMBNAIL_PS m_array{};
};

// Draws the document at `lPosicao` into `dib`; `dib` stays empty for an entry left empty.
HRESULT Desenha(CQDArqT<QD_DOC_ARQ>& docs, const QDConteudoSessao& conteudo, std::uint32_t lPosicao,
                const tagSIZE& tamanho, server::thumbnail::ThumbnailDib& dib) {
    dib.clear();
    std::int32_t posicao = 0;
    if (const int codigo = QDPosicaoRegistro(lPosicao, posicao)) return QDHResultArq(codigo);
    QD_DOC_ARQ arq{};
    if (const int codigo = docs.ReadRecord(posicao, &arq)) return QDHResultArq(codigo);
    // A deleted document lost its content file, and one stored without content never had one.
    if ((arq.dwFlags & (QD_DOC_EXCLUIDO | QD_DOC_SEM_CONTEUDO)) != 0) return platform::S_OK;

    const std::string_view nomeOriginal = QDNomeOriginalDoc(arq);
    CopiaTemporaria copia;
    CZTString item;
    if (conteudo.bUsaEncriptacao) {
        if (const HRESULT hr = copia.Salva(conteudo, lPosicao, nomeOriginal); FAILED(hr)) return hr;
        item = copia.Caminho();
    } else {
        item = QDCaminhoConteudo(conteudo.strDiretorio, lPosicao, nomeOriginal);
    }
    const HRESULT hr = server::thumbnail::ExtractThumbnail(item.GetString(), tamanho, dib);
    if (hr == platform::E_NOTIMPL || hr == server::thumbnail::THUMBNAIL_E_UNDECODABLE) {
        dib.clear();
        return platform::S_OK;
    }
    return hr;
}

}  // namespace

HRESULT QDGetThumbnailsDoc(const QDSessaoDocs& sessao, std::uint32_t qtd, const std::uint32_t* pPos,
                           const tagSIZE& imgSize, QD_ARRAY_DOC_THUMBNAIL_PS* pArray) {
    if (!pArray) return platform::E_POINTER;
    *pArray = {};
    if (qtd > 0 && !pPos) return platform::E_POINTER;
    // Checked once here, so that the answer does not depend on which documents have contents.
    if (!server::thumbnail::IsThumbnailSizeValid(imgSize)) return platform::E_INVALIDARG;

    // The reply's array with `qtd` empty entries; each bitmap adds its block.
    QDOrcamentoResposta orcamento(platform::idl::Codec<QD_ARRAY_DOC_THUMBNAIL_PS>::kWireSize +
                                  (qtd == 0 ? 0 : platform::idl::EmptyBlockWireSize<QD_DOC_THUMBNAIL_PS>(qtd)));
    if (!orcamento.Cabe()) return platform::E_OUTOFMEMORY;

    Miniaturas miniaturas;
    if (const HRESULT hr = miniaturas.Aloca(qtd); FAILED(hr)) return hr;
    CQDArqT<QD_DOC_ARQ> docs(sessao.bind);
    if (const int codigo = docs.Open('L', true, true)) return QDHResultArq(codigo);
    QDConteudoSessao conteudo;
    if (const HRESULT hr = QDConteudoDaSessao(sessao.bind, sessao.pCrypto, conteudo); FAILED(hr)) return hr;

    for (std::uint32_t i = 0; i < qtd; ++i) {
        // A bitmap that would not fit the reply is refused before its pixels are drawn.
        server::thumbnail::ThumbnailDib dib(orcamento.LivreParaBloco());
        if (const HRESULT hr = Desenha(docs, conteudo, pPos[i], imgSize, dib); FAILED(hr)) return hr;
        if (dib.empty()) continue;
        if (!orcamento.SomaBlocos(miniaturas.Preenche(i, dib))) return platform::E_OUTOFMEMORY;
    }
    miniaturas.Entrega(*pArray);
    return platform::S_OK;
}
