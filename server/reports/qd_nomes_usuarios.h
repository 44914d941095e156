// CQDNomesUsuarios (nomes de usuários: user names): the names of the company's users as the
// reports print them, through a user connection of the suite bound to the session.
//
// The connection has error handling and messages off: a user that cannot be read has an empty
// name and never fails a report. Names read once are kept. One thread.
#pragma once

#include "outside/conexo/conexao_usuario.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <map>

class CQDNomesUsuarios {
public:
    CQDNomesUsuarios();
    // Binds the connection to the company path, user and session number of the session. A failed
    // binding leaves every name empty.
    void Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao);
    // The name of user `iCodigo`; empty when it cannot be read.
    [[nodiscard]] CZTString Nome(std::uint16_t iCodigo);
    // The names of `qtd` users at `pCodigos`, joined by "; ".
    [[nodiscard]] CZTString Nomes(std::uint32_t qtd, const std::uint16_t* pCodigos);

private:
    CConexaoUsuario m_conexao;
    std::map<std::uint16_t, CZTString> m_nomes;
};
