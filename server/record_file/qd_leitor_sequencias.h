// CQDLeitorSequencias<T> (leitor de sequências: run reader): the runs of sub-records (field
// values, user codes; zt_sequencia.h) that a scan reads for one document after another.
//
// The same checks as ZTLeSequencia, without asking the file for its length at every run: the
// record count is taken at the open and taken again only when a run reaches past it (another
// process may have appended meanwhile). A run that does not lie wholly inside the file is the
// layer's 16021, before anything is allocated. Records come through a window of many records
// (zt_leitor_registros.h), so that runs met one after another cost one read between them.
// Built on the stack for one scan; the bind must outlive it. The server's one thread.
#pragma once

#include "server/record_file/qd_arq_t.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_leitor_registros.h"

#include <cstdint>
#include <vector>

class IQDArqBind;

template <class T>
class CQDLeitorSequencias {
public:
    explicit CQDLeitorSequencias(IQDArqBind& bind)
        : m_arquivo(bind), m_janela(m_arquivo, CZTLeitorRegistros::kBytesJanelaSequencias) {}

    // Opens T's file in mode 'L' (created when missing). 0 or the open's code.
    [[nodiscard]] int Abre() {
        if (const int erro = m_arquivo.Open('L', true, true)) return erro;
        m_nQtdRegistros = m_arquivo.RecordCount();
        return 0;
    }

    // The stamp of the open file (platform/file/file_stamp.h). 0 or the layer's code.
    [[nodiscard]] int Carimbo(platform::FileStampReading& carimbo) { return m_arquivo.Carimbo(carimbo); }

    // The `quantidade` records from `primeiro` into `registros` (empty for none). 0, 16021 for a
    // run outside the file, or the failing read's code; `registros` is empty on failure.
    [[nodiscard]] int Le(std::uint32_t primeiro, std::uint32_t quantidade, std::vector<T>& registros) {
        registros.clear();
        if (quantidade == 0) return 0;
        const std::int64_t ultima = static_cast<std::int64_t>(primeiro) + quantidade - 1;
        if (primeiro < 1 || ultima > m_nQtdRegistros) {
            m_nQtdRegistros = m_arquivo.RecordCount();
            if (primeiro < 1 || ultima > m_nQtdRegistros) return ZT_ERR_ARQ_FIM;
        }
        registros.resize(quantidade);
        for (std::uint32_t i = 0; i < quantidade; ++i) {
            if (const int erro = m_janela.Le(static_cast<std::int32_t>(primeiro + i), &registros[i])) {
                registros.clear();
                return erro;
            }
        }
        return 0;
    }

private:
    CQDArqT<T> m_arquivo;
    CZTLeitorRegistros m_janela;
    std::int64_t m_nQtdRegistros = 0;  // the record count as last asked
};
