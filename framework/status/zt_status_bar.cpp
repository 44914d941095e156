#include "framework/status/zt_status_bar.h"

#include "framework/markup/zt_texto_marcado.h"
#include "framework/status/zt_status_bar_ids.h"
#include "framework/status/zt_status_bar_partilha.h"
#include "framework/status/zt_status_bar_recursos.h"
#include "platform/ui/bar/text_fit.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/draw/system_colours.h"

#include <algorithm>
#include <tuple>
#include <utility>

using platform::BOOL;
using platform::LPARAM;
using platform::LRESULT;
using platform::UINT;
using platform::WPARAM;
using platform::ui::Colour;
using platform::ui::DrawItemStruct;
using platform::ui::Rect;

namespace {

constexpr Colour kPreto = platform::ui::Rgb(0, 0, 0);
constexpr Colour kVerde = platform::ui::Rgb(0, 255, 0);

// Widths the panes start with, before a text sizes them.
constexpr int kLarguraEstado = 38;
constexpr int kLarguraIcone = 14;
constexpr int kLarguraUsuario = 180;
constexpr int kLarguraTextoMarcado = 14;

constexpr int kLarguraIconeImagem = 15;
constexpr int kLarguraQuadro = 26;
// Room for the animation in front of the animated text.
constexpr const char* kEspacoAnimacao = "           ";
// Owner-drawn texts start this far right of the pane's left edge.
constexpr int kRecuoTexto = 2;

Colour CorDoBotao() { return platform::ui::GetSysColor(platform::ui::COLOR_BTNFACE); }

}  // namespace

CZTStatusBar::CZTStatusBar() : m_nPaineis(ZTSTATUS_PAINEIS_PADRAO) {}

CZTStatusBar::~CZTStatusBar() {
    // Through WM_DESTROY, so that the process forgets its bar.
    if (GetSafeHwnd()) DestroyWindow();
}

BOOL CZTStatusBar::Cria(platform::ui::FrameWnd* pai) {
    ZTRegistraRecursosStatusBar();
    std::array<UINT, 9> ids{};
    int quantos = 0;
    MontaIndicadores(ids, quantos);
    if (TemPainel(ZTSTATUS_PAINEL_ICONE) && !m_pIcones) {
        auto icones = std::make_unique<platform::ui::ImageList>();
        if (icones->Create(IDB_ZTSTATUS_ICONES, kLarguraIconeImagem, 0, kPreto)) m_pIcones = std::move(icones);
    }
    if (TemPainel(ZTSTATUS_PAINEL_ESTADO)) CarregaBitmapsEstado();
    if (!Create(pai) || !SetIndicators(ids.data(), quantos)) return platform::FALSE;
    AjustaPaineis();
    if (TemPainel(ZTSTATUS_PAINEL_ANIMACAO) && !CriaAnimacao(pai)) return platform::FALSE;
    zt_status::RegistraJanelaStatusBar(GetSafeHwnd());
    return platform::TRUE;
}

void CZTStatusBar::SetUsuarioEmpresa(const char* usuario, const char* empresa) {
    m_strUsuarioEmpresa = usuario;
    if (empresa && *empresa) m_strUsuarioEmpresa += CZTString("\n") + empresa;
    RedrawPane(CommandToIndex(ID_ZTSTATUS_USUARIO));
}

void CZTStatusBar::DrawItem(const DrawItemStruct& item) {
    switch (GetItemID(static_cast<int>(item.itemID))) {
        case ID_ZTSTATUS_ESTADO: DesenhaEstado(item); break;
        case ID_ZTSTATUS_ICONE: DesenhaIcone(item); break;
        case ID_ZTSTATUS_USUARIO: DesenhaUsuarioEmpresa(item); break;
        case ID_ZTSTATUS_TEXTO_MARCADO: DesenhaTextoMarcado(item); break;
        default: break;
    }
}

LRESULT CZTStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ZTSTATUS_ESTADO: OnEstado(wParam); return 0;
        case WM_ZTSTATUS_TEXTO: OnTexto(); return 0;
        case WM_ZTSTATUS_ANIMACAO: OnAnimacao(wParam, lParam); return 0;
        case WM_ZTSTATUS_ICONE: OnIcone(wParam); return 0;
        case WM_ZTSTATUS_TEXTO_MARCADO: OnTextoMarcado(); return 0;
        case platform::ui::WM_SYSCOLORCHANGE:
            if (TemPainel(ZTSTATUS_PAINEL_ESTADO)) CarregaBitmapsEstado();
            Invalidate();
            return 0;
        case platform::ui::WM_DESTROY:
            zt_status::EsqueceJanelaStatusBar(GetSafeHwnd());
            break;
        default: break;
    }
    return StatusBar::WindowProc(message, wParam, lParam);
}

void CZTStatusBar::OnSize(UINT type, int cx, int cy) {
    StatusBar::OnSize(type, cx, cy);
    PosicionaAnimacao();
}

void CZTStatusBar::OnEstado(WPARAM estado) {
    // The sender passes 16 bits; only the three pictures the bar has are states.
    if (!TemPainel(ZTSTATUS_PAINEL_ESTADO) || estado >= m_bmpEstados.size()) return;
    m_nEstado = static_cast<int>(estado);
    RedrawPane(CommandToIndex(ID_ZTSTATUS_ESTADO));
}

void CZTStatusBar::OnTexto() {
    const CZTString copia = zt_status::CopiaTextoCompartilhado();
    const int indice = CommandToIndex(ID_ZTSTATUS_ANIMACAO);
    if (indice < 0) return;
    m_strTextoAnimado = copia;
    if (m_pAnimacao && m_pAnimacao->EstaAnimando()) m_strTextoAnimado = kEspacoAnimacao + copia;
    DimensionaPainel(indice, m_strTextoAnimado);
    PosicionaAnimacao();
    SetPaneText(indice, m_strTextoAnimado);
}

void CZTStatusBar::OnAnimacao(WPARAM parar, LPARAM quadros) {
    const CZTString copia = zt_status::CopiaTextoCompartilhado();
    const int indice = CommandToIndex(ID_ZTSTATUS_ANIMACAO);
    if (indice < 0) return;
    m_strTextoAnimado = copia;
    if (parar) {
        if (m_pAnimacao) m_pAnimacao->Para();
        SetLarguraPainel(indice, 0);
    } else {
        m_strTextoAnimado = kEspacoAnimacao + copia;
        DimensionaPainel(indice, m_strTextoAnimado);
        PosicionaAnimacao();
        if (m_pAnimacao) {
            m_pAnimacao->Inicia(static_cast<std::int16_t>(platform::HIWORD(static_cast<WPARAM>(quadros))),
                                static_cast<std::int16_t>(platform::LOWORD(static_cast<WPARAM>(quadros))));
        }
    }
    SetPaneText(indice, m_strTextoAnimado);
}

void CZTStatusBar::OnIcone(WPARAM icone) {
    const int indice = static_cast<int>(icone);
    if (indice == m_nIcone) return;
    m_nIcone = indice;
    if (m_pIcones) RedrawPane(CommandToIndex(ID_ZTSTATUS_ICONE));
}

void CZTStatusBar::OnTextoMarcado() {
    const auto* payload = dynamic_cast<const zt_status::TextoMarcadoPayload*>(GetMessagePayload());
    const int indice = CommandToIndex(ID_ZTSTATUS_TEXTO_MARCADO);
    if (!payload || indice < 0) return;
    m_strTextoMarcado = payload->texto;
    SetPaneText(indice, m_strTextoMarcado);
    DimensionaPainel(indice, m_strTextoMarcado);
}

void CZTStatusBar::MontaIndicadores(std::array<UINT, 9>& ids, int& quantos) const {
    // The fixed order of the panes, each with the flag that brings it.
    static constexpr std::array<std::pair<UINT, UINT>, 8> kOrdem{{
        {ZTSTATUS_PAINEL_TEXTO_MARCADO, ID_ZTSTATUS_TEXTO_MARCADO},
        {ZTSTATUS_PAINEL_ANIMACAO, ID_ZTSTATUS_ANIMACAO},
        {ZTSTATUS_PAINEL_USUARIO, ID_ZTSTATUS_USUARIO},
        {ZTSTATUS_PAINEL_ICONE, ID_ZTSTATUS_ICONE},
        {ZTSTATUS_PAINEL_CAPS, platform::ui::ID_INDICATOR_CAPS},
        {ZTSTATUS_PAINEL_NUM, platform::ui::ID_INDICATOR_NUM},
        {ZTSTATUS_PAINEL_SCRL, platform::ui::ID_INDICATOR_SCRL},
        {ZTSTATUS_PAINEL_ESTADO, ID_ZTSTATUS_ESTADO},
    }};
    quantos = 0;
    ids[quantos++] = platform::ui::ID_SEPARATOR;
    for (const auto& [painel, id] : kOrdem) {
        if (TemPainel(painel)) ids[quantos++] = id;
    }
}

void CZTStatusBar::CarregaBitmapsEstado() {
    static constexpr std::array<UINT, 3> kBitmaps{IDB_ZTSTATUS_ESTADO_0, IDB_ZTSTATUS_ESTADO_1, IDB_ZTSTATUS_ESTADO_2};
    for (std::size_t estado = 0; estado < kBitmaps.size(); ++estado) {
        m_bmpEstados[estado].LoadMappedBitmap(kBitmaps[estado], kPreto, CorDoBotao());
    }
}

void CZTStatusBar::AjustaPaineis() {
    using platform::ui::SBPS_NOBORDERS;
    using platform::ui::SBPS_OWNERDRAW;
    static constexpr std::array<std::tuple<UINT, UINT, int>, 4> kPaineis{{
        {ID_ZTSTATUS_ESTADO, SBPS_OWNERDRAW | SBPS_NOBORDERS, kLarguraEstado},
        {ID_ZTSTATUS_ICONE, SBPS_OWNERDRAW, kLarguraIcone},
        {ID_ZTSTATUS_USUARIO, SBPS_OWNERDRAW, kLarguraUsuario},
        {ID_ZTSTATUS_TEXTO_MARCADO, SBPS_OWNERDRAW, kLarguraTextoMarcado},
    }};
    for (const auto& [id, estilo, largura] : kPaineis) {
        if (const int indice = CommandToIndex(id); indice >= 0) SetPaneInfo(indice, id, estilo, largura);
    }
}

BOOL CZTStatusBar::CriaAnimacao(platform::ui::FrameWnd* pai) {
    // The panes get their rectangles once the frame has laid the bar out.
    pai->RecalcLayout();
    m_pAnimacao = std::make_unique<CWndBmpAnimate>();
    m_pAnimacao->Create(this, 0, RetanguloAnimacao());
    SetLarguraPainel(CommandToIndex(ID_ZTSTATUS_ANIMACAO), 0);
    platform::ui::ImageList quadros;
    if (!quadros.Create(IDB_ZTSTATUS_ANIMACAO, kLarguraQuadro, 0, kVerde)) return platform::FALSE;
    m_pAnimacao->SetImagens(std::move(quadros));
    return platform::TRUE;
}

void CZTStatusBar::DimensionaPainel(int indice, const CZTString& texto) {
    if (texto.IsEmpty()) {
        SetLarguraPainel(indice, GetItemID(indice) == ID_ZTSTATUS_TEXTO_MARCADO ? kLarguraTextoMarcado : 0);
        return;
    }
    SetLarguraPainel(indice, std::max(MeasureText(ZTTextoSemMarcas(texto)).cx, 0));
}

void CZTStatusBar::SetLarguraPainel(int indice, int largura) {
    UINT id = 0;
    UINT estilo = 0;
    int antiga = 0;
    GetPaneInfo(indice, id, estilo, antiga);
    SetPaneInfo(indice, id, estilo, largura);
}

Rect CZTStatusBar::RetanguloAnimacao() const {
    Rect painel;
    GetItemRect(CommandToIndex(ID_ZTSTATUS_ANIMACAO), &painel);
    painel.right = painel.left + kLarguraQuadro;
    painel.Deflate(1, 1);
    return painel;
}

void CZTStatusBar::PosicionaAnimacao() {
    if (m_pAnimacao && m_pAnimacao->GetSafeHwnd()) m_pAnimacao->MoveWindow(RetanguloAnimacao());
}

CZTString CZTStatusBar::TextoUsuarioEmpresa() const {
    const int quebra = m_strUsuarioEmpresa.Find('\n');
    if (quebra >= 0) {
        return CZTString("Usu\xE1rio: ") + m_strUsuarioEmpresa.Left(quebra) + "  Empresa: " +
               m_strUsuarioEmpresa.Mid(quebra + 1);
    }
    if (m_strUsuarioEmpresa.IsEmpty()) return {};
    return CZTString("Usu\xE1rio: ") + m_strUsuarioEmpresa;
}

void CZTStatusBar::DesenhaEstado(const DrawItemStruct& item) const {
    const platform::ui::Image& imagem = m_bmpEstados[static_cast<std::size_t>(m_nEstado)].GetImage();
    const Rect origem{0, 0, std::min(item.rcItem.Width(), imagem.width), std::min(item.rcItem.Height(), imagem.height)};
    item.dc.DrawImage(imagem, item.rcItem.TopLeft(), origem);
}

void CZTStatusBar::DesenhaIcone(const DrawItemStruct& item) const {
    // An index outside the list draws nothing.
    if (m_pIcones) m_pIcones->Draw(item.dc, m_nIcone, item.rcItem.TopLeft());
}

void CZTStatusBar::DesenhaUsuarioEmpresa(const DrawItemStruct& item) {
    const CZTString texto = TextoUsuarioEmpresa();
    const int largura = item.dc.MeasureText(texto).cx + kRecuoTexto;
    UINT id = 0;
    UINT estilo = 0;
    int atual = 0;
    GetPaneInfo(static_cast<int>(item.itemID), id, estilo, atual);
    if (atual != largura) {
        // The bar paints again at the new width, and that drawing shows the text.
        SetPaneInfo(static_cast<int>(item.itemID), id, estilo, largura);
        return;
    }
    const Rect& rc = item.rcItem;
    item.dc.FillRect(rc, CorDoBotao());
    item.dc.SetTextColour(kPreto);
    item.dc.MoveTo({rc.left + kRecuoTexto, rc.top + (rc.Height() + item.dc.TextHeight()) / 2});
    item.dc.TextOutAtCurrentPosition(platform::ui::WithEllipsisToFit(item.dc, texto, rc.Width() - kRecuoTexto));
}

void CZTStatusBar::DesenhaTextoMarcado(const DrawItemStruct& item) const {
    const platform::ui::FontDescription fonte = GetFont();
    ZTDesenhaTextoMarcado(item.dc, m_strTextoMarcado, item.rcItem.left + kRecuoTexto, 0, 0, &fonte);
}
