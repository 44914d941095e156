#include "outside/editra/zt_usuarios_empresa.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/conexo_direitos.h"

#include <algorithm>

namespace {

bool TemDireitoDoModulo(const char* empresa, std::uint16_t usuario, std::uint16_t modulo) {
    std::vector<CONEXO_DIREITO> direitos;
    if (platform::FAILED(ConexoLeDireitos(empresa, usuario, direitos))) return false;
    return std::any_of(direitos.begin(), direitos.end(), [modulo](const CONEXO_DIREITO& d) { return d.iModulo == modulo; });
}

}  // namespace

platform::HRESULT ZTLeUsuariosEmpresa(const char* empresa, std::vector<REGUSU_PS>& usuarios) {
    std::vector<std::uint16_t> codigos;
    if (const platform::HRESULT hr = ConexoListaUsuarios(empresa, codigos); platform::FAILED(hr)) return hr;
    std::vector<REGUSU_PS> lidos(codigos.size());
    for (std::size_t i = 0; i < codigos.size(); ++i) {
        if (const platform::HRESULT hr = ConexoLeUsuario(empresa, codigos[i], &lidos[i], nullptr); platform::FAILED(hr)) return hr;
    }
    usuarios = std::move(lidos);
    return platform::S_OK;
}

bool ZTUsuarioTemModulo(const char* empresa, const REGUSU_PS& reg, std::uint16_t modulo) {
    if (modulo == 0 || reg.bSupervisor) return true;
    if (TemDireitoDoModulo(empresa, reg.iCodigo, modulo)) return true;
    return reg.iCodigoPai != 0 && reg.iCodigoPai != reg.iCodigo && TemDireitoDoModulo(empresa, reg.iCodigoPai, modulo);
}
