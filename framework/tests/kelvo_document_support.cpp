#include "framework/tests/kelvo_document_support.h"

#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_fc_acesso.h"
#include "outside/linkora/zt_base_para_rotinas.h"

#include <cstring>

namespace framework::testing {

namespace {

std::string Texto(const CZTString& texto) { return texto.GetString(); }

}  // namespace

void DadosGravados::Anota(const std::string& chamada) const {
    if (registro_) registro_->push_back(chamada);
}

bool DadosGravados::GetTemAcesso(std::uint16_t iCodigo) const {
    Anota("GetTemAcesso " + std::to_string(iCodigo));
    const auto direito = dados_.direitos.find(iCodigo);
    return direito != dados_.direitos.end() && direito->second;
}

bool DadosGravados::GetTemAcesso() const {
    Anota("GetTemAcesso");
    return dados_.temAcesso;
}

CONEXO_TIPOS_SISTEMAS DadosGravados::GetTipoSistemas() const {
    Anota("GetTipoSistemas");
    return dados_.tipos;
}

std::int32_t DadosGravados::GetNumeroSecao() const {
    Anota("GetNumeroSecao");
    return dados_.secao;
}

CZTString DadosGravados::GetRazaoSocial() const {
    Anota("GetRazaoSocial");
    return CZTString(dados_.razaoSocial.c_str());
}

bool DadosGravados::GetSupervisor() const {
    Anota("GetSupervisor");
    return dados_.supervisor;
}

CZTString DadosGravados::GetNomeUsuario() const {
    Anota("GetNomeUsuario");
    return CZTString(dados_.nome.c_str());
}

bool DadosGravados::GetTestarEnter() const {
    Anota("GetTestarEnter");
    return dados_.testarEnter;
}

ServicosGravados::ServicosGravados(Registro& registro)
    : registro_(registro), anteriores_(ZTSetServicosEmpresa(this)) {}

ServicosGravados::~ServicosGravados() { ZTSetServicosEmpresa(anteriores_); }

bool ServicosGravados::GetEmpresaEx(const char* szSistema, bool bOpcao, char (&szEmpresa)[ZT_TAM_CODIGO_EMPRESA],
                                    std::uint16_t& iFilial, REGUSU_PS& usuario, bool bOpcao2) {
    const bool vazios = szEmpresa[0] == '\0' && iFilial == 0 && usuario.iCodigo == 0;
    registro_.push_back(std::string("GetEmpresaEx ") + szSistema + ' ' + std::to_string(bOpcao) + ' ' +
                        std::to_string(bOpcao2) + (vazios ? " vazios" : " preenchidos"));
    if (escolhas.empty()) return false;
    const Escolha escolha = escolhas.front();
    escolhas.pop_front();
    if (!escolha.aceita) return false;
    std::strncpy(szEmpresa, escolha.empresa.c_str(), ZT_TAM_CODIGO_EMPRESA - 1);
    iFilial = escolha.filial;
    usuario.iCodigo = 1;
    return true;
}

std::unique_ptr<IZTKelvoDadosInicializacao> ServicosGravados::BuscaDados(CZTParametroInicializacao parametros,
                                                                         int iOpcao1, int iOpcao2, int iOpcao3) {
    std::string chamada = "BuscaDados " + Texto(parametros.GetEmpresa()) + ' ' +
                          std::to_string(parametros.GetNumeroSecao()) + ' ' + std::to_string(parametros.GetFilial()) +
                          ' ' + std::to_string(parametros.GetReservado()) + ' ' +
                          std::to_string(parametros.GetValorInicializacao()) + " [";
    for (std::uint16_t codigo : parametros.GetControlesAcesso()) chamada += ' ' + std::to_string(codigo);
    chamada += " ] " + std::to_string(iOpcao1) + ' ' + std::to_string(iOpcao2) + ' ' + std::to_string(iOpcao3);
    registro_.push_back(chamada);
    return std::make_unique<DadosGravados>(dados, &registro_);
}

bool ServicosGravados::Inicializa(CZTInicializador& rotinas, const char* szEmpresa, std::uint16_t iFilial,
                                  std::int32_t lNumeroSecao) {
    registro_.push_back(std::string("Inicializa ") + szEmpresa + ' ' + std::to_string(iFilial) + ' ' +
                        std::to_string(lNumeroSecao));
    return rotinas.Inicializa(szEmpresa, iFilial, lNumeroSecao);
}

void ServicosGravados::ResetBuffer(CZTInicializador&) { registro_.push_back("ResetBuffer"); }

const ZT_ACESSO_SERVIDORES* ServicosGravados::GetAcessoServidores(const CZTInicializador& rotinas) {
    registro_.push_back("GetAcessoServidores");
    return rotinas.GetAcessoServidores();
}

void ServicosGravados::SetAcessoServidoresDefault(const ZT_ACESSO_SERVIDORES* pAcesso) {
    registro_.push_back(pAcesso ? "SetAcessoServidoresDefault " + Texto(pAcesso->strEmpresa) + ' ' +
                                      std::to_string(pAcesso->iFilial) + ' ' + std::to_string(pAcesso->lNumeroSecao)
                                : "SetAcessoServidoresDefault nenhum");
}

void AppInfoGravada::SetEmpresa(const char* empresa, std::uint16_t filial) {
    registro_.push_back(std::string("SetEmpresa ") + empresa + ' ' + std::to_string(filial));
    CZTKelvoAppInfo::SetEmpresa(empresa, filial);
}

void ViewQueAnota::OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto) {
    const auto* usuario = dynamic_cast<const CZTKelvoUsuario*>(ZTGetUsuarioApp());
    registro_.push_back("hint " + std::to_string(hint) + " [" + (usuario ? Texto(usuario->GetNomeUsuario()) : "") +
                        "]");
    OnUpdateView(sender, hint, objeto);
}

void ViewQueAnota::OnRegistroGravado(CZTFCDados*) { registro_.push_back("view OnRegistroGravado"); }

void ViewQueAnota::OnRegistroGravadoAviso(CZTFCDados*, std::int32_t status) {
    registro_.push_back("view OnRegistroGravadoAviso " + std::to_string(status));
}

void ViewQueAnota::OnRegistrosGravados(std::int32_t quantidade, CZTFCDados**) {
    registro_.push_back("view OnRegistrosGravados " + std::to_string(quantidade));
}

void ViewQueAnota::OnRegistrosGravadosAviso(std::int32_t quantidade, CZTFCDados**, std::int32_t status) {
    registro_.push_back("view OnRegistrosGravadosAviso " + std::to_string(quantidade) + ' ' + std::to_string(status));
}

}  // namespace framework::testing
