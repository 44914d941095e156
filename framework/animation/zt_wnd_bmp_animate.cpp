#include "framework/animation/zt_wnd_bmp_animate.h"

#include "framework/animation/zt_classe_animacao.h"
#include "platform/system/auto_reset_event.h"
#include "platform/ui/canvas.h"
#include "platform/ui/draw/system_colours.h"

#include <chrono>

using platform::LPARAM;
using platform::LRESULT;
using platform::UINT;
using platform::WPARAM;
using platform::ui::HWND;

// What the window shares with its worker. The cycle and the period change only while the changer
// holds the pause event; the run flag is read by the worker on each round.
struct CWndBmpAnimate::Registro {
    std::atomic<bool> bExecutar{true};
    std::int16_t nPrimeiro = 0;
    std::int16_t nUltimo = 0;
    unsigned nPeriodo = kPeriodoPadrao;
    platform::AutoResetEvent pausa{false};
    std::thread trabalhador;
    // The owner: its handle, to post to, and its current frame, to set.
    HWND hDono = nullptr;
    std::atomic<std::int16_t>* pQuadroAtual = nullptr;
};

namespace {

// The frame after `quadro` in the cycle, the first again after the last.
std::int16_t Seguinte(std::int16_t quadro, std::int16_t primeiro, std::int16_t ultimo) {
    return quadro >= ultimo ? primeiro : static_cast<std::int16_t>(quadro + 1);
}

}  // namespace

CWndBmpAnimate::CWndBmpAnimate() = default;

CWndBmpAnimate::~CWndBmpAnimate() { TerminaTrabalhador(); }

platform::BOOL CWndBmpAnimate::Create(platform::ui::Wnd* pai, UINT id, const platform::ui::Rect& rect) {
    if (!ZTClasseAnimacaoRegistrada() || !Wnd::Create(pai, id, rect)) return platform::FALSE;
    ShowWindow(platform::ui::SW_HIDE);
    return platform::TRUE;
}

void CWndBmpAnimate::SetImagens(platform::ui::ImageList imagens) { m_imagens = std::move(imagens); }

int CWndBmpAnimate::Inicia(int primeiro, int ultimo) {
    const auto nPrimeiro = static_cast<std::int16_t>(primeiro);
    auto nUltimo = static_cast<std::int16_t>(ultimo);
    if (nUltimo == -1) nUltimo = static_cast<std::int16_t>(m_imagens.GetImageCount() - 1);
    if (!GetSafeHwnd()) {
        m_nQuadroAtual = nPrimeiro;
        return 1;
    }
    if (!m_pRegistro) m_pRegistro = std::make_unique<Registro>();
    // Between two of the worker's frames: from here on the worker waits for us.
    if (m_bTocando) m_pRegistro->pausa.Wait();
    m_nQuadroAtual = nPrimeiro;
    m_pRegistro->nPrimeiro = nPrimeiro;
    m_pRegistro->nUltimo = nUltimo;
    m_pRegistro->nPeriodo = m_nPeriodo;
    m_pRegistro->hDono = GetSafeHwnd();
    m_pRegistro->pQuadroAtual = &m_nQuadroAtual;
    m_pRegistro->pausa.Set();
    if (!m_pRegistro->trabalhador.joinable()) {
        m_pRegistro->trabalhador = std::thread(Trabalha, std::ref(*m_pRegistro));
    }
    ShowWindow(platform::ui::SW_SHOW);
    Invalidate();
    m_bTocando = true;
    return 1;
}

int CWndBmpAnimate::Para() {
    // Holding the pause event keeps the worker from setting a frame after ours.
    if (m_bTocando) {
        m_pRegistro->pausa.Wait();
        m_bTocando = false;
    }
    m_nQuadroAtual = -1;
    if (GetSafeHwnd()) {
        Invalidate();
        ShowWindow(platform::ui::SW_HIDE);
    }
    return 1;
}

std::thread::id CWndBmpAnimate::GetIdTrabalhador() const {
    return m_pRegistro ? m_pRegistro->trabalhador.get_id() : std::thread::id();
}

void CWndBmpAnimate::OnPaint(platform::ui::Canvas& canvas) {
    const std::int16_t quadro = m_nQuadroAtual.load();
    if (m_imagens.GetImageCount() > 0 && quadro != -1) {
        // A frame outside the list draws nothing.
        m_imagens.Draw(canvas, quadro, {0, 0});
        return;
    }
    platform::ui::Rect cliente;
    GetClientRect(&cliente);
    canvas.FillRect(cliente, platform::ui::GetSysColor(platform::ui::COLOR_BTNFACE));
}

void CWndBmpAnimate::OnDestroy() {
    TerminaTrabalhador();
    Wnd::OnDestroy();
}

LRESULT CWndBmpAnimate::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ZTANIMACAO_QUADRO) return Wnd::WindowProc(message, wParam, lParam);
    Invalidate(platform::FALSE);
    return 0;
}

void CWndBmpAnimate::TerminaTrabalhador() {
    if (!m_pRegistro) return;
    if (m_bTocando) {
        m_pRegistro->pausa.Wait();
        m_bTocando = false;
    }
    m_pRegistro->bExecutar = false;
    m_pRegistro->pausa.Set();
    if (m_pRegistro->trabalhador.joinable()) m_pRegistro->trabalhador.join();
    m_pRegistro.reset();
}

void CWndBmpAnimate::Trabalha(Registro& registro) {
    std::int16_t primeiro = registro.nPrimeiro;
    std::int16_t ultimo = registro.nUltimo;
    std::int16_t contador = primeiro;
    while (registro.bExecutar) {
        registro.pausa.Wait();
        if (!registro.bExecutar) break;
        // A new cycle starts at its first frame, not where the old counter stood.
        if (registro.nPrimeiro != primeiro || registro.nUltimo != ultimo) {
            primeiro = registro.nPrimeiro;
            ultimo = registro.nUltimo;
            contador = primeiro;
        }
        contador = Seguinte(contador, primeiro, ultimo);
        *registro.pQuadroAtual = contador;
        platform::ui::PostMessage(registro.hDono, WM_ZTANIMACAO_QUADRO, static_cast<WPARAM>(contador));
        std::this_thread::sleep_for(std::chrono::milliseconds(registro.nPeriodo));
        registro.pausa.Set();
    }
}
