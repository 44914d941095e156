// The free senders of the status bar: any code of the process, on any thread, changes the panes
// of the process's one CZTStatusBar through them, without a pointer to it.
//
// Each sender does nothing while no status bar window exists. Texts for the animated pane travel
// through one shared text guarded by a lock that is open from start-up, so a sender called before
// the bar exists never waits; the lock is never held while a message is sent. The senders of the
// state 2 and of texts for the animated pane (but the stop) return once the bar has handled the
// message; the others return at once. Any thread.
#pragma once

#include "platform/win_types.h"

// Shows save state `estado` (0 idle, 1 queued, 2 busy); any other value is ignored by the bar.
void ZTSetIndicadorStatusBar(platform::WORD estado);
// Makes `texto` the animated pane's text.
void ZTSetTextoStatusBar(const char* texto);
// Shows `texto` in the animated pane and starts the animation from frame `primeiro` to `ultimo`
// (-1: the last frame).
void ZTIniciaAnimacaoStatusBar(const char* texto, int primeiro, int ultimo);
// Stops the animation; the animated pane shrinks to nothing.
void ZTParaAnimacaoStatusBar(const char* texto);
// Shows icon `indice` in the icon pane.
void ZTSetIconeStatusBar(int indice);
// Shows the marked text `texto` in the marked-text pane.
void ZTSetTextoMarcadoStatusBar(const char* texto);
