// What the one-time conversions wait and work with ("ambiente": surroundings): the ticker and the
// deadline with which the database lock is waited for, and the operations on whole files.
//
// The real ones are the system ticker, the lock mark's 50 seconds and the platform's file
// operations; a test installs its own (a fake ticker, so that a busy lock is given up at once; a
// file layer that fails a rename). Process-wide; read once at the start of every run; installed
// and read on the server's one thread. The installed ticker and operations must outlive their use.
#pragma once

#include "platform/system/tick_count.h"
#include "server/lock/zt_arq_marca.h"
#include "server/migrations/qd_operacoes_arquivo.h"

#include <cstdint>

struct QDAmbienteMigracoes {
    platform::Ticker* relogio = nullptr;                        // null: the system ticker
    std::uint64_t prazoTravaMs = CZTArqMarca::kPrazoPadraoMs;   // how long a busy lock is waited for
    IQDOperacoesArquivo* operacoes = nullptr;                    // null: QDOperacoesArquivoPadrao()
};

// Installs `ambiente` for the runs that start from now on; returns the one it replaces.
QDAmbienteMigracoes QDDefineAmbienteMigracoes(const QDAmbienteMigracoes& ambiente);
// The one installed now.
[[nodiscard]] QDAmbienteMigracoes QDAmbienteMigracoesAtual();
