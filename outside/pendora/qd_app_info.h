// CQDAppInfo: the client library's application information: the program's one connection to
// the document server, the session user's record and rights, the company's properties, and the
// rights test every program's commands use.
//
// The company start-up binds it (Inicializa) and reads the properties; closing the company
// releases it (Libera). PossuiAcesso grants every right when the all-rights rule holds
// (QDAcessoTotal: the properties give a supervisor all rights and the user is one, or the child
// of one), else the user's granted pairs. User-interface thread only.
#pragma once

#include "outside/conexo/conexo_direitos.h"
#include "outside/conexo/regusu_ps.h"
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_propriedades.h"

#include <cstdint>
#include <vector>

class CQDAppInfo {
public:
    // The program's one instance.
    [[nodiscard]] static CQDAppInfo* GetInstance();

    // Binds the connection to a server object of `szEmpresa` for the session, then reads the
    // user. Returns the connection's result; on failure nothing of the user is kept.
    platform::HRESULT Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSecao);
    // Reads user `iUsuario` of `szEmpresa`: its record, its rights and its parent user's record.
    // S_OK or Conexo's failure (the user and rights are then empty).
    platform::HRESULT LeUsuario(const char* szEmpresa, std::uint16_t iUsuario);
    // Reads the properties through the connection; the server's result.
    platform::HRESULT LePropriedades();
    // Releases the connection and forgets the user, the rights and the properties.
    void Libera();

    [[nodiscard]] CConexaoGedSrv& GetConexao() { return m_conexao; }
    [[nodiscard]] bool TemConexao() const { return m_conexao.IsLigada(); }
    [[nodiscard]] const REGUSU_PS& GetUsuario() const { return m_usuario; }
    [[nodiscard]] const CQDPropriedades& GetPropriedades() const { return m_propriedades; }

    // True when the user may use right `iDireito` of module `iModulo`.
    [[nodiscard]] bool PossuiAcesso(std::uint16_t iModulo, std::uint16_t iDireito) const;

    // Starts the module's program `szPrograma` detached, so that it opens the running program's
    // company, branch and session without asking; it runs on when this program ends. True once it
    // is started; a program that is not part of this installation or cannot be started is
    // reported to the user. Lives on the window side (outside/pendora/ui), which shows the
    // messages: only the programs call it, never the server.
    bool ExecutaPrograma(const char* szPrograma);

private:
    void EsqueceUsuario();

    CConexaoGedSrv m_conexao;
    REGUSU_PS m_usuario;
    REGUSU_PS m_pai;  // the parent user's record, when it could be read
    bool m_bTemPai = false;
    std::vector<CONEXO_DIREITO> m_direitos;
    CQDPropriedades m_propriedades;
};
