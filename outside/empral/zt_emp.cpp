#include "outside/empral/zt_emp.h"

#include "outside/conexo/conexo_dados.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

IZTEscolhaEmpresa* g_pEscolha = nullptr;
std::optional<ZT_ESCOLHA_EMPRESA> g_escolhaPendente;

// The stored company whose code is exactly `codigo` (what the chooser was offered).
bool EmpresaListada(const CZTCatalogoEmpresas& catalogo, const CZTString& codigo) {
    std::vector<CZTString> empresas;
    if (platform::FAILED(catalogo.GetEmpresas(empresas))) return false;
    return std::find(empresas.begin(), empresas.end(), codigo) != empresas.end();
}

// Whether `escolha` names a listed company, an existing user and one of its active branches;
// the user's record in `usuario`.
bool EscolhaValida(const CZTCatalogoEmpresas& catalogo, const ZT_ESCOLHA_EMPRESA& escolha, REGUSU_PS& usuario) {
    if (escolha.strEmpresa.GetLength() >= ZT_TAM_CODIGO_EMPRESA) return false;
    if (!EmpresaListada(catalogo, escolha.strEmpresa)) return false;
    std::vector<ZT_ITEM_ESCOLHA> filiais;
    if (platform::FAILED(catalogo.GetFiliais(escolha.strEmpresa, escolha.iUsuario, filiais))) return false;
    const bool filialAtiva = std::any_of(filiais.begin(), filiais.end(),
                                         [&](const ZT_ITEM_ESCOLHA& filial) { return filial.iCodigo == escolha.iFilial; });
    return filialAtiva && platform::SUCCEEDED(ConexoLeUsuario(escolha.strEmpresa, escolha.iUsuario, &usuario, nullptr));
}

}  // namespace

bool CZTEmp::GetEmpresaEx(const char* szSistema, bool bOpcao, char (&szEmpresa)[ZT_TAM_CODIGO_EMPRESA],
                          std::uint16_t& iFilial, REGUSU_PS& usuario, bool bOpcao2) {
    if (!g_pEscolha) return false;
    const CZTCatalogoEmpresas catalogo;
    const ZT_PEDIDO_ESCOLHA pedido{CZTString(szSistema ? szSistema : ""), bOpcao, bOpcao2};
    ZT_ESCOLHA_EMPRESA escolha;
    if (!g_pEscolha->Escolhe(pedido, catalogo, escolha)) return false;
    REGUSU_PS reg;
    if (!EscolhaValida(catalogo, escolha, reg)) return false;

    std::memset(szEmpresa, 0, sizeof szEmpresa);
    std::memcpy(szEmpresa, escolha.strEmpresa.GetString(), escolha.strEmpresa.GetLength());
    iFilial = escolha.iFilial;
    usuario = reg;
    g_escolhaPendente = escolha;
    return true;
}

IZTEscolhaEmpresa* CZTEmp::SetEscolhaEmpresa(IZTEscolhaEmpresa* pEscolha) { return std::exchange(g_pEscolha, pEscolha); }

std::optional<ZT_ESCOLHA_EMPRESA> CZTEmp::TomaEscolhaPendente() { return std::exchange(g_escolhaPendente, std::nullopt); }
