#include "server/log/qd_percorre_log.h"

#include "server/log/qd_log_layout.h"
#include "server/record_file/zt_arq_ex.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

using platform::HRESULT;
using platform::HResultFromMessage;
using platform::S_OK;

constexpr std::uint32_t kBufferLeitura = 32768;
constexpr std::uint64_t kPrimeiraEntrada = 1;  // after the layer's header byte
// An entry that runs past the end of the file: the log ends before it.
constexpr HRESULT kCaudaRasgada = platform::S_FALSE;

// Sequential reads of the log from its first entry up to the length it had when reading began,
// through a buffer of its own, so that a log of many small entries costs few reads.
class CLeitorLog {
public:
    CLeitorLog(CZTArqEx& arquivo, std::uint64_t comprimento)
        : m_arquivo(arquivo), m_naoLidos(comprimento - kPrimeiraEntrada), m_buffer(kBufferLeitura) {}

    // Bytes not handed out yet, buffered or still in the file.
    [[nodiscard]] std::uint64_t Restantes() const { return m_naoLidos + (m_validos - m_inicio); }
    // Copies the next `bytes` bytes (at most Restantes()) to `destino`: 0 or the read's code.
    [[nodiscard]] int Le(void* destino, std::uint64_t bytes);

private:
    CZTArqEx& m_arquivo;
    std::uint64_t m_naoLidos;   // bytes of the file not read into the buffer yet
    std::vector<char> m_buffer;
    std::size_t m_inicio = 0;   // next byte of the buffer to hand out
    std::size_t m_validos = 0;  // bytes read into the buffer
};

int CLeitorLog::Le(void* destino, std::uint64_t bytes) {
    auto* saida = static_cast<char*>(destino);
    // Each round hands out at least one byte of the `bytes` asked for.
    while (bytes > 0) {
        if (m_inicio == m_validos) {
            const auto pedidos = static_cast<std::uint32_t>(std::min<std::uint64_t>(kBufferLeitura, m_naoLidos));
            if (pedidos == 0) return ZT_ERR_ARQ_FIM;
            if (const int codigo = m_arquivo.ReadBytes(pedidos, m_buffer.data())) return codigo;
            m_inicio = 0;
            m_validos = pedidos;
            m_naoLidos -= pedidos;
        }
        const std::size_t copiados = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, m_validos - m_inicio));
        std::memcpy(saida, m_buffer.data() + m_inicio, copiados);
        saida += copiados;
        m_inicio += copiados;
        bytes -= copiados;
    }
    return 0;
}

// Reading one entry: the bytes it has used so far, checked first against the largest entry (a
// length beyond it is damage) and then against what the log still holds (beyond that the tail is
// torn).
class CLeituraEntrada {
public:
    explicit CLeituraEntrada(CLeitorLog& leitor) : m_leitor(leitor) {}

    // S_OK when `bytes` more bytes exist; kCaudaRasgada when the file ends first;
    // QD_E_LOG_DANIFICADO when they take the entry beyond the largest one.
    [[nodiscard]] HRESULT Cabe(std::uint64_t bytes) const {
        if (bytes > kQDLogMaxEntrada - m_usados) return QD_E_LOG_DANIFICADO;
        return bytes <= m_leitor.Restantes() ? S_OK : kCaudaRasgada;
    }
    // Reads `bytes` bytes: what Cabe() answers when it refuses them, kCaudaRasgada when the file
    // turns out shorter than its length said (cut back meanwhile), else S_OK or the read's failure.
    [[nodiscard]] HRESULT Le(void* destino, std::uint64_t bytes) {
        if (const HRESULT hr = Cabe(bytes); hr != S_OK) return hr;
        const int codigo = m_leitor.Le(destino, bytes);
        if (codigo == ZT_ERR_ARQ_FIM) return kCaudaRasgada;
        if (codigo != 0) return HResultFromMessage(codigo);
        m_usados += bytes;
        return S_OK;
    }

private:
    CLeitorLog& m_leitor;
    std::uint64_t m_usados = 0;
};

// The items grow one by one as their bytes are read, so what a damaged count makes the reader
// allocate is bounded by the bytes that really are in the file.
HRESULT LeItens(CLeituraEntrada& leitura, std::uint32_t quantidade, CQDLogEntrada& entrada) {
    if (const HRESULT hr = leitura.Cabe(std::uint64_t{quantidade} * sizeof(QD_LOG_PTRS_ARQ)); hr != S_OK) return hr;
    for (std::uint32_t i = 0; i < quantidade; ++i) {
        QD_LOG_PTRS_ARQ cabecalho{};
        if (const HRESULT hr = leitura.Le(&cabecalho, sizeof cabecalho); hr != S_OK) return hr;
        if (const HRESULT hr = leitura.Cabe(cabecalho.cbData); hr != S_OK) return hr;
        std::uint8_t* dados = entrada.AdicionaItem(static_cast<QD_E_TYPE_LOG_PTRS>(cabecalho.eType), cabecalho.cbData);
        if (const HRESULT hr = leitura.Le(dados, cabecalho.cbData); hr != S_OK) return hr;
    }
    return S_OK;
}

HRESULT LeEntrada(CLeitorLog& leitor, CQDLogEntrada& entrada) {
    CLeituraEntrada leitura(leitor);
    QD_LOG_ARQ cabecalho{};
    if (const HRESULT hr = leitura.Le(&cabecalho, sizeof cabecalho); hr != S_OK) return hr;
    entrada.Inicia(static_cast<QD_E_OPERACAO_LOG>(cabecalho.eOperacao), cabecalho.lPosicao, cabecalho.iUsuario,
                   cabecalho.dataGravacaoLog);
    if (const HRESULT hr = leitura.Cabe(cabecalho.cbLogData); hr != S_OK) return hr;
    if (const HRESULT hr = leitura.Le(entrada.AlocaDados(cabecalho.cbLogData), cabecalho.cbLogData); hr != S_OK) {
        return hr;
    }
    return LeItens(leitura, cabecalho.nQtdPtrs, entrada);
}

}  // namespace

HRESULT QDPercorreLog(CZTArqEx& arquivo, const std::function<void(CQDLogEntrada&&)>& recebe,
                      std::uint64_t& fimCompletas) {
    std::int64_t comprimento = 0;
    if (const int codigo = arquivo.SeekEx('F', 0, comprimento)) return HResultFromMessage(codigo);
    const auto bytes = static_cast<std::uint64_t>(comprimento);
    fimCompletas = std::min(bytes, kPrimeiraEntrada);
    if (bytes <= kPrimeiraEntrada) return S_OK;
    std::int64_t posicao = 0;
    if (const int codigo = arquivo.SeekEx('P', kPrimeiraEntrada, posicao)) return HResultFromMessage(codigo);
    CLeitorLog leitor(arquivo, bytes);
    // Bounded by the length: every complete entry takes at least its 40-byte header.
    while (leitor.Restantes() > 0) {
        CQDLogEntrada entrada;
        const HRESULT hr = LeEntrada(leitor, entrada);
        if (hr == kCaudaRasgada) return S_OK;
        if (hr != S_OK) return hr;
        fimCompletas = bytes - leitor.Restantes();
        recebe(std::move(entrada));
    }
    return S_OK;
}
