// CQDLogEntrada: one entry read back from the operations log, holding its data and items.
//
// GetLog() shows the entry as the interface's QD_LOG_PS, whose data and item pointers point into
// buffers that this holder owns (null where there are no bytes or no items); they stay valid while
// the holder lives and is not refilled, also after it is moved (the buffers move with it; the
// moved-from holder is left empty). Not copyable. One thread at a time.
#pragma once

#include "server/idl/records.h"

#include <cstdint>
#include <vector>

class CQDLogEntrada {
public:
    CQDLogEntrada() = default;
    CQDLogEntrada(CQDLogEntrada&& outra) noexcept;
    CQDLogEntrada& operator=(CQDLogEntrada&& outra) noexcept;
    CQDLogEntrada(const CQDLogEntrada&) = delete;
    CQDLogEntrada& operator=(const CQDLogEntrada&) = delete;
    ~CQDLogEntrada() = default;

    // The entry: operation, position, user, time, data and items.
    [[nodiscard]] const QD_LOG_PS& GetLog() const { return m_log; }

    // Filling, by the log reader. Starts the entry over with these values, no data and no items.
    void Inicia(QD_E_OPERACAO_LOG operacao, std::uint32_t posicao, std::uint16_t usuario, std::uint32_t data);
    // Sizes the data to `bytes` zero bytes; where they go.
    [[nodiscard]] std::uint8_t* AlocaDados(std::uint32_t bytes);
    // Adds an item of `tipo` with `bytes` zero bytes; where they go.
    [[nodiscard]] std::uint8_t* AdicionaItem(QD_E_TYPE_LOG_PTRS tipo, std::uint32_t bytes);

private:
    // Points the record at the buffers.
    void Liga();

    QD_LOG_PS m_log{};
    std::vector<std::uint8_t> m_dados;
    std::vector<QD_LOG_PTRS_PS> m_itens;
    std::vector<std::vector<std::uint8_t>> m_dadosItens;  // the bytes of m_itens[i]
};
