// The window class "WNDBMPANIMATE" of the bitmap animation window: registered once per process
// (the main frame does it while it is constructed); an animation window is made only once it is.
// Any thread.
#pragma once

// Registers the class; a second call finds it registered and does nothing.
void ZTRegistraClasseAnimacao();

// True once the class is registered.
[[nodiscard]] bool ZTClasseAnimacaoRegistrada();
