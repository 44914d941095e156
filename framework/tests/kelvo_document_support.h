// Fakes for the suite document's tests: the company and start-up libraries as one recording fake
// (every call, and every read of the start-up data, in one log), an application information that
// logs the company it is given, and a listening view that logs the hints it hears with the user's
// name at that moment.
#pragma once

#include "framework/app/zt_kelvo_app_info.h"
#include "framework/document/zt_kelvo_servicos_empresa.h"
#include "framework/view/zt_fc_view.h"
#include "platform/ui/document/view.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace framework::testing {

using Registro = std::vector<std::string>;

// What the fake start-up data answers.
struct DadosEmpresa {
    bool supervisor = false;
    bool temAcesso = true;
    std::map<std::uint16_t, bool> direitos;
    CONEXO_TIPOS_SISTEMAS tipos{};
    std::int32_t secao = 55;
    std::string razaoSocial = "Comercial Exemplo";
    std::string nome = "Ana";
    bool testarEnter = false;
};

// The start-up data over `dados`; each read goes to `registro` when one is given.
class DadosGravados final : public IZTKelvoDadosInicializacao {
public:
    DadosGravados(DadosEmpresa dados, Registro* registro) : dados_(std::move(dados)), registro_(registro) {}

    bool GetTemAcesso(std::uint16_t iCodigo) const override;
    bool GetTemAcesso() const override;
    CONEXO_TIPOS_SISTEMAS GetTipoSistemas() const override;
    std::int32_t GetNumeroSecao() const override;
    CZTString GetRazaoSocial() const override;
    bool GetSupervisor() const override;
    CZTString GetNomeUsuario() const override;
    bool GetTestarEnter() const override;

private:
    void Anota(const std::string& chamada) const;

    DadosEmpresa dados_;
    Registro* registro_;
};

// One answer of the company choice.
struct Escolha {
    bool aceita = true;
    std::string empresa;
    std::uint16_t filial = 1;
};

// Installs itself for its lifetime; logs each call; answers the choices in order (cancelled
// when none is left) and hands `dados` to every search.
class ServicosGravados final : public IZTKelvoServicosEmpresa {
public:
    explicit ServicosGravados(Registro& registro);
    ~ServicosGravados() override;

    bool GetEmpresaEx(const char* szSistema, bool bOpcao, char (&szEmpresa)[ZT_TAM_CODIGO_EMPRESA],
                      std::uint16_t& iFilial, REGUSU_PS& usuario, bool bOpcao2) override;
    std::unique_ptr<IZTKelvoDadosInicializacao> BuscaDados(CZTParametroInicializacao parametros, int iOpcao1,
                                                           int iOpcao2, int iOpcao3) override;
    bool Inicializa(CZTInicializador& rotinas, const char* szEmpresa, std::uint16_t iFilial,
                    std::int32_t lNumeroSecao) override;
    void ResetBuffer(CZTInicializador& rotinas) override;
    const ZT_ACESSO_SERVIDORES* GetAcessoServidores(const CZTInicializador& rotinas) override;
    void SetAcessoServidoresDefault(const ZT_ACESSO_SERVIDORES* pAcesso) override;

    std::deque<Escolha> escolhas;
    DadosEmpresa dados;

private:
    Registro& registro_;
    IZTKelvoServicosEmpresa* anteriores_;
};

// Logs each company it is given.
class AppInfoGravada final : public CZTKelvoAppInfo {
public:
    explicit AppInfoGravada(Registro& registro) : registro_(registro) {}
    void SetEmpresa(const char* empresa, std::uint16_t filial) override;
    using CZTKelvoAppInfo::SetEmpresa;

private:
    Registro& registro_;
};

// Logs "hint <n> [<user name>]" for each hint, and the view's save handlers.
class ViewQueAnota final : public platform::ui::View, public CZTFCView {
public:
    explicit ViewQueAnota(Registro& registro) : registro_(registro) {}

    void OnRegistroGravado(CZTFCDados*) override;
    void OnRegistroGravadoAviso(CZTFCDados*, std::int32_t status) override;
    void OnRegistrosGravados(std::int32_t quantidade, CZTFCDados**) override;
    void OnRegistrosGravadosAviso(std::int32_t quantidade, CZTFCDados**, std::int32_t status) override;

protected:
    void OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto) override;

private:
    Registro& registro_;
};

}  // namespace framework::testing
