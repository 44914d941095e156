#include "framework/tooltip/zt_tip_retangulo.h"

using platform::ui::Rect;

namespace {

// A control lower than this holds one line of text.
constexpr int kAlturaUmaLinha = 20;

}  // namespace

Rect ZTRetanguloDica(platform::ui::Canvas& dc, const platform::String& texto, const Rect& controle,
                     const platform::ui::Size& cliente) {
    Rect dica = controle;
    if (controle.Height() < kAlturaUmaLinha) dica.right = cliente.cx;
    platform::ui::DrawText(dc, texto, &dica, kZTFormatoDica | platform::ui::DT_CALCRECT);
    // A text on the control's one line gets room beyond its last character.
    if (dica.Height() == controle.Height()) dica.right += 4;
    dica.right += 2;
    dica.bottom += 4;
    dica.Offset(-2, -2);
    if (dica.right > cliente.cx) dica.Offset(cliente.cx - dica.right, 0);
    if (dica.bottom > cliente.cy) dica.Offset(0, cliente.cy - dica.bottom);
    return dica;
}
