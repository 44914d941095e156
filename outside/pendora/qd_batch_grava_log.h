// CQDBatchGravaLog: the entries of the operations log that one operation writes together (batch;
// grava log: write the log), collected while the operation works and sent at its end with
// CConexaoGedSrv::GravaLog.
//
// Add copies the entry's data and items, so the caller's buffers may change or go away at once;
// the batch owns its copies until it ends. Entries keep the order of the Add calls. The writing
// time and the user of an entry are left 0: the server sets both. Move-only; not shared between
// threads.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>
#include <memory>
#include <vector>

class CQDBatchGravaLog {
public:
    CQDBatchGravaLog();
    ~CQDBatchGravaLog();
    CQDBatchGravaLog(CQDBatchGravaLog&&) noexcept;
    CQDBatchGravaLog& operator=(CQDBatchGravaLog&&) noexcept;
    CQDBatchGravaLog(const CQDBatchGravaLog&) = delete;
    CQDBatchGravaLog& operator=(const CQDBatchGravaLog&) = delete;

    // Appends an entry: operation, position of the record concerned, cbData bytes of pData and
    // nQtdPtrs items of pPtrs (each item's cbData bytes of its pData). S_OK; E_INVALIDARG when a
    // length promises bytes behind a null pointer, E_OUTOFMEMORY; nothing is added on failure.
    [[nodiscard]] platform::HRESULT Add(QD_E_OPERACAO_LOG eOperacao, std::uint32_t lPosicao, const void* pData,
                                        std::uint32_t cbData, std::uint32_t nQtdPtrs, const QD_LOG_PTRS_PS* pPtrs);

    // The number of entries.
    [[nodiscard]] std::uint32_t GetQtd() const;

    // The batch as the interface passes it; it points into the batch and stays valid until the
    // next Add or the batch's end.
    [[nodiscard]] QD_BATCH_GRAVA_LOG_PS GetPS() const;

private:
    struct Entrada;

    std::vector<std::unique_ptr<Entrada>> m_entradas;  // the copies; their addresses never move
    std::vector<QD_LOG_PS> m_logs;                     // one per entry, pointing into m_entradas
};
