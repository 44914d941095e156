// REGUSU_PS (registro de usuário): one user of the suite as the user connection reads it.
//
// A plain value in memory (it never crosses the wire or lies in a file as bytes). Copyable.
#pragma once

#include <cstdint>

// Longest user name, in characters, without the terminator.
constexpr int CONEXO_TAM_NOME_USUARIO = 40;

struct REGUSU_PS {
    std::uint16_t iCodigo = 0;                    // the user's code
    std::uint16_t iCodigoPai = 0;                 // parent user (usuário pai) whose rights it follows; 0 = none
    std::uint8_t bSupervisor = 0;                 // 1 = supervisor
    char szNome[CONEXO_TAM_NOME_USUARIO + 1]{};   // name, Windows-1252, NUL-terminated
};
