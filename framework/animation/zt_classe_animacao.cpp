#include "framework/animation/zt_classe_animacao.h"

#include "platform/exception.h"
#include "platform/ui/window/window_class.h"

namespace {

constexpr const char* kClasse = "WNDBMPANIMATE";

}  // namespace

void ZTRegistraClasseAnimacao() {
    if (platform::ui::GetWndClassInfo(kClasse)) return;
    using namespace platform::ui;
    // Brush value 5, which the original platform reads as the menu colour.
    if (!RegisterWndClass({kClasse, CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS, 5})) throw new platform::ResourceException;
}

bool ZTClasseAnimacaoRegistrada() { return platform::ui::GetWndClassInfo(kClasse) != platform::FALSE; }
