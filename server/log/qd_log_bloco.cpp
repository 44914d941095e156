#include "server/log/qd_log_bloco.h"

#include "server/log/qd_log_layout.h"

#include <cstring>

namespace {

using platform::E_INVALIDARG;
using platform::HRESULT;
using platform::S_OK;

// Adds `bytes` to `total` when the block stays within its bound.
bool Soma(std::uint64_t& total, std::uint64_t bytes) {
    if (bytes > kQDLogMaxBloco - total) return false;
    total += bytes;
    return true;
}

// The bytes that `log` takes in the block added to `total`; false for a count without its array
// or a block beyond the bound. Every loop stops at the bound: an item takes at least 8 bytes.
bool SomaEntrada(const QD_LOG_PS& log, std::uint64_t& total) {
    if (log.cbLogData != 0 && log.pLogData == nullptr) return false;
    if (log.nQtdPtrs != 0 && log.pPtrs == nullptr) return false;
    if (!Soma(total, sizeof(QD_LOG_ARQ)) || !Soma(total, log.cbLogData)) return false;
    if (!Soma(total, std::uint64_t{log.nQtdPtrs} * sizeof(QD_LOG_PTRS_ARQ))) return false;
    for (std::uint32_t i = 0; i < log.nQtdPtrs; ++i) {
        const QD_LOG_PTRS_PS& item = log.pPtrs[i];
        if (item.cbData != 0 && item.pData == nullptr) return false;
        if (!Soma(total, item.cbData)) return false;
    }
    return true;
}

// The size of the whole block; false when the batch is refused.
bool TamanhoBloco(const QD_BATCH_GRAVA_LOG_PS& batch, std::uint64_t& total) {
    total = 0;
    if (batch.qtd != 0 && batch.pLogs == nullptr) return false;
    if (batch.qtd > kQDLogMaxBloco / sizeof(QD_LOG_ARQ)) return false;
    for (std::uint32_t i = 0; i < batch.qtd; ++i) {
        if (!SomaEntrada(batch.pLogs[i], total)) return false;
    }
    return true;
}

// Copies into a block whose size was computed from the same batch.
class CEscritorBloco {
public:
    explicit CEscritorBloco(std::vector<std::uint8_t>& bloco) : m_bloco(bloco) {}
    void Poe(const void* origem, std::size_t bytes) {
        if (bytes == 0) return;
        std::memcpy(m_bloco.data() + m_posicao, origem, bytes);
        m_posicao += bytes;
    }

private:
    std::vector<std::uint8_t>& m_bloco;
    std::size_t m_posicao = 0;
};

void PoeEntrada(CEscritorBloco& escritor, const QD_LOG_PS& log, std::uint32_t agora, std::uint16_t usuario) {
    QD_LOG_ARQ cabecalho{};
    cabecalho.dataGravacaoLog = agora;
    cabecalho.cbLogData = log.cbLogData;
    cabecalho.nQtdPtrs = log.nQtdPtrs;
    cabecalho.eOperacao = static_cast<std::uint16_t>(log.eOperacao);
    cabecalho.iUsuario = usuario;
    cabecalho.lPosicao = log.lPosicao;
    escritor.Poe(&cabecalho, sizeof cabecalho);
    escritor.Poe(log.pLogData, log.cbLogData);
    for (std::uint32_t i = 0; i < log.nQtdPtrs; ++i) {
        const QD_LOG_PTRS_PS& item = log.pPtrs[i];
        const QD_LOG_PTRS_ARQ itemArq{static_cast<std::uint32_t>(item.eType), item.cbData};
        escritor.Poe(&itemArq, sizeof itemArq);
        escritor.Poe(item.pData, item.cbData);
    }
}

}  // namespace

HRESULT QDMontaBlocoLog(const QD_BATCH_GRAVA_LOG_PS& batch, std::uint32_t agora, std::uint16_t usuario,
                        std::vector<std::uint8_t>& bloco) {
    bloco.clear();
    std::uint64_t total = 0;
    if (!TamanhoBloco(batch, total)) return E_INVALIDARG;
    bloco.assign(static_cast<std::size_t>(total), 0);
    CEscritorBloco escritor(bloco);
    for (std::uint32_t i = 0; i < batch.qtd; ++i) PoeEntrada(escritor, batch.pLogs[i], agora, usuario);
    return S_OK;
}
