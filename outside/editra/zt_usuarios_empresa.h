// The company's users as the suite's user widgets offer them: each user's record read through
// Conexo, in code order. Any thread.
#pragma once

#include "outside/conexo/regusu_ps.h"
#include "platform/hresult.h"

#include <cstdint>
#include <vector>

// The records of every user of `empresa`, in code order. S_OK, or the first failure of Conexo
// (then `usuarios` is left as it was).
[[nodiscard]] platform::HRESULT ZTLeUsuariosEmpresa(const char* empresa, std::vector<REGUSU_PS>& usuarios);

// Whether `reg` holds a right of module `modulo` of `empresa`: a supervisor holds all, a user
// with a parent follows the parent's rights as well as its own. Module 0 asks nothing.
[[nodiscard]] bool ZTUsuarioTemModulo(const char* empresa, const REGUSU_PS& reg, std::uint16_t modulo);
