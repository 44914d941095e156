#include "framework/document/zt_fc_document.h"

#include "framework/app/zt_fc_usuario.h"
#include "framework/app/zt_kelvo_app_info.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_exception.h"
#include "framework/data/zt_fc_dados.h"
#include "framework/document/zt_fc_resultado_gravacao.h"
#include "framework/form/zt_fc_form_view.h"
#include "framework/status/zt_status_bar_envio.h"
#include "framework/thread/zt_fc_thread_gravacao.h"
#include "framework/view/zt_fc_blocos.h"
#include "framework/view/zt_fc_grid_view.h"
#include "framework/view/zt_fc_hints.h"
#include "outside/editra/zt_impressao.h"
#include "outside/linkora/zt_base_para_rotinas.h"
#include "platform/ui/app/wait_cursor.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/document/frame_wnd.h"

using platform::ui::Object;
using platform::ui::View;

namespace {

// The document's save hook that a result block reaches.
struct GanchoGravacao {
    platform::DWORD tamanho;
    ZTFC_SINAL sinal;
    void (*chama)(CZTFCDocument& documento, Object* objeto);
};

const GanchoGravacao kGanchos[] = {
    {ZTFC_BLOCO_RESULTADO_REGISTRO, ZTFC_SINAL::Zero,
     [](CZTFCDocument& documento, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_GRAVADO>(objeto, [&](auto& b) { documento.OnRegistroGravado(b.pRegistro); });
     }},
    {ZTFC_BLOCO_RESULTADO_REGISTRO, ZTFC_SINAL::Positivo,
     [](CZTFCDocument& documento, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_GRAVADO>(objeto,
                                          [&](auto& b) { documento.OnRegistroGravadoAviso(b.pRegistro, b.lStatus); });
     }},
    {ZTFC_BLOCO_RESULTADO_LOTE, ZTFC_SINAL::Zero,
     [](CZTFCDocument& documento, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_LOTE>(objeto, [&](auto& b) { documento.OnLoteGravado(b.nQuantidade, b.ppRegistros); });
     }},
    {ZTFC_BLOCO_RESULTADO_LOTE, ZTFC_SINAL::Positivo,
     [](CZTFCDocument& documento, Object* objeto) {
         ZTFCComBloco<ZTFC_BLOCO_LOTE>(
             objeto, [&](auto& b) { documento.OnLoteGravadoAviso(b.nQuantidade, b.ppRegistros, b.lStatus); });
     }},
};

bool TemViewAtiva() {
    const auto* frame = dynamic_cast<platform::ui::FrameWnd*>(platform::ui::AfxGetMainWnd());
    return frame && frame->GetActiveView();
}

// The save road with a saving thread: `enfileira` queues the save. The wait cursor ends on
// every path, also without a thread.
template <class F>
void GravaPelaThread(CZTFCThreadGravacao* thread, bool comIndicador, F enfileira) {
    const platform::ui::WaitCursor espera;
    if (!thread) return;
    const auto indica = [comIndicador](platform::WORD estado) {
        if (comIndicador) ZTSetIndicadorStatusBar(estado);
    };
    if (thread->IsOcupado()) indica(2);
    enfileira(*thread);
    indica(1);
    const CZTFCUsuario* usuario = ZTGetUsuarioApp();
    if (!usuario || !usuario->GetAguardaGravacao()) return;
    indica(2);
    thread->AguardaOcioso();
    indica(0);
}

// Queues Clones of `registros` as a batch.
void EnfileiraCopias(CZTFCThreadGravacao& thread, const std::vector<const CZTFCDados*>& registros) {
    const auto quantidade = static_cast<std::int32_t>(registros.size());
    auto** lote = new CZTFCDados*[registros.size()];
    for (std::size_t i = 0; i < registros.size(); ++i) lote[i] = registros[i] ? registros[i]->Clone() : nullptr;
    thread.EnfileiraLote(quantidade, lote);
}

void Desliga(platform::ui::CmdUI* cmdUI) {
    cmdUI->SetCheck(0);
    cmdUI->Enable(platform::FALSE);
}

}  // namespace

CZTFCDocument::CZTFCDocument() : m_pRotinas(std::make_unique<CZTBaseParaRotinas>()) {
    MapCommand(ZTFC_ID_ATUALIZAR, [this] { OnAtualizar(); });
    MapCommand(ZTFC_ID_IMPRIMIR, [this] { OnImprimir(); });
    MapCommandRange(ZTFC_ID_PRIMEIRA_COLUNA, ZTFC_ID_ULTIMA_COLUNA,
                    [this](platform::UINT id, platform::UINT first, platform::UINT last) { OnColunaLista(id, first, last); });
    MapUpdateCommandUIRange(ZTFC_ID_PRIMEIRA_COLUNA, ZTFC_ID_ULTIMA_COLUNA, [this](platform::ui::CmdUI* cmdUI) {
        OnUpdateCommandLista(cmdUI, ZTFC_ID_PRIMEIRA_COLUNA, ZTFC_ID_ULTIMA_COLUNA);
    });
}

CZTFCDocument::~CZTFCDocument() {
    if (m_pThread) m_pThread->Para();
}

void CZTFCDocument::Grava(CZTFCDados* registro) { GravaRegistroPelaThread(registro, false); }

void CZTFCDocument::GravaSelecao() { GravaSelecaoPelaThread(false); }

void CZTFCDocument::GravaRegistroPelaThread(CZTFCDados* registro, bool comIndicador) {
    GravaPelaThread(m_pThread.get(), comIndicador, [&](CZTFCThreadGravacao& thread) {
        if (GetMultiSelecao()) return EnfileiraCopias(thread, {registro});
        thread.EnfileiraRegistro(registro);
    });
}

void CZTFCDocument::GravaSelecaoPelaThread(bool comIndicador) {
    GravaPelaThread(m_pThread.get(), comIndicador, [&](CZTFCThreadGravacao& thread) {
        if (!GetMultiSelecao()) return thread.EnfileiraRegistro(GetRegistroAtual());
        if (m_selecao.empty()) return EnfileiraCopias(thread, {GetRegistroAtual()});
        std::vector<const CZTFCDados*> selecionados;
        for (const auto& selecionado : m_selecao) selecionados.push_back(selecionado.get());
        EnfileiraCopias(thread, selecionados);
    });
}

void CZTFCDocument::SetRegistroAtual(CZTFCDados* registro) {
    const bool haviaAtual = m_pRegistroAtual != nullptr;
    m_pRegistroAtual.reset();
    if (GetMultiSelecao()) {
        // The selection keeps the given record itself; the current record is a copy of it.
        m_pRegistroAtual.reset(registro ? registro->Clone() : nullptr);
        LimpaSelecao();
        m_selecao.emplace_back(registro);
    } else {
        m_pRegistroAtual.reset(registro);
    }
    if (haviaAtual) UpdateAllViews(nullptr, ZTFC_HINT_REGISTRO_ATUAL);
}

const void* CZTFCDocument::GetRegistro(int) { return nullptr; }

void CZTFCDocument::OnResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco) {
    if (!AvisaResultadoGravacao(bloco)) return;
    const std::unique_ptr<ZTFC_BLOCO_RESULTADO> dono(bloco);
    // The framework's error carries no extra value; the block's is freed all the same.
    static_cast<void>(ZTFCTomaExtra(*bloco));
    if (bloco->lStatus >= 0) return;
    throw CZTFCException(bloco->lStatus, bloco->lSubCodigo, ZTFCLinhaDoResultado(*bloco, 330, 351),
                         "ZTFCDocument.cpp");
}

bool CZTFCDocument::AvisaResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco) {
    if (!ZTFCBlocoDoTipo(bloco, ZTFC_BLOCO_RESULTADO_REGISTRO, ZTFC_SINAL::Qualquer) &&
        !ZTFCBlocoDoTipo(bloco, ZTFC_BLOCO_RESULTADO_LOTE, ZTFC_SINAL::Qualquer)) {
        return false;
    }
    UpdateAllViews(nullptr, ZTFC_HINT_GRAVACAO, bloco);
    ZTFCLiberaRegistros(*bloco);
    return true;
}

void CZTFCDocument::UpdateAllViews(View* sender, platform::LPARAM hint, Object* objeto) {
    switch (hint) {
    case ZTFC_HINT_SELECAO_GRID:
        SelecionaDoBloco(objeto);
        break;
    case ZTFC_HINT_GRAVACAO:
        if (!ChamaGanchoGravacao(objeto)) return;
        break;
    case ZTFC_HINT_REGISTRO_TEMPORARIO:
        AvisaComCopiaTemporaria(sender);
        return;
    case ZTFC_HINT_MULTI_SELECAO:
        if (GetMultiSelecao()) LimpaSelecao();
        if (m_pRegistroAtual) m_pRegistroAtual->Limpa();
        break;
    case ZTFC_HINT_LIMPA:
        if (m_pRegistroAtual) m_pRegistroAtual->Limpa();
        break;
    default:
        break;
    }
    Document::UpdateAllViews(sender, hint, objeto);
}

void CZTFCDocument::Atualiza(View* sender) {
    const platform::ui::WaitCursor espera;
    OnInicializa();
    UpdateAllViews(sender, ZTFC_HINT_LIMPA);
    UpdateAllViews(sender, ZTFC_HINT_INICIALIZA);
}

void CZTFCDocument::AtualizaSelecao() { UpdateAllViews(nullptr, ZTFC_HINT_MULTI_SELECAO); }

void CZTFCDocument::OnInicializa() {
    if (m_pThread) return;
    const ZTFC_CLASSE_THREAD classe = GetClasseThread();
    if (!classe) return;
    // Made suspended: it runs only once it has its interfaces and the window for its results.
    m_pThread.reset(classe());
    ConfiguraThread(m_pThread->GetInterfaces());
    const platform::ui::Wnd* principal = ZTGetMainWnd();
    m_pThread->SetJanela(principal ? principal->GetSafeHwnd() : nullptr);
    m_pThread->ResumeThread();
}

void CZTFCDocument::OnFinaliza() {
    if (m_pThread) {
        m_pThread->Para();
        m_pThread.reset();
    }
    UpdateAllViews(nullptr, ZTFC_HINT_FINALIZA);
}

CZTFCGridView* CZTFCDocument::GetGridView() { return BuscaView<CZTFCGridView>(); }

CZTFCFormView* CZTFCDocument::GetFormView() { return BuscaView<CZTFCFormView>(); }

ZTFC_CLASSE_THREAD CZTFCDocument::GetClasseThread() { return nullptr; }

void CZTFCDocument::ConfiguraThread(CZTListaInterfaces&) {}

void CZTFCDocument::OnCloseDocument() {
    OnFinaliza();
    Document::OnCloseDocument();
}

void CZTFCDocument::OnAtualizar() { Atualiza(nullptr); }

void CZTFCDocument::OnImprimir() {
    CZTFCGridView* grid = GetGridView();
    if (!grid) return;
    const CZTKelvoAppInfo* info = ZTGetAppInfo();
    m_configImpressao.SetEmpresa(info ? info->GetRazaoSocial().GetString() : "");
    (void)ZTOnPrint(grid, this, &m_configImpressao);
}

void CZTFCDocument::OnColunaLista(platform::UINT id, platform::UINT first, platform::UINT last) {
    CZTFCGridView* grid = GetGridView();
    if (!grid || !ZTTemEmpresa()) return;
    grid->GetGrid().OnColunaLista(id, first, last);
}

void CZTFCDocument::OnUpdateCommandLista(platform::ui::CmdUI* cmdUI, platform::UINT first, platform::UINT last) {
    CZTFCGridView* grid = GetGridView();
    if (!grid || !ZTTemEmpresa()) return Desliga(cmdUI);
    grid->GetGrid().OnUpdateCommandLista(cmdUI, first, last);
}

void CZTFCDocument::LimpaFormulario() { UpdateAllViews(nullptr, ZTFC_HINT_LIMPA_FORMULARIO); }

void CZTFCDocument::OnTotalizacao() {
    CZTFCGridView* grid = GetGridView();
    if (!grid) return;
    grid->GetGrid().SetEnableTotalizacao(grid->GetGrid().GetEnableTotalizacao() ? platform::FALSE : platform::TRUE);
}

void CZTFCDocument::OnUpdateTotalizacao(platform::ui::CmdUI* cmdUI) {
    CZTFCGridView* grid = GetGridView();
    if (!grid) return Desliga(cmdUI);
    cmdUI->SetCheck(grid->GetGrid().GetEnableTotalizacao() ? 1 : 0);
}

void CZTFCDocument::OnRegistroGravado(CZTFCDados*) {}
void CZTFCDocument::OnLoteGravado(std::int32_t, CZTFCDados**) {}
void CZTFCDocument::OnRegistroGravadoAviso(CZTFCDados*, std::int32_t) {}

void CZTFCDocument::OnLoteGravadoAviso(std::int32_t quantidade, CZTFCDados** registros, std::int32_t status) {
    if (status < 0) return;
    LimpaSelecao();
    for (std::int32_t i = 0; i < quantidade; ++i) m_selecao.emplace_back(registros[i]->Clone());
}

// Every selected record goes; one row's record becomes current, or each of several rows' records
// becomes current in turn and a copy of it joins the selection, so the last row's stays current.
void CZTFCDocument::SelecionaDoBloco(Object* objeto) {
    LimpaSelecao();
    if (!m_pRegistroAtual) return;
    if (ZTFCBlocoDoTipo(objeto, ZTFC_BLOCO_SELECAO_REGISTRO, ZTFC_SINAL::Qualquer)) {
        ZTFCComBloco<ZTFC_BLOCO_REGISTRO>(objeto, [&](auto& um) { m_pRegistroAtual->Set(um.pRegistro); });
        return;
    }
    if (!ZTFCBlocoDoTipo(objeto, ZTFC_BLOCO_SELECAO_REGISTROS, ZTFC_SINAL::Qualquer)) return;
    ZTFCComBloco<ZTFC_BLOCO_REGISTROS>(objeto, [&](auto& varios) {
        for (int i = 0; i < varios.nQuantidade; ++i) {
            m_pRegistroAtual->Set(varios.ppRegistros[i]);
            m_selecao.emplace_back(m_pRegistroAtual->Clone());
        }
    });
}

bool CZTFCDocument::ChamaGanchoGravacao(Object* objeto) {
    if (!TemViewAtiva()) return false;
    for (const GanchoGravacao& gancho : kGanchos) {
        if (!ZTFCBlocoDoTipo(objeto, gancho.tamanho, gancho.sinal)) continue;
        gancho.chama(*this, objeto);
        break;
    }
    return true;
}

void CZTFCDocument::AvisaComCopiaTemporaria(View* sender) {
    ZTFC_BLOCO_TEMPORARIO bloco;
    std::unique_ptr<CZTFCDados> copia(m_pRegistroAtual ? m_pRegistroAtual->Clone() : nullptr);
    bloco.pRegistro = copia.get();
    if (m_pRegistroAtual) m_pRegistroAtual->OnCopiaTemporaria();
    Document::UpdateAllViews(sender, ZTFC_HINT_REGISTRO_TEMPORARIO, &bloco);
}
