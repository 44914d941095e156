// The message filter of a thread that calls COM servers.
//
// Elsewhere such a filter decides what a thread shows while one of its outgoing calls waits: a
// busy dialog, a not-responding dialog. Our calls block the calling thread without re-entrant
// event processing and show neither dialog, so the filter answers the busy dialog with 0 and does
// nothing more. Each thread has at most one filter, owned by that thread and destroyed with it.
#pragma once

class CZTFiltroMensagensOle {
public:
    // No busy dialog is shown: always 0.
    [[nodiscard]] int OnBusyDialog() const { return 0; }
};

// Installs a new filter as the calling thread's; the one it had before is destroyed.
void ZTInstalaFiltroMensagens();

// The calling thread's filter; null until the thread installs one.
[[nodiscard]] CZTFiltroMensagensOle* ZTGetFiltroMensagens();
