// Shared helpers of the operations-log tests: batches built from plain descriptions (the arrays
// that QD_BATCH_GRAVA_LOG_PS points to live here), a reading of the entries as the same
// descriptions, and little-endian numbers at byte offsets of the log's bytes.
#pragma once

#include "server/idl/records.h"
#include "server/log/qd_log_entrada.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace kelvo::testing {

// One log entry as a test describes it.
struct LogItem {
    QD_E_TYPE_LOG_PTRS tipo;
    std::string bytes;
    bool operator==(const LogItem&) const = default;
};
struct LogEntry {
    QD_E_OPERACAO_LOG operacao;
    std::uint32_t posicao = 0;
    std::string dados;
    std::vector<LogItem> itens;
    bool operator==(const LogEntry&) const = default;
};

// A batch over the given entries, with the client's own time and user filled in (the server
// must ignore them). Holds the arrays the record points to: neither copied nor moved.
class LogBatch {
public:
    explicit LogBatch(std::vector<LogEntry> entradas, std::uint32_t tempoCliente = 0x5A5A5A5A,
                      std::uint16_t usuarioCliente = 0xBEEF)
        : entradas_(std::move(entradas)) {
        itens_.resize(entradas_.size());
        for (std::size_t i = 0; i < entradas_.size(); ++i) {
            LogEntry& entrada = entradas_[i];
            for (LogItem& item : entrada.itens) {
                QD_LOG_PTRS_PS ps{};
                ps.eType = item.tipo;
                ps.cbData = static_cast<std::uint32_t>(item.bytes.size());
                ps.pData = item.bytes.empty() ? nullptr : reinterpret_cast<std::uint8_t*>(item.bytes.data());
                itens_[i].push_back(ps);
            }
            QD_LOG_PS log{};
            log.eOperacao = entrada.operacao;
            log.lPosicao = entrada.posicao;
            log.iUsuario = usuarioCliente;
            log.dataGravacaoLog = tempoCliente;
            log.cbLogData = static_cast<std::uint32_t>(entrada.dados.size());
            log.pLogData = entrada.dados.empty() ? nullptr : reinterpret_cast<std::uint8_t*>(entrada.dados.data());
            log.nQtdPtrs = static_cast<std::uint32_t>(itens_[i].size());
            log.pPtrs = itens_[i].empty() ? nullptr : itens_[i].data();
            logs_.push_back(log);
        }
        batch_.qtd = static_cast<std::uint32_t>(logs_.size());
        batch_.pLogs = logs_.empty() ? nullptr : logs_.data();
    }
    LogBatch(const LogBatch&) = delete;
    LogBatch& operator=(const LogBatch&) = delete;

    [[nodiscard]] const QD_BATCH_GRAVA_LOG_PS& Get() const { return batch_; }
    [[nodiscard]] const std::vector<LogEntry>& Entradas() const { return entradas_; }

private:
    std::vector<LogEntry> entradas_;
    std::vector<std::vector<QD_LOG_PTRS_PS>> itens_;
    std::vector<QD_LOG_PS> logs_;
    QD_BATCH_GRAVA_LOG_PS batch_{};
};

// `count` bytes of a pattern that differs per `seed`, so that swapped or shifted bytes show.
inline std::string Bytes(std::size_t count, int seed) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(seed) * 31 + 1) & 0xFF);
    return bytes;
}

// The entry a holder read back, described like the written ones; its pointers must be null
// exactly where there is nothing.
inline LogEntry Describe(const CQDLogEntrada& holder) {
    const QD_LOG_PS& log = holder.GetLog();
    EXPECT_EQ(log.pLogData == nullptr, log.cbLogData == 0);
    EXPECT_EQ(log.pPtrs == nullptr, log.nQtdPtrs == 0);
    LogEntry entrada{log.eOperacao, log.lPosicao, {}, {}};
    if (log.cbLogData != 0) entrada.dados.assign(reinterpret_cast<const char*>(log.pLogData), log.cbLogData);
    for (std::uint32_t i = 0; i < log.nQtdPtrs; ++i) {
        const QD_LOG_PTRS_PS& item = log.pPtrs[i];
        EXPECT_EQ(item.pData == nullptr, item.cbData == 0);
        LogItem descrito{item.eType, {}};
        if (item.cbData != 0) descrito.bytes.assign(reinterpret_cast<const char*>(item.pData), item.cbData);
        entrada.itens.push_back(std::move(descrito));
    }
    return entrada;
}

// Little-endian numbers at a byte offset.
inline std::uint32_t U32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes.at(offset + static_cast<std::size_t>(i)));
    return value;
}
inline std::uint16_t U16At(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes.at(offset)) |
                                      static_cast<std::uint8_t>(bytes.at(offset + 1)) << 8);
}
inline std::string LittleEndian32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

}  // namespace kelvo::testing
