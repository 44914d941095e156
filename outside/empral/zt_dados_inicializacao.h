// CZTDadosInicializacao (start-up data): what the company library tells a program about the
// session in which it opens a company: the session number, the user's name, supervisor flag,
// rights and Enter option, the company name and its 64-byte systems block.
//
// BuscaDados finds the session: with session number 0, or when a choice of company was made
// (CZTEmp::GetEmpresaEx) since the session was opened, it opens a new session for the chosen
// user; otherwise it reads the given session back. A session that is missing, belongs to
// another system account or another company, or whose user is gone gives empty data: no name,
// no supervisor, no rights, session 0, which every access test refuses. This build does not
// authenticate users; the registry store's file permissions are the boundary.
// User-interface thread only.
#pragma once

#include "outside/conexo/conexo_direitos.h"
#include "outside/conexo/conexo_empresa.h"
#include "outside/conexo/regusu_ps.h"
#include "outside/empral/zt_parametro_inicializacao.h"

#include <cstdint>
#include <vector>

class CZTDadosInicializacao {
public:
    // Fills the data for `parametros` (see above); the three options are the document's and
    // change nothing here. True when the session's data was found, false when it is empty.
    bool BuscaDados(CZTParametroInicializacao parametros, int iOpcao1, int iOpcao2, int iOpcao3);

    // Whether the user holds right `iCodigo` of this module (21).
    [[nodiscard]] bool GetTemAcesso(std::uint16_t iCodigo) const;
    // Whether the user holds one of the parameters' access codes of this module; without codes,
    // any right of this module.
    [[nodiscard]] bool GetTemAcesso() const;

    [[nodiscard]] const CONEXO_TIPOS_SISTEMAS& GetTipoSistemas() const { return m_tiposSistemas; }
    [[nodiscard]] std::int32_t GetNumeroSecao() const { return m_lNumeroSecao; }
    [[nodiscard]] CZTString GetRazaoSocial() const { return m_strRazaoSocial; }
    [[nodiscard]] bool GetSupervisor() const { return m_usuario.bSupervisor != 0; }
    [[nodiscard]] CZTString GetNomeUsuario() const { return CZTString(m_usuario.szNome); }
    [[nodiscard]] bool GetTestarEnter() const { return m_bTestarEnter; }

private:
    // The session's user, or nothing: which session the parameters stand for.
    [[nodiscard]] static bool AchaSessao(const CZTParametroInicializacao& parametros, std::int32_t& lNumeroSecao,
                                         std::uint16_t& iUsuario);
    // Reads the user's and company's data; false (and nothing kept) when any of it fails.
    bool LeDados(const char* szEmpresa, std::uint16_t iUsuario);
    void Esvazia();

    REGUSU_PS m_usuario;
    std::vector<CONEXO_DIREITO> m_direitos;
    std::vector<std::uint16_t> m_controles;
    bool m_bTestarEnter = false;
    CZTString m_strRazaoSocial;
    CONEXO_TIPOS_SISTEMAS m_tiposSistemas{};
    std::int32_t m_lNumeroSecao = 0;
};
