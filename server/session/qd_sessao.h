// CQDSessao (sessão: session): the session state of one server object, which Inicializa opens:
// company, user, the data directory, the user's branches and rights, and the connection to the
// suite's user data.
//
// Owned by the server object (one per object) and used on the server's one thread. Every member
// is zero or empty until the first Inicializa; the user connection has its error handling and
// message display off from the start, so nothing is ever shown by the server.
#pragma once

#include "outside/conexo/conexao_usuario.h"
#include "outside/conexo/filiais_ativas.h"
#include "server/content/zt_crypto.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <memory>

struct CQDSessao {
    CQDSessao() {
        conexaoUsuario.SetTrataErros(false);
        conexaoUsuario.SetTratarMensagens(false);
    }

    CZTString strDiretorio;            // the company's data folder of this module
    CZTString strEmpresa;              // szEmpresa of the session record (company path)
    std::int32_t lNumeroSessao = 0;    // lNumeroSessao of the session record
    std::uint16_t iUsuario = 0;        // iUsuario of the session record (user)
    std::uint16_t iUsuarioPai = 0;     // the user's parent user (0 = none)
    std::uint8_t bAcessoTotal = 0;     // 1 = lists of allowed users are not applied
    FILIAIS_ATIVAS filiaisAtivas{};    // the user's active branches
    CConexaoUsuario conexaoUsuario;    // the suite's user data
    std::unique_ptr<CCrypto> pCrypto;  // keyed with branch 1's name; null until a start reaches it
};
