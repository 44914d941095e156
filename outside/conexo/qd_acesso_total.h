// The all-rights rule of a session: whether a user holds every right of the module because the
// company's properties give a supervisor all rights. One routine for the document server and
// the client library, which both decide it from the same user records. Pure; any thread.
#pragma once

#include "outside/conexo/regusu_ps.h"

#include <cstdint>

// 1 when `bAcessoTotalSupervisor` holds and the user `reg` is a supervisor, or has a parent user
// that is one; else 0. `pai` is the record of reg's parent user (read only when needed; null when
// it could not be read, which gives 0 to a user that is no supervisor itself).
[[nodiscard]] std::uint8_t QDAcessoTotal(bool bAcessoTotalSupervisor, const REGUSU_PS& reg, const REGUSU_PS* pai);
