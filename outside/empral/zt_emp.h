// CZTEmp (empresa: company): the company library's choice of company, user and branch at a
// program's company start-up.
//
// GetEmpresaEx asks the installed chooser (the company dialog; a scripted chooser in tests),
// checks what it chose against the stored data and hands back the company code, the branch and
// the user's record. No password is asked (this build does not authenticate users). A
// successful choice is remembered until the next start-up data search, which opens a session for
// the chosen user (CZTDadosInicializacao::BuscaDados). User-interface thread only.
#pragma once

#include "outside/conexo/regusu_ps.h"
#include "outside/empral/zt_escolha_empresa.h"

#include <cstdint>
#include <optional>

// The company-code buffer of GetEmpresaEx: at most 23 characters and a NUL.
constexpr int ZT_TAM_CODIGO_EMPRESA = 24;

class CZTEmp {
public:
    // Lets the user choose. True when a company, one of its users and one of that user's active
    // branches were chosen: `szEmpresa` holds the code (NUL-padded), `iFilial` the branch and
    // `usuario` the user's record. False, with nothing changed, when no chooser is installed,
    // the user cancelled, or the choice names no such company, user or active branch (or a code
    // too long for the buffer).
    [[nodiscard]] static bool GetEmpresaEx(const char* szSistema, bool bOpcao, char (&szEmpresa)[ZT_TAM_CODIGO_EMPRESA],
                                           std::uint16_t& iFilial, REGUSU_PS& usuario, bool bOpcao2);

    // Installs the chooser (null: none) for the process and returns the one it replaces. The
    // caller keeps ownership; it must outlive its installation.
    static IZTEscolhaEmpresa* SetEscolhaEmpresa(IZTEscolhaEmpresa* pEscolha);

    // The choice GetEmpresaEx made since the last call, if any, which it forgets.
    [[nodiscard]] static std::optional<ZT_ESCOLHA_EMPRESA> TomaEscolhaPendente();
};
