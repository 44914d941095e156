#include "framework/status/zt_status_bar_recursos.h"

#include "framework/status/zt_status_bar_ids.h"
#include "platform/system/library.h"
#include "platform/ui/resource/resources.h"

#include <cstdlib>
#include <mutex>

using platform::ui::BitmapSource;
using platform::ui::Colour;
using platform::ui::Rgb;

namespace {

// The save-state pictures are drawn on black, which the bar maps to the button face; the icons
// are drawn on black too (their transparent colour); the animation on pure green.
constexpr Colour kPreto = Rgb(0, 0, 0);
constexpr Colour kVerde = Rgb(0, 255, 0);
constexpr Colour kContorno = Rgb(64, 64, 64);
constexpr Colour kFolha = Rgb(255, 255, 255);
constexpr Colour kApagado = Rgb(160, 160, 160);
constexpr Colour kFila = Rgb(255, 200, 0);
constexpr Colour kOcupado = Rgb(220, 0, 0);
constexpr Colour kFunilVazio = Rgb(128, 128, 128);
constexpr Colour kFunilCheio = Rgb(0, 64, 200);
constexpr Colour kAceso = Rgb(0, 0, 128);

bool Dentro(int x, int y, int esquerda, int topo, int direita, int fundo) {
    return x >= esquerda && x < direita && y >= topo && y < fundo;
}

// A sheet of paper (the document being saved) and three lights: none lit when idle, the first one
// amber when queued, all three red while busy.
Colour PixelEstado(int estado, int x, int y) {
    if (Dentro(x, y, 2, 1, 11, 12)) return Dentro(x, y, 3, 2, 10, 11) ? kFolha : kContorno;
    for (int luz = 0; luz < 3; ++luz) {
        const int esquerda = 16 + luz * 8;
        if (!Dentro(x, y, esquerda, 4, esquerda + 5, 9)) continue;
        if (estado == 2) return kOcupado;
        return estado == 1 && luz == 0 ? kFila : kApagado;
    }
    return kPreto;
}

// A funnel (the filter): hollow for icon 0, filled for icon 1.
Colour PixelIcone(int x, int y) {
    const int icone = x / 15;
    const int coluna = x % 15;
    const bool cone = y >= 2 && y < 8 && coluna >= y - 1 && coluna <= 15 - y;
    const bool haste = y >= 8 && y < 13 && coluna >= 6 && coluna <= 8;
    if (!cone && !haste) return kPreto;
    if (icone == 1) return kFunilCheio;
    const bool borda = y == 2 || coluna == y - 1 || coluna == 15 - y || (haste && coluna != 7) || y == 12;
    return borda ? kFunilVazio : kPreto;
}

// Three dots, the lit one moving from left to right frame by frame.
Colour PixelAnimacao(int x, int y) {
    const int quadro = x / 26;
    const int coluna = x % 26;
    for (int ponto = 0; ponto < 3; ++ponto) {
        const int dx = coluna - (5 + ponto * 8);
        const int dy = y - 6;
        if (dx * dx + dy * dy <= 9) return ponto == quadro ? kAceso : kApagado;
    }
    return kVerde;
}

BitmapSource Estado(int estado) {
    return {41, 13, [estado](int x, int y) { return PixelEstado(estado, x, y); }, {}};
}

}  // namespace

void ZTRegistraRecursosStatusBar() {
    static std::once_flag registrados;
    std::call_once(registrados, [] {
        const platform::HMODULE modulo = platform::GetModuleHandle(nullptr);
        platform::ui::RegisterString(modulo, ID_ZTSTATUS_TEXTO_MARCADO, platform::String(' ', 48));
        platform::ui::RegisterString(modulo, ID_ZTSTATUS_ANIMACAO, platform::String(' ', 43));
        for (const platform::UINT id : {ID_ZTSTATUS_ESTADO, ID_ZTSTATUS_ICONE, ID_ZTSTATUS_USUARIO}) {
            platform::ui::RegisterString(modulo, id, " ");
        }
        platform::ui::RegisterBitmap(modulo, IDB_ZTSTATUS_ESTADO_0, Estado(0));
        platform::ui::RegisterBitmap(modulo, IDB_ZTSTATUS_ESTADO_1, Estado(1));
        platform::ui::RegisterBitmap(modulo, IDB_ZTSTATUS_ESTADO_2, Estado(2));
        platform::ui::RegisterBitmap(modulo, IDB_ZTSTATUS_ICONES, {30, 14, PixelIcone, {}});
        platform::ui::RegisterBitmap(modulo, IDB_ZTSTATUS_ANIMACAO, {78, 13, PixelAnimacao, {}});
    });
}
