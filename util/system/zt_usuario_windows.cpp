#include "util/system/zt_usuario_windows.h"

#include "platform/system/account.h"

CZTString ZTGetUsuarioWindows() {
    platform::String nome;
    if (platform::ProcessAccountName(nome) != platform::ERROR_SUCCESS) return {};
    if (nome.GetLength() > ZT_MAX_USUARIO) return {};
    return nome;
}
