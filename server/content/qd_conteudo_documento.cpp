#include "server/content/qd_conteudo_documento.h"

#include "platform/com/task_allocator.h"
#include "platform/crypto/crypto.h"
#include "platform/file/file_operations.h"
#include "server/content/qd_arquivo_conteudo.h"
#include "server/content/qd_conteudo_provisorio.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/content/zt_crypto.h"

#include <cstring>

using platform::FAILED;
using platform::HRESULT;
using platform::SUCCEEDED;

namespace {

// The path of the document's content, or the reason there is none.
HRESULT Caminho(const QDConteudoSessao& sessao, std::uint32_t lPosicao, std::string_view nomeOriginal, CZTString& caminho) {
    if (sessao.bUsaEncriptacao && !sessao.pCrypto) return platform::E_UNEXPECTED;
    caminho = QDCaminhoConteudo(sessao.strDiretorio, lPosicao, nomeOriginal);
    return caminho.IsEmpty() ? platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND) : platform::S_OK;
}

// The crypto object's error as a failure HRESULT (never S_OK, even when it names none).
HRESULT HrDaCriptografia(const CCrypto& crypto) {
    const HRESULT hr = platform::HResultFromCryptoError(crypto.GetUltimoErro());
    return FAILED(hr) ? hr : platform::E_FAIL;
}

HRESULT Decifra(CCrypto& crypto, void** ppBuffer, std::uint32_t* pTamanho) {
    const CZTByteArray cifra(*ppBuffer, *pTamanho);
    platform::CoTaskMemFree(*ppBuffer);
    *ppBuffer = nullptr;
    *pTamanho = 0;
    CZTByteArray plano;
    if (!crypto.DecryptObject(cifra, plano)) return HrDaCriptografia(crypto);
    void* buffer = platform::CoTaskMemAlloc(plano.GetSize());
    if (!buffer) return platform::E_OUTOFMEMORY;
    if (plano.GetSize() > 0) std::memcpy(buffer, plano.GetData(), plano.GetSize());
    platform::SecureZero(plano.Bytes().data(), plano.GetSize());
    *ppBuffer = buffer;
    *pTamanho = static_cast<std::uint32_t>(plano.GetSize());
    return platform::S_OK;
}

// Writes `caminho` whole with `tamanho` bytes and closes it.
HRESULT GravaArquivoInteiro(const char* caminho, const void* pBuffer, std::size_t tamanho) {
    platform::File arquivo;
    if (const HRESULT hr = QDAbreArquivoConteudo(caminho, 'G', arquivo); FAILED(hr)) return hr;
    if (const HRESULT hr = QDGravaArquivoConteudo(arquivo, pBuffer, tamanho); FAILED(hr)) return hr;
    try {
        arquivo.Close();
    } catch (const platform::FileException& excecao) {
        return platform::HResultFromWin32(QDErroDoArquivo(excecao));
    }
    return platform::S_OK;
}

}  // namespace

HRESULT QDLeConteudoDocumento(const QDConteudoSessao& sessao, std::uint32_t lPosicao, std::string_view nomeOriginal,
                              void** ppBuffer, std::uint32_t* pTamanho) {
    if (!ppBuffer || !pTamanho) return platform::E_POINTER;
    *ppBuffer = nullptr;
    *pTamanho = 0;
    CZTString caminho;
    if (const HRESULT hr = Caminho(sessao, lPosicao, nomeOriginal, caminho); FAILED(hr)) return hr;
    platform::File arquivo;
    if (const HRESULT hr = QDAbreArquivoConteudo(caminho, 'L', arquivo); FAILED(hr)) return hr;
    const HRESULT hr = QDLeArquivoConteudo(arquivo, ppBuffer, pTamanho);
    arquivo.Abort();
    if (FAILED(hr) || !sessao.bUsaEncriptacao) return hr;
    return Decifra(*sessao.pCrypto, ppBuffer, pTamanho);
}

HRESULT QDGravaConteudoDocumento(const QDConteudoSessao& sessao, std::uint32_t lPosicao, std::string_view nomeOriginal,
                                 const void* pBuffer, std::uint32_t tamanho) {
    if (!pBuffer && tamanho > 0) return platform::E_POINTER;
    CZTString caminho;
    if (const HRESULT hr = Caminho(sessao, lPosicao, nomeOriginal, caminho); FAILED(hr)) return hr;
    CZTByteArray cifra;
    if (sessao.bUsaEncriptacao) {
        CZTByteArray plano(pBuffer, tamanho);
        if (!sessao.pCrypto->EncryptObject(plano, cifra)) return HrDaCriptografia(*sessao.pCrypto);
        pBuffer = cifra.GetData();
    }
    const std::size_t gravar = sessao.bUsaEncriptacao ? cifra.GetSize() : tamanho;
    const CZTString novo = QDCaminhoConteudoNovo(caminho);
    HRESULT hr = GravaArquivoInteiro(novo, pBuffer, gravar);
    if (SUCCEEDED(hr)) hr = QDPoeConteudoNoLugar(QDOperacoesArquivoPadrao(), novo, caminho);
    if (FAILED(hr)) (void)platform::DeleteFile(novo);
    return hr;
}

HRESULT QDApagaConteudoDocumento(const QDConteudoSessao& sessao, std::uint32_t lPosicao, std::string_view nomeOriginal) {
    const CZTString caminho = QDCaminhoConteudo(sessao.strDiretorio, lPosicao, nomeOriginal);
    if (caminho.IsEmpty()) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    return QDApagaArquivoConteudo(caminho);
}

