// CConexaoPlano (plano de contas: account plan): the least of the suite's account-plan
// connection that this system needs: the client library formats origin keys with it
// (QDFormataChave). This stand-in holds no plan data of its own; it is opened for a company
// or not, and keeps the error switches that every connection of the library has.
//
// Not copyable; one thread at a time.
#pragma once

#include "outside/conexo/conexao_usuario.h"

#include <cstdint>

class CConexaoPlano : public CConexaoConexo {
public:
    // Opens the plan of `szEmpresa` (the company path) for `iUsuario` and session
    // `lNumeroSessao`. S_OK; E_INVALIDARG for an empty or null company (the connection is then
    // closed, and the failure shown while both switches are on).
    platform::HRESULT Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao);
    // True after a successful Inicializa.
    [[nodiscard]] bool IsAberta() const { return platform::SUCCEEDED(Ligada()); }
};
