#include "server/log/qd_log_entrada.h"

#include <utility>

// A moved vector keeps its buffer, so the copied pointers of the record stay right.
CQDLogEntrada::CQDLogEntrada(CQDLogEntrada&& outra) noexcept
    : m_log(std::exchange(outra.m_log, QD_LOG_PS{})),
      m_dados(std::move(outra.m_dados)),
      m_itens(std::move(outra.m_itens)),
      m_dadosItens(std::move(outra.m_dadosItens)) {}

CQDLogEntrada& CQDLogEntrada::operator=(CQDLogEntrada&& outra) noexcept {
    if (this == &outra) return *this;
    m_log = std::exchange(outra.m_log, QD_LOG_PS{});
    m_dados = std::move(outra.m_dados);
    m_itens = std::move(outra.m_itens);
    m_dadosItens = std::move(outra.m_dadosItens);
    return *this;
}

void CQDLogEntrada::Inicia(QD_E_OPERACAO_LOG operacao, std::uint32_t posicao, std::uint16_t usuario,
                           std::uint32_t data) {
    m_dados.clear();
    m_itens.clear();
    m_dadosItens.clear();
    m_log = QD_LOG_PS{};
    m_log.eOperacao = operacao;
    m_log.lPosicao = posicao;
    m_log.iUsuario = usuario;
    m_log.dataGravacaoLog = data;
}

std::uint8_t* CQDLogEntrada::AlocaDados(std::uint32_t bytes) {
    m_dados.assign(bytes, 0);
    Liga();
    return m_dados.data();
}

std::uint8_t* CQDLogEntrada::AdicionaItem(QD_E_TYPE_LOG_PTRS tipo, std::uint32_t bytes) {
    std::vector<std::uint8_t>& dados = m_dadosItens.emplace_back(bytes, std::uint8_t{0});
    QD_LOG_PTRS_PS& item = m_itens.emplace_back();
    item.eType = tipo;
    item.cbData = bytes;
    item.pData = bytes != 0 ? dados.data() : nullptr;
    Liga();
    return dados.data();
}

void CQDLogEntrada::Liga() {
    m_log.cbLogData = static_cast<std::uint32_t>(m_dados.size());
    m_log.pLogData = m_dados.empty() ? nullptr : m_dados.data();
    m_log.nQtdPtrs = static_cast<std::uint32_t>(m_itens.size());
    m_log.pPtrs = m_itens.empty() ? nullptr : m_itens.data();
}
