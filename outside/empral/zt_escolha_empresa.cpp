#include "outside/empral/zt_escolha_empresa.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/conexo_empresa.h"

using platform::HRESULT;

HRESULT CZTCatalogoEmpresas::GetEmpresas(std::vector<CZTString>& empresas) const {
    return ConexoListaEmpresas(empresas);
}

HRESULT CZTCatalogoEmpresas::GetUsuarios(const char* szEmpresa, std::vector<ZT_ITEM_ESCOLHA>& usuarios) const {
    std::vector<std::uint16_t> codigos;
    if (const HRESULT hr = ConexoListaUsuarios(szEmpresa, codigos); platform::FAILED(hr)) return hr;
    std::vector<ZT_ITEM_ESCOLHA> lidos;
    for (const std::uint16_t codigo : codigos) {
        REGUSU_PS reg;
        if (const HRESULT hr = ConexoLeUsuario(szEmpresa, codigo, &reg, nullptr); platform::FAILED(hr)) return hr;
        lidos.push_back({codigo, CZTString(reg.szNome)});
    }
    usuarios = std::move(lidos);
    return platform::S_OK;
}

HRESULT CZTCatalogoEmpresas::GetFiliais(const char* szEmpresa, std::uint16_t iUsuario,
                                        std::vector<ZT_ITEM_ESCOLHA>& filiais) const {
    FILIAIS_ATIVAS ativas;
    if (const HRESULT hr = ConexoLeUsuario(szEmpresa, iUsuario, nullptr, &ativas); platform::FAILED(hr)) return hr;
    std::vector<ZT_ITEM_ESCOLHA> lidas;
    for (int filial = 0; filial < QD_QTD_FILIAIS; ++filial) {
        CZTString nome;
        if (!ativas.bAtiva[filial]) continue;
        const HRESULT hr = ConexoLeNomeFilial(szEmpresa, static_cast<std::uint16_t>(filial), nome);
        if (hr == CONEXO_E_FILIAL_INEXISTENTE) continue;  // listed, but no branch to work in
        if (platform::FAILED(hr)) return hr;
        lidas.push_back({static_cast<std::uint16_t>(filial), nome});
    }
    filiais = std::move(lidas);
    return platform::S_OK;
}
