#include "framework/animation/zt_classe_animacao.h"

#include <atomic>

namespace {

// The class carries nothing the window layer would look up (its cursor and background are the
// window's own), so registering it is this flag.
std::atomic<bool> g_classeRegistrada{false};

}  // namespace

void ZTRegistraClasseAnimacao() { g_classeRegistrada.store(true); }

bool ZTClasseAnimacaoRegistrada() { return g_classeRegistrada.load(); }
