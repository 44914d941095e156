#include "server/types/qd_acesso_usuarios.h"

#include <algorithm>

bool QDSessaoVeUsuarios(std::uint8_t bAcessoTotal, std::uint16_t iUsuario, std::uint16_t iUsuarioPai,
                        std::span<const std::uint16_t> usuarios) {
    if (bAcessoTotal) return true;
    // A parent code of 0 means "no parent" and must never match a stored user code 0.
    return std::any_of(usuarios.begin(), usuarios.end(), [&](std::uint16_t usuario) {
        return usuario == iUsuario || (iUsuarioPai != 0 && usuario == iUsuarioPai);
    });
}
