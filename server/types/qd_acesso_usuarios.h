// The access rule of user lists: may the session see something whose allowed users are a list?
// Used by the document types' search and by the document access test.
//
// The rule alone: a session sees a list when it has all rights, or when its user code, or its
// parent user code while that is not 0, is one of the list's codes. What an empty list means
// (visible to all) is the caller's rule, since documents fall back on their type's list first.
// Pure; safe from any thread.
#pragma once

#include <cstdint>
#include <span>

// True when the session (all-rights flag `bAcessoTotal`, user `iUsuario`, parent user
// `iUsuarioPai`, 0 = none) may see the list `usuarios`.
[[nodiscard]] bool QDSessaoVeUsuarios(std::uint8_t bAcessoTotal, std::uint16_t iUsuario, std::uint16_t iUsuarioPai,
                                      std::span<const std::uint16_t> usuarios);
