#include "framework/document/zt_kelvo_document.h"

#include "framework/app/zt_kelvo_app_info.h"
#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_app.h"
#include "framework/application/zt_kelvo_exception.h"
#include "framework/document/zt_fc_resultado_gravacao.h"
#include "framework/document/zt_kelvo_servicos_empresa.h"
#include "framework/status/zt_frame_status_bar.h"
#include "framework/status/zt_status_bar.h"
#include "framework/view/zt_fc_hints.h"
#include "outside/linkora/zt_base_para_rotinas.h"
#include "platform/ui/app/wait_cursor.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/window/wnd.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// Bytes of the systems block that the requirements read.
constexpr std::size_t kByteExigencia31 = 31;
constexpr std::size_t kByteExigencia32 = 32;
constexpr std::size_t kByteTipos = 48;
constexpr std::size_t kByteSistema = 49;

int Maiuscula(std::uint8_t letra) { return std::toupper(letra); }

// A zero byte passes every test; otherwise the letter, whatever its case, must not be `letra`.
bool VazioOu(std::uint8_t byte, char letra) { return byte == 0 || Maiuscula(byte) == letra; }

CZTKelvoUsuario* Usuario() { return dynamic_cast<CZTKelvoUsuario*>(ZTGetUsuarioApp()); }

// The main window's status bar; null without a main window, or one without a bar.
CZTStatusBar* BarraDeStatus() {
    auto* frame = dynamic_cast<IZTFrameStatusBar*>(ZTGetMainWnd());
    return frame ? frame->GetStatusBar() : nullptr;
}

}  // namespace

CZTKelvoDocument::CZTKelvoDocument() = default;
CZTKelvoDocument::~CZTKelvoDocument() = default;

void CZTKelvoDocument::SetExigenciaTipos(std::int32_t exige, const std::vector<std::uint8_t>* codigos) {
    m_lExigenciaTipos = exige;
    m_sistemasPermitidos = codigos ? *codigos : std::vector<std::uint8_t>{};
}

void CZTKelvoDocument::OnResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco) {
    if (!AvisaResultadoGravacao(bloco)) return;
    const std::unique_ptr<ZTFC_BLOCO_RESULTADO> dono(bloco);
    const std::int32_t extra = ZTFCTomaExtra(*bloco);
    if (bloco->lStatus >= 0) return;
    throw CZTKelvoException(bloco->lStatus, bloco->lSubCodigo, static_cast<std::int16_t>(extra),
                            ZTFCLinhaDoResultado(*bloco, 410, 440), "ZTKelvoDocument.cpp");
}

void CZTKelvoDocument::Grava(CZTFCDados* registro) { GravaRegistroPelaThread(registro, true); }

void CZTKelvoDocument::GravaSelecao() { GravaSelecaoPelaThread(true); }

void CZTKelvoDocument::OnInicializa() {
    ZTGetServicosEmpresa().ResetBuffer(GetRotinas());
    CZTFCDocument::OnInicializa();
}

void CZTKelvoDocument::OnFinaliza() {
    CZTFCDocument::OnFinaliza();
    const CZTKelvoAppInfo* appInfo = ZTGetAppInfo();
    if (appInfo && appInfo->TemEmpresa()) FechaEmpresa();
}

std::uint16_t CZTKelvoDocument::GetValorInicializacao() { return 0; }

void CZTKelvoDocument::FechaEmpresa() {
    if (CZTKelvoUsuario* usuario = Usuario()) usuario->Limpa();
    // Saves and the company commands stop with the company.
    if (CZTKelvoAppInfo* appInfo = ZTGetAppInfo()) appInfo->FechaEmpresa();
    if (platform::ui::Wnd* principal = ZTGetMainWnd()) {
        const CZTFCApp* app = ZTGetApp();
        principal->SetWindowText(app ? app->GetTitulo().GetString() : "");
        if (CZTStatusBar* barra = BarraDeStatus()) barra->SetUsuarioEmpresa("", "");
    }
    UpdateAllViews(nullptr, ZTFC_HINT_LIMPA);
}

void CZTKelvoDocument::FinalizaEmpresa() {
    FechaEmpresa();
    OnFinaliza();
}

void CZTKelvoDocument::InicializaEmpresa() {
    if (!EscolheEmpresa()) return;
    const platform::ui::WaitCursor espera;
    const std::unique_ptr<IZTKelvoDadosInicializacao> dados = BuscaDadosEmpresa();
    AplicaDados(*dados);
    if (ValidaAcesso(*dados)) {
        AbreEmpresa(*dados);
    } else {
        RecusaAcesso();
    }
}

bool CZTKelvoDocument::EscolheEmpresa() {
    CZTKelvoAppInfo* appInfo = ZTGetAppInfo();
    if (!appInfo) return false;
    if (appInfo->GetEmpresaPreSelecionada()) {
        // Closing the company emptied the selection; the command line's company stays the one.
        appInfo->ReabreEmpresaPreSelecionada();
        return true;
    }
    char empresa[ZT_TAM_CODIGO_EMPRESA] = {};
    std::uint16_t filial = 0;
    REGUSU_PS usuario{};
    if (!ZTGetServicosEmpresa().GetEmpresaEx(appInfo->GetSistema().GetString(), GetOpcaoEscolhaEmpresa(), empresa,
                                             filial, usuario, false)) {
        return false;
    }
    if (appInfo->TemEmpresa()) FechaEmpresa();
    appInfo->SetEmpresa(empresa, filial);
    return true;
}

std::unique_ptr<IZTKelvoDadosInicializacao> CZTKelvoDocument::BuscaDadosEmpresa() {
    const CZTKelvoAppInfo& appInfo = *ZTGetAppInfo();
    CZTParametroInicializacao parametros(appInfo.GetEmpresa().GetString(), appInfo.GetNumeroSecao(),
                                         appInfo.GetFilial(), 0, GetValorInicializacao());
    if (const CZTKelvoUsuario* usuario = Usuario(); usuario && usuario->GetQtdControles() > 0) {
        std::vector<std::uint16_t> codigos;
        for (int i = 0; i < usuario->GetQtdControles(); ++i) codigos.push_back(usuario->GetControle(i));
        parametros.SetControlesAcesso(static_cast<int>(codigos.size()), codigos.data());
    }
    return ZTGetServicosEmpresa().BuscaDados(parametros, GetOpcaoBuscaDados1(), GetOpcaoBuscaDados2(),
                                             GetOpcaoBuscaDados3());
}

// The user's rights, the systems block and the session, then the start-up routines.
void CZTKelvoDocument::AplicaDados(const IZTKelvoDadosInicializacao& dados) {
    if (CZTKelvoUsuario* usuario = Usuario()) {
        for (int i = 0; i < usuario->GetQtdControles(); ++i) {
            const std::uint16_t codigo = usuario->GetControle(i);
            usuario->SetAcesso(codigo, dados.GetTemAcesso(codigo) ? 1 : 0);
        }
    }
    CZTKelvoAppInfo& appInfo = *ZTGetAppInfo();
    const CONEXO_TIPOS_SISTEMAS tiposLidos = dados.GetTipoSistemas();
    TIPOS_SISTEMAS tipos{};
    static_assert(sizeof tipos.bytes == std::tuple_size_v<CONEXO_TIPOS_SISTEMAS>);
    std::memcpy(tipos.bytes, tiposLidos.data(), sizeof tipos.bytes);
    appInfo.SetTiposSistemas(tipos);
    appInfo.SetNumeroSecao(dados.GetNumeroSecao());

    IZTKelvoServicosEmpresa& servicos = ZTGetServicosEmpresa();
    static_cast<void>(servicos.Inicializa(GetRotinas(), appInfo.GetEmpresa().GetString(), appInfo.GetFilial(),
                                          appInfo.GetNumeroSecao()));
    servicos.SetAcessoServidoresDefault(servicos.GetAcessoServidores(GetRotinas()));
}

void CZTKelvoDocument::AbreEmpresa(const IZTKelvoDadosInicializacao& dados) {
    CZTKelvoAppInfo& appInfo = *ZTGetAppInfo();
    appInfo.SetRazaoSocial(dados.GetRazaoSocial().GetString());
    CZTKelvoUsuario* usuario = Usuario();
    if (usuario) {
        usuario->SetSupervisor(dados.GetSupervisor());
        usuario->SetNomeUsuario(dados.GetNomeUsuario().GetString());
        usuario->SetEnterComoTab(dados.GetTestarEnter());
    }
    if (!ZTGetMainWnd()) return;
    UpdateAllViews(nullptr, ZTFC_HINT_EMPRESA_ABERTA);
    UpdateAllViews(nullptr, ZTFC_HINT_LIMPA);
    OnInicializa();
    UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
    if (CZTStatusBar* barra = BarraDeStatus()) {
        barra->SetUsuarioEmpresa(usuario ? usuario->GetNomeUsuario().GetString() : "",
                                 appInfo.GetEmpresa().GetString());
    }
}

// The refused company's rights were already applied: closing it clears them again.
void CZTKelvoDocument::RecusaAcesso() {
    platform::ui::MessageBox(ZTGetMainWnd(), ZT_TEXTO_SEM_PERMISSAO, ZT_TITULO_SEM_PERMISSAO, platform::MB_ICONWARNING);
    FechaEmpresa();
}

bool CZTKelvoDocument::ValidaAcesso(const IZTKelvoDadosInicializacao& dados) {
    if (!AtendeExigencias(dados)) return false;
    return dados.GetSupervisor() || dados.GetTemAcesso();
}

bool CZTKelvoDocument::AtendeExigencias(const IZTKelvoDadosInicializacao& dados) const {
    if (!m_lExigenciaTipos && !m_lExigencia32 && !m_lExigencia31) return true;
    const CONEXO_TIPOS_SISTEMAS tipos = dados.GetTipoSistemas();
    if (m_lExigencia32 && !VazioOu(tipos[kByteExigencia32], 'N')) return false;
    if (m_lExigencia31 && Maiuscula(tipos[kByteExigencia31]) == 'S') return false;
    if (m_lExigenciaTipos && !VazioOu(tipos[kByteTipos], 'N')) {
        const int sistema = Maiuscula(tipos[kByteSistema]);
        return std::any_of(m_sistemasPermitidos.begin(), m_sistemasPermitidos.end(),
                           [sistema](std::uint8_t permitido) { return Maiuscula(permitido) == sistema; });
    }
    return true;
}

bool CZTKelvoDocument::GetOpcaoEscolhaEmpresa() { return false; }
int CZTKelvoDocument::GetOpcaoBuscaDados1() { return 0; }
int CZTKelvoDocument::GetOpcaoBuscaDados2() { return 1; }
int CZTKelvoDocument::GetOpcaoBuscaDados3() { return 1; }

platform::BOOL CZTKelvoDocument::OnNewDocument() {
    InicializaEmpresa();
    const CZTKelvoAppInfo* appInfo = ZTGetAppInfo();
    if (!appInfo || !appInfo->TemEmpresa()) return platform::FALSE;
    return CZTFCDocument::OnNewDocument();
}
