// The company start-up's calls into the suite's company library (Empral) and start-up library
// (Linkora), behind one interface, so that a test can put a recording fake in their place.
//
// The default (installed while nobody replaced it) calls the real libraries; programs never
// replace it. IZTKelvoDadosInicializacao is the start-up data as the document reads it, made by
// BuscaDados. User-interface thread only.
#pragma once

#include "outside/conexo/conexo_empresa.h"
#include "outside/conexo/regusu_ps.h"
#include "outside/empral/zt_emp.h"
#include "outside/empral/zt_parametro_inicializacao.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <memory>

class CZTInicializador;
struct ZT_ACESSO_SERVIDORES;

// The readers of CZTDadosInicializacao that the start-up and the access test use.
class IZTKelvoDadosInicializacao {
public:
    virtual ~IZTKelvoDadosInicializacao() = default;

    // Whether the user holds access code `iCodigo`.
    [[nodiscard]] virtual bool GetTemAcesso(std::uint16_t iCodigo) const = 0;
    // Whether the user holds one of the parameters' access codes (without codes: any right).
    [[nodiscard]] virtual bool GetTemAcesso() const = 0;
    // The company's 64-byte systems block.
    [[nodiscard]] virtual CONEXO_TIPOS_SISTEMAS GetTipoSistemas() const = 0;
    [[nodiscard]] virtual std::int32_t GetNumeroSecao() const = 0;
    [[nodiscard]] virtual CZTString GetRazaoSocial() const = 0;
    [[nodiscard]] virtual bool GetSupervisor() const = 0;
    [[nodiscard]] virtual CZTString GetNomeUsuario() const = 0;
    [[nodiscard]] virtual bool GetTestarEnter() const = 0;
};

class IZTKelvoServicosEmpresa {
public:
    virtual ~IZTKelvoServicosEmpresa() = default;

    // CZTEmp::GetEmpresaEx: the user's choice of company; false when cancelled.
    [[nodiscard]] virtual bool GetEmpresaEx(const char* szSistema, bool bOpcao, char (&szEmpresa)[ZT_TAM_CODIGO_EMPRESA],
                                            std::uint16_t& iFilial, REGUSU_PS& usuario, bool bOpcao2) = 0;
    // CZTDadosInicializacao::BuscaDados on new start-up data, which is returned whatever the
    // search found (empty data refuses every access test).
    [[nodiscard]] virtual std::unique_ptr<IZTKelvoDadosInicializacao> BuscaDados(CZTParametroInicializacao parametros,
                                                                                int iOpcao1, int iOpcao2,
                                                                                int iOpcao3) = 0;
    // CZTInicializador::Inicializa and ResetBuffer on the document's routines object.
    virtual bool Inicializa(CZTInicializador& rotinas, const char* szEmpresa, std::uint16_t iFilial,
                            std::int32_t lNumeroSecao) = 0;
    virtual void ResetBuffer(CZTInicializador& rotinas) = 0;
    // The routines object's access to the servers, and CZTBaseParaRotinas's process default.
    [[nodiscard]] virtual const ZT_ACESSO_SERVIDORES* GetAcessoServidores(const CZTInicializador& rotinas) = 0;
    virtual void SetAcessoServidoresDefault(const ZT_ACESSO_SERVIDORES* pAcesso) = 0;
};

// The services in use: the installed ones, else the real libraries.
[[nodiscard]] IZTKelvoServicosEmpresa& ZTGetServicosEmpresa();
// Installs `servicos` (not owned; null: the real libraries again) for the process and returns the
// one it replaces (null: the real libraries were in use).
IZTKelvoServicosEmpresa* ZTSetServicosEmpresa(IZTKelvoServicosEmpresa* servicos);
