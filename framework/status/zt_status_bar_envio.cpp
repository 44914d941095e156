#include "framework/status/zt_status_bar_envio.h"

#include "framework/status/zt_status_bar_ids.h"
#include "framework/status/zt_status_bar_partilha.h"

#include <memory>

using platform::LPARAM;
using platform::WPARAM;

namespace {

constexpr platform::WORD kEstadoOcupado = 2;

}  // namespace

void ZTSetIndicadorStatusBar(platform::WORD estado) {
    const platform::ui::HWND janela = zt_status::JanelaStatusBar();
    if (!janela) return;
    // The busy state must show before the caller goes on with the work it announces.
    if (estado == kEstadoOcupado) {
        platform::ui::SendMessage(janela, WM_ZTSTATUS_ESTADO, estado);
        return;
    }
    platform::ui::PostMessage(janela, WM_ZTSTATUS_ESTADO, estado);
}

void ZTSetTextoStatusBar(const char* texto) {
    zt_status::DefineTextoCompartilhado(texto);
    if (const platform::ui::HWND janela = zt_status::JanelaStatusBar()) platform::ui::SendMessage(janela, WM_ZTSTATUS_TEXTO);
}

void ZTIniciaAnimacaoStatusBar(const char* texto, int primeiro, int ultimo) {
    zt_status::DefineTextoCompartilhado(texto);
    const platform::ui::HWND janela = zt_status::JanelaStatusBar();
    if (!janela) return;
    const auto quadros = static_cast<LPARAM>(platform::MAKELPARAM(static_cast<platform::WORD>(ultimo & 0xFFFF),
                                                                  static_cast<platform::WORD>(primeiro)));
    platform::ui::SendMessage(janela, WM_ZTSTATUS_ANIMACAO, 0, quadros);
}

void ZTParaAnimacaoStatusBar(const char* texto) {
    zt_status::DefineTextoCompartilhado(texto);
    if (const platform::ui::HWND janela = zt_status::JanelaStatusBar()) {
        platform::ui::PostMessage(janela, WM_ZTSTATUS_ANIMACAO, 1);
    }
}

void ZTSetIconeStatusBar(int indice) {
    if (const platform::ui::HWND janela = zt_status::JanelaStatusBar()) {
        platform::ui::PostMessage(janela, WM_ZTSTATUS_ICONE, static_cast<WPARAM>(indice));
    }
}

void ZTSetTextoMarcadoStatusBar(const char* texto) {
    if (const platform::ui::HWND janela = zt_status::JanelaStatusBar()) {
        platform::ui::PostMessage(janela, WM_ZTSTATUS_TEXTO_MARCADO, 0, 0,
                                  std::make_unique<zt_status::TextoMarcadoPayload>(texto));
    }
}
