// The company choice (escolha de empresa) behind CZTEmp::GetEmpresaEx: what can be chosen (the
// catalogue: companies, their users, a user's active branches, all from Conexo's data) and the
// interface of whatever lets the user choose (the company dialog of the window side, or a
// scripted chooser in tests).
//
// User-interface thread; the catalogue reads the registry each time it is asked.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <vector>

// One user or branch as the choice shows it.
struct ZT_ITEM_ESCOLHA {
    std::uint16_t iCodigo = 0;
    CZTString strNome;
};

// What the caller of GetEmpresaEx passed along for the choice.
struct ZT_PEDIDO_ESCOLHA {
    CZTString strSistema;  // the calling system's code
    bool bOpcao = false;   // the document's choice option (GetOpcaoEscolhaEmpresa)
    bool bOpcao2 = false;  // GetEmpresaEx's last argument
};

// What the user chose.
struct ZT_ESCOLHA_EMPRESA {
    CZTString strEmpresa;
    std::uint16_t iUsuario = 0;
    std::uint16_t iFilial = 0;
};

class CZTCatalogoEmpresas {
public:
    // The company codes (sub-keys of "SOFTWARE\Quorvel\Empresas\"). S_OK or the registry's error.
    [[nodiscard]] platform::HRESULT GetEmpresas(std::vector<CZTString>& empresas) const;
    // The users of `szEmpresa` with their names, by code. S_OK; Conexo's error of a user that
    // cannot be read.
    [[nodiscard]] platform::HRESULT GetUsuarios(const char* szEmpresa, std::vector<ZT_ITEM_ESCOLHA>& usuarios) const;
    // The branches in which `iUsuario` of `szEmpresa` may work and that have a name, by number.
    // S_OK; Conexo's error (CONEXO_E_USUARIO_INEXISTENTE for a missing user).
    [[nodiscard]] platform::HRESULT GetFiliais(const char* szEmpresa, std::uint16_t iUsuario,
                                               std::vector<ZT_ITEM_ESCOLHA>& filiais) const;
};

class IZTEscolhaEmpresa {
public:
    virtual ~IZTEscolhaEmpresa() = default;
    // Lets the user choose from `catalogo` (modal). True with `escolha` filled; false when the
    // user cancelled.
    virtual bool Escolhe(const ZT_PEDIDO_ESCOLHA& pedido, const CZTCatalogoEmpresas& catalogo,
                         ZT_ESCOLHA_EMPRESA& escolha) = 0;
};
