#include "framework/document/zt_kelvo_servicos_empresa.h"

#include "outside/empral/zt_dados_inicializacao.h"
#include "outside/linkora/zt_base_para_rotinas.h"

namespace {

class DadosEmpral final : public IZTKelvoDadosInicializacao {
public:
    CZTDadosInicializacao dados;

    bool GetTemAcesso(std::uint16_t iCodigo) const override { return dados.GetTemAcesso(iCodigo); }
    bool GetTemAcesso() const override { return dados.GetTemAcesso(); }
    CONEXO_TIPOS_SISTEMAS GetTipoSistemas() const override { return dados.GetTipoSistemas(); }
    std::int32_t GetNumeroSecao() const override { return dados.GetNumeroSecao(); }
    CZTString GetRazaoSocial() const override { return dados.GetRazaoSocial(); }
    bool GetSupervisor() const override { return dados.GetSupervisor(); }
    CZTString GetNomeUsuario() const override { return dados.GetNomeUsuario(); }
    bool GetTestarEnter() const override { return dados.GetTestarEnter(); }
};

class ServicosReais final : public IZTKelvoServicosEmpresa {
public:
    bool GetEmpresaEx(const char* szSistema, bool bOpcao, char (&szEmpresa)[ZT_TAM_CODIGO_EMPRESA],
                      std::uint16_t& iFilial, REGUSU_PS& usuario, bool bOpcao2) override {
        return CZTEmp::GetEmpresaEx(szSistema, bOpcao, szEmpresa, iFilial, usuario, bOpcao2);
    }
    std::unique_ptr<IZTKelvoDadosInicializacao> BuscaDados(CZTParametroInicializacao parametros, int iOpcao1,
                                                           int iOpcao2, int iOpcao3) override {
        auto dados = std::make_unique<DadosEmpral>();
        // Empty data is what a failed search leaves, and the access test refuses it.
        static_cast<void>(dados->dados.BuscaDados(std::move(parametros), iOpcao1, iOpcao2, iOpcao3));
        return dados;
    }
    bool Inicializa(CZTInicializador& rotinas, const char* szEmpresa, std::uint16_t iFilial,
                    std::int32_t lNumeroSecao) override {
        return rotinas.Inicializa(szEmpresa, iFilial, lNumeroSecao);
    }
    void ResetBuffer(CZTInicializador& rotinas) override { rotinas.ResetBuffer(); }
    const ZT_ACESSO_SERVIDORES* GetAcessoServidores(const CZTInicializador& rotinas) override {
        return rotinas.GetAcessoServidores();
    }
    void SetAcessoServidoresDefault(const ZT_ACESSO_SERVIDORES* pAcesso) override {
        CZTBaseParaRotinas::SetAcessoServidoresDefault(pAcesso);
    }
};

IZTKelvoServicosEmpresa* gInstalados = nullptr;

}  // namespace

IZTKelvoServicosEmpresa& ZTGetServicosEmpresa() {
    static ServicosReais reais;
    return gInstalados ? *gInstalados : reais;
}

IZTKelvoServicosEmpresa* ZTSetServicosEmpresa(IZTKelvoServicosEmpresa* servicos) {
    IZTKelvoServicosEmpresa* anterior = gInstalados;
    gInstalados = servicos;
    return anterior;
}
