#include "framework/frame/zt_fc_main_frame.h"

#include "framework/animation/zt_classe_animacao.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_app.h"
#include "framework/document/zt_fc_document.h"
#include "framework/document/zt_fc_resultado_gravacao.h"
#include "framework/frame/zt_fc_posicao_janela.h"
#include "framework/thread/zt_fc_thread_gravacao.h"
#include "framework/tooltip/zt_tip_wnd.h"
#include "framework/view/zt_fc_blocos.h"
#include "framework/view/zt_fc_hints.h"
#include "platform/ui/app/win_app.h"

using platform::ui::AFX_IDW_PANE_FIRST;
using platform::ui::SplitterWnd;

namespace {

constexpr char kSecaoPosicao[] = "Settings";
constexpr char kSecaoSplitters[] = "Splitter";
constexpr platform::DWORD kEstiloSplitter = platform::ui::WS_CHILD | platform::ui::WS_VISIBLE;

// How many views each layout shows; 0: a layout that makes nothing.
int ViewsDoLayout(int layout) {
    switch (layout) {
    case ZTFC_LAYOUT_LISTA_FORM: return 2;
    case ZTFC_LAYOUT_ARVORE_LISTA_FORM: return 3;
    case ZTFC_LAYOUT_LADO_A_LADO: return 2;
    default: return 0;
    }
}

}  // namespace

CZTFCMainFrame::CZTFCMainFrame() : m_strEntrada("Janela") {
    ZTRegistraClasseAnimacao();
    CZTTipWnd::RegistraClasse();
}

CZTFCMainFrame::~CZTFCMainFrame() = default;

platform::BOOL CZTFCMainFrame::CriaPaineis(int layout, std::span<const ZTFC_CLASSE_VIEW> classes,
                                           std::span<const platform::ui::Size> tamanhos,
                                           platform::ui::CreateContext* contexto) {
    LiberaSplitters();
    const int views = ViewsDoLayout(layout);
    if (views == 0) return platform::TRUE;
    if (classes.size() < static_cast<std::size_t>(views) || tamanhos.size() < static_cast<std::size_t>(views)) {
        return platform::FALSE;
    }
    NovosSplitters(layout == ZTFC_LAYOUT_ARVORE_LISTA_FORM ? 2 : 1);
    SplitterWnd& primeiro = m_pSplitters[0];
    bool criado = false;
    switch (layout) {
    case ZTFC_LAYOUT_LISTA_FORM:
        criado = primeiro.CreateStatic(this, 2, 1, kEstiloSplitter, AFX_IDW_PANE_FIRST) &&
                 primeiro.CreateView(0, 0, classes[0], tamanhos[0], contexto) &&
                 primeiro.CreateView(1, 0, classes[1], tamanhos[1], contexto);
        break;
    case ZTFC_LAYOUT_ARVORE_LISTA_FORM: {
        SplitterWnd& segundo = m_pSplitters[1];
        criado = primeiro.CreateStatic(this, 1, 2, kEstiloSplitter, AFX_IDW_PANE_FIRST) &&
                 primeiro.CreateView(0, 0, classes[0], tamanhos[0], contexto) &&
                 segundo.CreateStatic(&primeiro, 2, 1, kEstiloSplitter, primeiro.IdFromRowCol(0, 1)) &&
                 segundo.CreateView(0, 0, classes[1], tamanhos[1], contexto) &&
                 segundo.CreateView(1, 0, classes[2], tamanhos[2], contexto);
        break;
    }
    case ZTFC_LAYOUT_LADO_A_LADO:
        criado = primeiro.CreateStatic(this, 1, 2, kEstiloSplitter, AFX_IDW_PANE_FIRST) &&
                 primeiro.CreateView(0, 0, classes[0], tamanhos[0], contexto) &&
                 primeiro.CreateView(0, 1, classes[1], tamanhos[1], contexto);
        break;
    }
    if (!criado) return platform::FALSE;
    SetCentralWnd(primeiro);
    return platform::TRUE;
}

SplitterWnd* CZTFCMainFrame::GetSplitter(int indice) const {
    return indice >= 0 && indice < m_nQtdSplitters ? &m_pSplitters[indice] : nullptr;
}

void CZTFCMainFrame::GravaSplitters() {
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    if (!app) return;
    for (int i = 0; i < m_nQtdSplitters; ++i) {
        int atual = 0;
        int minimo = 0;
        m_pSplitters[i].GetColumnInfo(0, atual, minimo);
        app->WriteProfileInt(kSecaoSplitters, FormataChaveSplitter(i, 'x'), atual);
        m_pSplitters[i].GetRowInfo(0, atual, minimo);
        app->WriteProfileInt(kSecaoSplitters, FormataChaveSplitter(i, 'y'), atual);
    }
}

void CZTFCMainFrame::RestauraSplitters() {
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    if (!app) return;
    std::vector<platform::ui::Size> tamanhos;
    for (int i = 0; i < m_nQtdSplitters; ++i) {
        const auto largura = static_cast<int>(app->GetProfileInt(kSecaoSplitters, FormataChaveSplitter(i, 'x'), 0));
        const auto altura = static_cast<int>(app->GetProfileInt(kSecaoSplitters, FormataChaveSplitter(i, 'y'), 0));
        // One splitter never stored (or stored empty) makes every stored size suspect.
        if (largura == 0 && altura == 0) return;
        tamanhos.push_back({largura, altura});
    }
    for (int i = 0; i < m_nQtdSplitters; ++i) {
        if (tamanhos[i].cx > 0) m_pSplitters[i].SetColumnInfo(0, tamanhos[i].cx, 0);
        if (tamanhos[i].cy > 0) m_pSplitters[i].SetRowInfo(0, tamanhos[i].cy, 0);
    }
}

void CZTFCMainFrame::ActivateFrame(int nCmdShow) {
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    const platform::String texto = app ? app->GetProfileString(kSecaoPosicao, m_strEntrada, "") : platform::String();
    if (texto.IsEmpty()) {
        FrameWnd::ActivateFrame(nCmdShow);
    } else {
        MostraComPosicao(texto, nCmdShow);
    }
    PostMessage(platform::ui::WM_APP);
}

void CZTFCMainFrame::MostraComPosicao(const char* texto, int nCmdShow) {
    const int comando = nCmdShow == -1 ? platform::ui::SW_SHOWNORMAL : nCmdShow;
    platform::ui::WINDOWPLACEMENT posicao;
    if (!ZTFCLePosicao(texto, posicao)) {
        ShowWindow(comando);
        return;
    }
    if (comando != platform::ui::SW_SHOWNORMAL) posicao.showCmd = static_cast<platform::UINT>(comando);
    if (m_bGravaSplitters) RestauraSplitters();
    SetWindowPlacement(&posicao);
    ShowWindow(static_cast<int>(posicao.showCmd));
}

platform::BOOL CZTFCMainFrame::DestroyWindow() {
    platform::ui::WINDOWPLACEMENT posicao;
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    if (app && GetWindowPlacement(&posicao)) app->WriteProfileString(kSecaoPosicao, m_strEntrada, ZTFCFormataPosicao(posicao));
    if (m_bGravaSplitters) GravaSplitters();
    LiberaSplitters();
    return FrameWnd::DestroyWindow();
}

void CZTFCMainFrame::OnInicializaDocumento() {
    auto* documento = dynamic_cast<CZTFCDocument*>(GetActiveDocument());
    if (!documento) return;
    documento->OnInicializa();
    documento->UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
}

CZTString CZTFCMainFrame::FormataChaveSplitter(int indice, char eixo) {
    return CZTString::Formata("Splitter-%d-%c", indice, eixo);
}

platform::BOOL CZTFCMainFrame::PreCreateWindow(platform::ui::CREATESTRUCT& cs) {
    cs.style &= ~platform::ui::FWS_ADDTOTITLE;
    if (const CZTFCApp* app = ZTGetApp()) cs.lpszName = app->GetTitulo();
    return FrameWnd::PreCreateWindow(cs);
}

platform::LRESULT CZTFCMainFrame::WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
    switch (message) {
    case platform::ui::WM_APP: OnInicializaDocumento(); return 0;
    case WM_ZTFC_RESULTADO_GRAVACAO: OnResultadoGravacao(lParam); return 0;
    default: return FrameWnd::WindowProc(message, wParam, lParam);
    }
}

void CZTFCMainFrame::OnResultadoGravacao(platform::LPARAM lParam) {
    auto* bloco = reinterpret_cast<ZTFC_BLOCO_RESULTADO*>(lParam);
    if (!bloco) return;
    if (auto* documento = dynamic_cast<CZTFCDocument*>(GetActiveDocument())) {
        documento->OnResultadoGravacao(bloco);
        return;
    }
    // Nobody hears the result: the block goes with what it owns.
    const std::unique_ptr<ZTFC_BLOCO_RESULTADO> dono(bloco);
    ZTFCLiberaRegistros(*bloco);
    static_cast<void>(ZTFCTomaExtra(*bloco));
}

void CZTFCMainFrame::LiberaSplitters() {
    for (int i = m_nQtdSplitters - 1; i >= 0; --i) m_pSplitters[i].DestroyWindow();
    m_pSplitters.reset();
    m_nQtdSplitters = 0;
}

void CZTFCMainFrame::NovosSplitters(int quantos) {
    m_pSplitters = std::make_unique<SplitterWnd[]>(static_cast<std::size_t>(quantos));
    m_nQtdSplitters = quantos;
}
