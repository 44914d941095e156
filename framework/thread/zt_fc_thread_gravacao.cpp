#include "framework/thread/zt_fc_thread_gravacao.h"

#include "framework/document/zt_fc_resultado_gravacao.h"
#include "framework/view/zt_fc_blocos.h"

namespace {

// A block's status fields from a save's status; the block owns the extra value from now on.
void CopiaStatus(ZTFC_BLOCO_RESULTADO& bloco, const ZTFC_STATUS_GRAVACAO& status) {
    bloco.lStatus = status.lStatus;
    bloco.lSubCodigo = status.lSubCodigo;
    bloco.pExtra = status.pExtra;
}

CZTFCDados* CloneOuNulo(const CZTFCDados* registro) { return registro ? registro->Clone() : nullptr; }

}  // namespace

CZTFCThreadGravacao::CZTFCThreadGravacao() { m_eventoOcioso.Set(); }

CZTFCThreadGravacao::~CZTFCThreadGravacao() {
    if (m_thread.joinable()) Para();
    LiberaLote();
}

void CZTFCThreadGravacao::ResumeThread() {
    m_thread = std::thread([this] {
        if (InitInstance()) Run();
    });
}

platform::BOOL CZTFCThreadGravacao::InitInstance() {
    OnInicializaThread(m_interfaces);
    return platform::TRUE;
}

int CZTFCThreadGravacao::Run() {
    while (!IsParando()) {
        m_eventoTrabalho.Wait();
        if (IsParando()) break;
        m_bOcupado = 1;
        GravaTrabalho();
        m_bOcupado = 0;
        m_eventoOcioso.Set();
    }
    ExitInstance();
    return 0;
}

int CZTFCThreadGravacao::ExitInstance() { return 0; }

void CZTFCThreadGravacao::GravaTrabalho() {
    if (m_nQuantidadeLote != 0) {
        AntesGravarLote(m_nQuantidadeLote, m_ppLote);
        const ZTFC_STATUS_GRAVACAO status = GravaLote(m_nQuantidadeLote, m_ppLote);
        PostaResultadoLote(m_nQuantidadeLote, m_ppLote, status);
        return;
    }
    AntesGravarRegistro(m_pRegistro.get());
    const ZTFC_STATUS_GRAVACAO status = GravaRegistro(m_pRegistro.get());
    PostaResultadoRegistro(m_pRegistro.get(), status);
}

void CZTFCThreadGravacao::EnfileiraRegistro(CZTFCDados* registro) {
    m_eventoOcioso.Wait();
    m_pRegistro.reset(CloneOuNulo(registro));
    LiberaLote();
    m_eventoTrabalho.Set();
}

void CZTFCThreadGravacao::EnfileiraLote(std::int32_t quantidade, CZTFCDados** registros) {
    m_eventoOcioso.Wait();
    LiberaLote();
    m_nQuantidadeLote = quantidade;
    m_ppLote = registros;
    m_eventoTrabalho.Set();
}

void CZTFCThreadGravacao::LiberaLote() {
    ZTFCLiberaLote(m_nQuantidadeLote, m_ppLote);
    m_ppLote = nullptr;
    m_nQuantidadeLote = 0;
}

ZTFC_STATUS_GRAVACAO CZTFCThreadGravacao::GravaRegistro(CZTFCDados*) { return {}; }

void CZTFCThreadGravacao::AntesGravarRegistro(CZTFCDados*) {}

void CZTFCThreadGravacao::PostaResultadoRegistro(CZTFCDados* registro, ZTFC_STATUS_GRAVACAO status) {
    if (IsParando()) {
        delete status.pExtra;
        return;
    }
    auto* bloco = new ZTFC_BLOCO_GRAVADO;
    CopiaStatus(*bloco, status);
    bloco->pRegistro = CloneOuNulo(registro);
    Posta(bloco);
}

void CZTFCThreadGravacao::OnInicializaThread(CZTListaInterfaces&) {}

ZTFC_STATUS_GRAVACAO CZTFCThreadGravacao::GravaLote(std::int32_t, CZTFCDados**) { return {}; }

void CZTFCThreadGravacao::AntesGravarLote(std::int32_t, CZTFCDados**) {}

void CZTFCThreadGravacao::PostaResultadoLote(std::int32_t quantidade, CZTFCDados** registros,
                                             ZTFC_STATUS_GRAVACAO status) {
    if (IsParando()) {
        delete status.pExtra;
        return;
    }
    auto* bloco = new ZTFC_BLOCO_LOTE;
    CopiaStatus(*bloco, status);
    bloco->nQuantidade = quantidade;
    bloco->ppRegistros = new CZTFCDados*[static_cast<std::size_t>(quantidade)];
    for (std::int32_t i = 0; i < quantidade; ++i) bloco->ppRegistros[i] = CloneOuNulo(registros[i]);
    Posta(bloco);
}

void CZTFCThreadGravacao::Posta(ZTFC_BLOCO_RESULTADO* bloco) {
    if (platform::ui::PostMessage(m_hJanela, WM_ZTFC_RESULTADO_GRAVACAO, 0, reinterpret_cast<platform::LPARAM>(bloco))) {
        return;
    }
    ZTFCLiberaRegistros(*bloco);
    static_cast<void>(ZTFCTomaExtra(*bloco));
    delete bloco;
}

void CZTFCThreadGravacao::AguardaOcioso() {
    m_eventoOcioso.Wait();
    m_eventoOcioso.Set();
}

void CZTFCThreadGravacao::Para() {
    m_bParando = 1;
    m_eventoTrabalho.Set();
    if (m_thread.joinable()) m_thread.join();
}
