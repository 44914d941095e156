#include "framework/status/zt_status_bar_partilha.h"

#include "platform/system/auto_reset_event.h"

#include <atomic>

namespace zt_status {

namespace {

struct Partilha {
    std::atomic<platform::ui::HWND> janela{nullptr};
    // Open from start-up: a text sent before the bar exists must not wait for the bar.
    platform::AutoResetEvent trava{true};
    CZTString texto;
};

Partilha& Partilhado() {
    static Partilha partilha;
    return partilha;
}

}  // namespace

platform::ui::HWND JanelaStatusBar() { return Partilhado().janela.load(); }

void RegistraJanelaStatusBar(platform::ui::HWND janela) { Partilhado().janela.store(janela); }

void EsqueceJanelaStatusBar(platform::ui::HWND janela) { Partilhado().janela.compare_exchange_strong(janela, nullptr); }

void DefineTextoCompartilhado(const char* texto) {
    Partilha& partilha = Partilhado();
    partilha.trava.Wait();
    partilha.texto = texto;
    partilha.trava.Set();
}

CZTString CopiaTextoCompartilhado() {
    Partilha& partilha = Partilhado();
    partilha.trava.Wait();
    CZTString copia = partilha.texto;
    partilha.trava.Set();
    return copia;
}

}  // namespace zt_status
