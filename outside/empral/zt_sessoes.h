// The sessions of the suite: numbered records of who opened a company, kept in the registry
// store so that every program of the machine started for that session (the command line's
// session number) finds the same user.
//
// A session is the key "SOFTWARE\Quorvel\Sessoes\<number>" of the local machine with "Usuario"
// (number), "Empresa" (text, the company code) and "Conta" (text, the system account that opened
// it). Numbers come from the counter "UltimaSessao" of "SOFTWARE\Quorvel\Sessoes", incremented
// under the store's lock: two processes never get the same number, and a number is never given
// again. No password is asked: the store's file permissions are the boundary. Safe from any
// thread and process.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>

struct ZT_SESSAO {
    std::uint16_t iUsuario = 0;
    CZTString strEmpresa;
    CZTString strConta;  // the system account that opened the session
};

// Opens a new session of `iUsuario` in `szEmpresa` for the account this process runs as and
// gives its number (1 or more) in `lNumeroSecao`. S_OK; E_INVALIDARG for an empty company;
// the account look-up's or the registry's error as HRESULT; ERROR_INVALID_DATA as HRESULT when
// the numbers ran out. `lNumeroSecao` changes only on S_OK.
[[nodiscard]] platform::HRESULT ZTAbreSessao(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t& lNumeroSecao);

// Reads session `lNumeroSecao`. S_OK; S_FALSE when there is no such session (or it is only half
// written); CONEXO_E_DADOS_INVALIDOS (conexo_dados.h) for a damaged one; the registry's error.
// `sessao` changes only on S_OK.
[[nodiscard]] platform::HRESULT ZTLeSessao(std::int32_t lNumeroSecao, ZT_SESSAO& sessao);

// The key of session `lNumeroSecao`.
[[nodiscard]] CZTString ZTChaveSessao(std::int32_t lNumeroSecao);
