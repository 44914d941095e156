// CZTStatusBar: the status bar of every interactive program's main frame.
//
// Besides the message pane and the keyboard indicators it shows, each when its pane flag is set
// (framework/status/zt_status_bar_ids.h), a three-state save picture, a text with a small
// animation beside it for long operations, an icon, the user and the company that is open, and a
// marked-up text. The frame sets the flags, makes the bar with Cria and destroys it with itself;
// the rest of the process changes the panes through the free senders
// (framework/status/zt_status_bar_envio.h), which reach the bar as window messages. One bar per
// process. User-interface thread.
#pragma once

#include "framework/animation/zt_wnd_bmp_animate.h"
#include "platform/ui/bar/status_bar.h"
#include "platform/ui/draw/bitmap.h"
#include "platform/ui/draw/image_list.h"
#include "util/text/zt_string.h"

#include <array>
#include <memory>

namespace platform::ui {
class FrameWnd;
}

class CZTStatusBar : public platform::ui::StatusBar {
public:
    // No pictures, no icons, no animation window yet; the default pane flags.
    CZTStatusBar();
    ~CZTStatusBar() override;

    // The pane flags; set them before Cria.
    void SetPaineis(platform::UINT paineis) { m_nPaineis = paineis; }
    [[nodiscard]] platform::UINT GetPaineis() const { return m_nPaineis; }

    // Makes the bar along the bottom of `pai` with its panes, and makes it the process's bar;
    // FALSE when the window, its indicators or the animation's frames cannot be made.
    platform::BOOL Cria(platform::ui::FrameWnd* pai);

    // Shows "Usuário: <usuario>", followed by "  Empresa: <empresa>" when a company is given.
    void SetUsuarioEmpresa(const char* usuario, const char* empresa);

protected:
    // Draws the save state, the icon, the user and company, or the marked text.
    void DrawItem(const platform::ui::DrawItemStruct& item) override;
    // The bar's messages, WM_SYSCOLORCHANGE and WM_DESTROY.
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;
    // Keeps the animation at the left end of its pane.
    void OnSize(platform::UINT type, int cx, int cy) override;

    // The pane flags.
    platform::UINT m_nPaineis;
    // The save-state pictures, for states 0, 1 and 2, and the state shown.
    std::array<platform::ui::Bitmap, 3> m_bmpEstados;
    int m_nEstado = 0;
    // The icons, made on demand, and the icon shown.
    std::unique_ptr<platform::ui::ImageList> m_pIcones;
    int m_nIcone = 0;
    // The animated pane's text and its animation window.
    CZTString m_strTextoAnimado;
    std::unique_ptr<CWndBmpAnimate> m_pAnimacao;
    // The marked-text pane's text.
    CZTString m_strTextoMarcado;
    // The user's name, then "\n" and the company's name when a company is set.
    CZTString m_strUsuarioEmpresa;

private:
    void OnEstado(platform::WPARAM estado);
    void OnTexto();
    void OnAnimacao(platform::WPARAM parar, platform::LPARAM quadros);
    void OnIcone(platform::WPARAM icone);
    void OnTextoMarcado();

    [[nodiscard]] bool TemPainel(platform::UINT painel) const { return (m_nPaineis & painel) != 0; }
    void MontaIndicadores(std::array<platform::UINT, 9>& ids, int& quantos) const;
    void CarregaBitmapsEstado();
    void AjustaPaineis();
    platform::BOOL CriaAnimacao(platform::ui::FrameWnd* pai);
    // Sets pane `indice`'s width to its text's, markup left out.
    void DimensionaPainel(int indice, const CZTString& texto);
    void SetLarguraPainel(int indice, int largura);
    // The animation's rectangle: the left end of the animated pane.
    [[nodiscard]] platform::ui::Rect RetanguloAnimacao() const;
    void PosicionaAnimacao();
    [[nodiscard]] CZTString TextoUsuarioEmpresa() const;

    void DesenhaEstado(const platform::ui::DrawItemStruct& item) const;
    void DesenhaIcone(const platform::ui::DrawItemStruct& item) const;
    void DesenhaUsuarioEmpresa(const platform::ui::DrawItemStruct& item);
    void DesenhaTextoMarcado(const platform::ui::DrawItemStruct& item) const;
};
