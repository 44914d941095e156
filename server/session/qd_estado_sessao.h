// QDEstadoSessao (estado da sessão: session state): whether a server object's session may serve
// its client. A session is open only after an Inicializa succeeded as a whole; while one runs, its
// own calls (the properties it reads, the migrations that write them) pass, and a failed one
// closes the session again, whatever an earlier one opened.
//
// Held by the server object and used on the server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/record_file/record_file_codes.h"

#include <cstdint>

enum class QDEstadoSessao : std::uint8_t {
    Fechada,  // no Inicializa yet, or the last one failed
    Abrindo,  // Inicializa runs
    Aberta,   // the last Inicializa succeeded
};

// What every call that reads or writes company data answers on a closed session: the code a
// record file without a data directory answers, as a connection that never opened one always has.
inline constexpr platform::HRESULT QD_E_SESSAO_FECHADA = platform::HResultFromMessage(ZT_ERR_ARQ_NOME_MODO);
