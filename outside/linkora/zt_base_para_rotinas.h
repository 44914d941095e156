// The suite's start-up library Linkora, as far as the programs of this system call it:
// CZTInicializador (the start-up routines of a company: told which company, branch and session a
// document opened) and CZTBaseParaRotinas (base for routines: the object a document owns, with
// the access to the suite's servers that the start-up hands on as the process default).
//
// This stand-in keeps what it is given and does nothing else with it; nothing in this system
// reads it back but tests. The routines keep no results, so their buffer is always empty.
// User-interface thread only.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// The access to the suite's servers (acesso servidores): the company, branch and session the
// routines were started for.
struct ZT_ACESSO_SERVIDORES {
    CZTString strEmpresa;
    std::uint16_t iFilial = 0;
    std::int32_t lNumeroSecao = 0;
};

class CZTInicializador {
public:
    virtual ~CZTInicializador() = default;

    // Starts the routines for a company; keeps the three values. Always true.
    bool Inicializa(const char* szEmpresa, std::uint16_t iFilial, std::int32_t lNumeroSecao);
    // Empties the routines' buffer of results (which this stand-in never fills).
    void ResetBuffer() {}

    [[nodiscard]] const ZT_ACESSO_SERVIDORES* GetAcessoServidores() const { return &m_acesso; }

private:
    ZT_ACESSO_SERVIDORES m_acesso;
};

class CZTBaseParaRotinas : public CZTInicializador {
public:
    // Makes a copy of `pAcesso` (null: none) the process's default access to the servers.
    static void SetAcessoServidoresDefault(const ZT_ACESSO_SERVIDORES* pAcesso);
    // The default last set: null before any, or after a null one.
    [[nodiscard]] static const ZT_ACESSO_SERVIDORES* GetAcessoServidoresDefault();
};
