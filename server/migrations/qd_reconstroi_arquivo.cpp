#include "server/migrations/qd_reconstroi_arquivo.h"

#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_arq_causas.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/record_file/qd_resultado_arq.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

using platform::HRESULT;

// The header of the main file; a file too short to hold one counts as a zero header.
int LeCabecalho(CZTArqEx& origem, std::vector<std::uint8_t>& cabecalho) {
    const int codigo = origem.ReadRecord(0, cabecalho.data());
    if (codigo == ZT_ERR_ARQ_FIM) {
        std::fill(cabecalho.begin(), cabecalho.end(), 0);
        return 0;
    }
    return codigo;
}

int CopiaRegistros(CZTArqEx& origem, CZTArqEx& copia, const QDReconstrucao& r) {
    const std::int64_t quantidade = origem.RecordCount();
    if (quantidade > std::numeric_limits<std::int32_t>::max()) return ZT_ERR_ARQ_POSICIONAMENTO;
    std::vector<std::uint8_t> lido(r.nTamOrigem);
    std::vector<std::uint8_t> convertido(r.nTamDestino);
    for (std::int32_t posicao = 1; posicao <= quantidade; ++posicao) {
        if (const int codigo = origem.ReadRecord(posicao, lido.data())) return codigo;
        std::fill(convertido.begin(), convertido.end(), 0);
        r.converte(posicao, lido.data(), convertido.data());
        std::int32_t escrito = 0;
        if (const int codigo = copia.WriteRecord(convertido.data(), escrito)) return codigo;
        // Documents and locations are named by position everywhere: none may move.
        if (escrito != posicao) return ZT_ERR_ARQ_INVALIDO;
    }
    return 0;
}

int Descarrega(CZTArqEx& arquivo) {
    try {
        arquivo.Flush();
    } catch (const platform::FileException& erro) {
        return ZTCodigoCausaArq(ZTOperacaoArq::Gravacao, erro.m_cause);
    }
    return 0;
}

// Step 4: the converted copy at `caminho`, signed last.
int EscreveCopia(CZTArqEx& origem, const CZTString& caminho, const QDReconstrucao& r) {
    CZTArqEx copia;
    if (const int codigo = copia.Open(caminho, 'C', r.nTamDestino, false, true)) return codigo;
    std::vector<std::uint8_t> cabecalhoOrigem(r.nTamOrigem);
    if (const int codigo = LeCabecalho(origem, cabecalhoOrigem)) return codigo;
    std::vector<std::uint8_t> cabecalho(r.nTamDestino, 0);
    r.converte(0, cabecalhoOrigem.data(), cabecalho.data());
    if (const int codigo = copia.WriteHeader(cabecalho.data(), r.nTamDestino)) return codigo;
    if (const int codigo = CopiaRegistros(origem, copia, r)) return codigo;
    QDPoeAssinatura(r.arquivos.assinatura, cabecalho.data(), r.nTamDestino);
    if (const int codigo = copia.WriteHeader(cabecalho.data(), r.nTamDestino)) return codigo;
    if (const int codigo = Descarrega(copia)) return codigo;
    return copia.CloseEx();
}

// Step 5.
HRESULT Troca(IQDOperacoesArquivo& operacoes, const CZTString& principal, const CZTString& original,
              const CZTString& copia) {
    if (const HRESULT hr = QDHResultOperacao(operacoes.Renomeia(principal, original)); platform::FAILED(hr)) return hr;
    const platform::FileError erro = operacoes.Renomeia(copia, principal);
    if (!erro.Failed()) return platform::S_OK;
    // Never leave the company without its file; should this fail too, the next run restores it
    // from the original (qd_sobras_conversao.h).
    (void)operacoes.Renomeia(original, principal);
    return QDHResultOperacao(erro);
}

}  // namespace

HRESULT QDReconstroiArquivo(CQDContextoMigracao& contexto, const QDReconstrucao& r, QDEstadoReconstrucao& estado) {
    IQDOperacoesArquivo& operacoes = contexto.Operacoes();
    if (const HRESULT hr = QDRecuperaSobras(operacoes, contexto.Pasta(), r.arquivos); platform::FAILED(hr)) return hr;

    const CZTString principal = contexto.Caminho(r.arquivos.pszPrincipal);
    CZTArqEx origem;
    if (const int codigo = origem.Open(principal, 'G', r.nTamOrigem, true, true)) return QDHResultArq(codigo);
    if (QDArquivoAssinado(principal, r.arquivos.assinatura)) {
        estado = QDEstadoReconstrucao::JaReconstruido;
        return platform::S_OK;
    }

    const CZTString copia = contexto.Caminho(r.arquivos.pszCopia);
    if (const int codigo = EscreveCopia(origem, copia, r)) return QDHResultArq(codigo);
    const CZTString original = contexto.Caminho(r.arquivos.pszOriginal);
    if (const HRESULT hr = Troca(operacoes, principal, original, copia); platform::FAILED(hr)) return hr;
    // The handle now belongs to the original; nothing was written through it.
    (void)origem.CloseEx();
    estado = QDEstadoReconstrucao::Reconstruido;
    return platform::S_OK;
}
