#include "outside/pendora/qd_batch_grava_log.h"

#include <new>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes CopiaBytes(const void* pData, std::uint32_t cbData) {
    if (cbData == 0) return {};
    const auto* inicio = static_cast<const std::uint8_t*>(pData);
    return Bytes(inicio, inicio + cbData);
}

// The pointer an entry carries for its bytes: null when there are none.
std::uint8_t* Ponteiro(Bytes& bytes) { return bytes.empty() ? nullptr : bytes.data(); }

bool ItensValidos(std::uint32_t nQtdPtrs, const QD_LOG_PTRS_PS* pPtrs) {
    if (nQtdPtrs != 0 && !pPtrs) return false;
    for (std::uint32_t i = 0; i < nQtdPtrs; ++i) {
        if (pPtrs[i].cbData != 0 && !pPtrs[i].pData) return false;
    }
    return true;
}

}  // namespace

struct CQDBatchGravaLog::Entrada {
    Bytes dados;
    std::vector<QD_LOG_PTRS_PS> itens;
    std::vector<Bytes> dadosItens;
};

CQDBatchGravaLog::CQDBatchGravaLog() = default;
CQDBatchGravaLog::~CQDBatchGravaLog() = default;
CQDBatchGravaLog::CQDBatchGravaLog(CQDBatchGravaLog&&) noexcept = default;
CQDBatchGravaLog& CQDBatchGravaLog::operator=(CQDBatchGravaLog&&) noexcept = default;

platform::HRESULT CQDBatchGravaLog::Add(QD_E_OPERACAO_LOG eOperacao, std::uint32_t lPosicao, const void* pData,
                                        std::uint32_t cbData, std::uint32_t nQtdPtrs, const QD_LOG_PTRS_PS* pPtrs) {
    if (cbData != 0 && !pData) return platform::E_INVALIDARG;
    if (!ItensValidos(nQtdPtrs, pPtrs)) return platform::E_INVALIDARG;
    try {
        auto entrada = std::make_unique<Entrada>();
        entrada->dados = CopiaBytes(pData, cbData);
        entrada->dadosItens.reserve(nQtdPtrs);
        entrada->itens.reserve(nQtdPtrs);
        for (std::uint32_t i = 0; i < nQtdPtrs; ++i) {
            Bytes& dadosItem = entrada->dadosItens.emplace_back(CopiaBytes(pPtrs[i].pData, pPtrs[i].cbData));
            QD_LOG_PTRS_PS item{};
            item.eType = pPtrs[i].eType;
            item.cbData = pPtrs[i].cbData;
            item.pData = Ponteiro(dadosItem);
            entrada->itens.push_back(item);
        }

        QD_LOG_PS log{};
        log.eOperacao = eOperacao;
        log.lPosicao = lPosicao;
        log.cbLogData = cbData;
        log.pLogData = Ponteiro(entrada->dados);
        log.nQtdPtrs = nQtdPtrs;
        log.pPtrs = entrada->itens.empty() ? nullptr : entrada->itens.data();

        m_logs.reserve(m_logs.size() + 1);  // the one step that may fail comes before the entry is kept
        m_entradas.push_back(std::move(entrada));
        m_logs.push_back(log);
    } catch (const std::bad_alloc&) {
        return platform::E_OUTOFMEMORY;
    }
    return platform::S_OK;
}

std::uint32_t CQDBatchGravaLog::GetQtd() const { return static_cast<std::uint32_t>(m_logs.size()); }

QD_BATCH_GRAVA_LOG_PS CQDBatchGravaLog::GetPS() const {
    QD_BATCH_GRAVA_LOG_PS batch{};
    batch.qtd = GetQtd();
    batch.pLogs = m_logs.empty() ? nullptr : const_cast<QD_LOG_PS*>(m_logs.data());
    return batch;
}
