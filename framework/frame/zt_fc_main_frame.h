// CZTFCMainFrame: the framework's main frame, the base of every interactive program's main window.
//
// It keeps the window's placement (under "Settings", in the entry named by SetEntrada, "Janela"
// by default) and, when asked, the sizes of its splitters (under "Splitter") in the application's
// profile, from one run to the next. Its client area is built by CriaPaineis from static
// splitters in one of three layouts. Once shown it posts itself WM_APP, which starts the active
// document's work; WM_APP+1 hands a save's result block to the active document. Constructing one
// registers the window classes of the status bar's animation and of the tooltip. The frame owns
// its splitters and deletes itself once destroyed. User-interface thread.
#pragma once

#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/splitter_wnd.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

// Makes a new view object (no window yet): a pane's view class.
using ZTFC_CLASSE_VIEW = std::function<platform::ui::View*()>;

// CriaPaineis' layouts: list over form; a tree or tab pane left of list over form; two side by side.
constexpr int ZTFC_LAYOUT_LISTA_FORM = 1;
constexpr int ZTFC_LAYOUT_ARVORE_LISTA_FORM = 2;
constexpr int ZTFC_LAYOUT_LADO_A_LADO = 3;

class CZTFCMainFrame : public platform::ui::FrameWnd {
public:
    // No splitters, sizes not kept, entry "Janela"; registers the animation and tooltip classes.
    CZTFCMainFrame();
    ~CZTFCMainFrame() override;

    // Builds the client area in `layout` (1, 2 or 3) with `classes[i]` at `tamanhos[i]` for view
    // i, after freeing the splitters of an earlier call; the program's OnCreateClient calls it.
    // Layout 1: list (view 0) above form (view 1). Layout 2: view 0 left; right of it a second
    // splitter with view 1 above view 2. Layout 3: view 0 left of view 1. Any other layout makes
    // nothing and is TRUE; FALSE when fewer classes or sizes than views are given or a window
    // cannot be made.
    platform::BOOL CriaPaineis(int layout, std::span<const ZTFC_CLASSE_VIEW> classes,
                               std::span<const platform::ui::Size> tamanhos, platform::ui::CreateContext* contexto);

    [[nodiscard]] int GetQtdSplitters() const { return m_nQtdSplitters; }
    // Splitter `indice`; null outside 0 .. GetQtdSplitters() - 1.
    [[nodiscard]] platform::ui::SplitterWnd* GetSplitter(int indice) const;

    // Non-zero: the splitters' sizes are restored when the frame shows and kept when it goes.
    void SetGravaSplitters(std::int32_t grava) { m_bGravaSplitters = grava; }
    // The "Settings" entry that keeps the placement.
    void SetEntrada(const char* entrada) { m_strEntrada = entrada; }

    // Writes each splitter's width of column 0 and height of row 0 to "Splitter".
    void GravaSplitters();
    // Makes the stored sizes the splitters' ideal ones; nothing at all when both values of any
    // splitter are 0 (missing).
    void RestauraSplitters();

    // The stored placement (a show command other than SW_SHOWNORMAL given wins over the stored
    // one; the splitters' sizes first, when kept), else the frame's default showing; then WM_APP
    // is posted so that OnInicializaDocumento runs once the window shows.
    void ActivateFrame(int nCmdShow = -1) override;
    // Keeps the placement (and the splitters' sizes, when kept), frees the splitters, then
    // destroys the window.
    platform::BOOL DestroyWindow() override;

protected:
    // WM_APP: the active document's OnInicializa, then hint 7 to its views.
    virtual void OnInicializaDocumento();
    // The "Splitter" entry of splitter `indice`'s size along `eixo` ('x' or 'y'):
    // "Splitter-<indice>-<eixo>".
    [[nodiscard]] virtual CZTString FormataChaveSplitter(int indice, char eixo);

    // The title is the application's, and stays so (no FWS_ADDTOTITLE).
    platform::BOOL PreCreateWindow(platform::ui::CREATESTRUCT& cs) override;
    // WM_APP and WM_APP+1 (a save's result block: to the active document, else freed).
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    // Destroys the splitters' windows and frees them.
    void LiberaSplitters();
    // Makes `quantos` new splitters.
    void NovosSplitters(int quantos);
    // Shows the frame by the placement stored as `texto`, the show command given when it does not
    // read as one.
    void MostraComPosicao(const char* texto, int nCmdShow);
    void OnResultadoGravacao(platform::LPARAM bloco);

    int m_nQtdSplitters = 0;
    std::unique_ptr<platform::ui::SplitterWnd[]> m_pSplitters;
    std::int32_t m_bGravaSplitters = 0;
    CZTString m_strEntrada;
};
