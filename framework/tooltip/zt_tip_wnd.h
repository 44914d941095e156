// CZTTipWnd: a small child window that shows the whole text of a control whose text does not fit.
//
// While the tip is shown it lies over the control, grown to the size the text needs, in the
// tooltip background with black text, and the control is hidden; once the tip is hidden the
// control shows again. While it is shown its parent paints over its children: a parent that had
// WS_CLIPCHILDREN when the tip was made loses it until the tip hides. Showing and hiding are
// ShowWindow's; the work is done as the window hears of it (WM_SHOWWINDOW). The tip keeps the
// control by pointer: the control outlives it. User-interface thread.
#pragma once

#include "platform/ui/canvas.h"
#include "platform/ui/window/wnd.h"

class CZTTipWnd : public platform::ui::Wnd {
public:
    CZTTipWnd();

    // Registers the window class "ZT_TOOLTIP_WND" unless it exists; a failed registration throws
    // a platform::ResourceException by pointer.
    static void RegistraClasse();

    // Creates the tip, hidden, over `controle` as a child of `pai` (of the tab control's parent
    // when `pai` is a page of a tab control), registering the class when it is not yet; FALSE
    // when this object has a window already.
    platform::BOOL Cria(platform::ui::Wnd* pai, platform::ui::Wnd* controle);

protected:
    // The background, the border and the control's current text.
    void OnPaint(platform::ui::Canvas& canvas) override;
    // WM_SHOWWINDOW places the tip and swaps it with the control.
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void OnShowWindow(bool mostra);

    // The parent had WS_CLIPCHILDREN when the tip was made.
    bool m_bRestauraClipChildren = true;
    platform::ui::Wnd* m_pControle = nullptr;
    // The default GUI font (the layer's default face and size).
    platform::ui::FontDescription m_fonte;
};
