// CWndBmpAnimate: a small child window that cycles through the pictures of an image list, one per
// period, driven by a worker thread of its own while the user-interface thread is busy elsewhere.
//
// The window owns its image list and, from its first start, an animation record it shares with
// the worker: the cycle (first and last frame), the period and the pause event. The pause event
// is the only lock: the worker holds it while it advances a frame and waits out the period; the
// user-interface thread takes it to change the cycle, to stop (and keeps it while stopped, so the
// worker stays blocked) and before it ends the worker. The worker never paints and never waits on
// the user-interface thread: it sets the current frame and posts WM_ZTANIMACAO_QUADRO, whose
// handler repaints. One worker serves the window for its whole life; destroying the window ends
// it. User-interface thread, except where a member says otherwise.
#pragma once

#include "platform/ui/draw/image_list.h"
#include "platform/ui/window/wnd.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

// Posted by the worker after it set a frame; wParam is that frame. The window repaints.
constexpr platform::UINT WM_ZTANIMACAO_QUADRO = platform::ui::WM_USER + 0x100;

class CWndBmpAnimate : public platform::ui::Wnd {
public:
    // The period of a frame unless SetPeriodo says otherwise, in milliseconds.
    static constexpr unsigned kPeriodoPadrao = 1000;

    CWndBmpAnimate();
    ~CWndBmpAnimate() override;

    // Creates the window, hidden, as the child `id` of `pai` at `rect`; FALSE when the class
    // "WNDBMPANIMATE" is not registered (ZTRegistraClasseAnimacao) or the window exists already.
    platform::BOOL Create(platform::ui::Wnd* pai, platform::UINT id, const platform::ui::Rect& rect);

    // Takes the frames over, dropping the previous list.
    void SetImagens(platform::ui::ImageList imagens);
    // The time each frame shows, from the next start on.
    void SetPeriodo(unsigned milissegundos) { m_nPeriodo = milissegundos; }

    // Starts or restarts the cycle from `primeiro` to `ultimo` (-1, also as 0xFFFF: the last
    // picture) and shows the first frame; before the window exists it only sets the current frame.
    // While the animation runs it waits for the worker to finish its frame. Returns 1.
    int Inicia(int primeiro, int ultimo);
    // Stops the cycle and hides the window; waits for the worker to finish its frame. Returns 1.
    int Para();
    // True while there is a current frame (from Inicia until Para).
    [[nodiscard]] bool EstaAnimando() const { return m_nQuadroAtual.load() != -1; }
    // The frame shown; -1 when stopped. Any thread.
    [[nodiscard]] std::int16_t GetQuadroAtual() const { return m_nQuadroAtual.load(); }
    // The worker's id; a default id before the first start in a window and once it ended.
    [[nodiscard]] std::thread::id GetIdTrabalhador() const;

protected:
    // The current frame at (0, 0), transparently; stopped, the button-face colour.
    void OnPaint(platform::ui::Canvas& canvas) override;
    // Ends the worker before the window goes.
    void OnDestroy() override;
    // WM_ZTANIMACAO_QUADRO repaints.
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    struct Registro;

    // The worker: one frame per round, each round while it holds the pause event.
    static void Trabalha(Registro& registro);
    void TerminaTrabalhador();

    platform::ui::ImageList m_imagens;
    std::atomic<std::int16_t> m_nQuadroAtual{-1};
    std::unique_ptr<Registro> m_pRegistro;
    // Set while the animation runs; while clear (after a first start) the window holds the pause
    // event.
    bool m_bTocando = false;
    unsigned m_nPeriodo = kPeriodoPadrao;
};
