#include "outside/editra/zt_combo_usuarios.h"

#include "outside/editra/zt_usuarios_empresa.h"

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;

BOOL CComboUsuarios::Inicializa(const char* empresa, std::uint16_t filial, std::uint16_t sessao) {
    m_strEmpresa = empresa ? empresa : "";
    m_iFilial = filial;
    m_iSessao = sessao;
    m_bPreenchido = true;
    return Preenche();
}

void CComboUsuarios::SetUtilizaNenhum(BOOL usa, const char* texto) {
    m_bUsaNenhum = usa != FALSE;
    m_strNenhum = texto ? texto : "";
    if (m_bPreenchido) (void)Preenche();
}

std::uint16_t CComboUsuarios::GetUsuarioSelecionado() const {
    const int selecionado = GetCurSel();
    if (selecionado < 0) return 0;
    return static_cast<std::uint16_t>(GetItemData(selecionado));
}

BOOL CComboUsuarios::Preenche() {
    ResetContent();
    if (m_bUsaNenhum) SetItemData(AddString(m_strNenhum), 0);
    std::vector<REGUSU_PS> usuarios;
    const platform::HRESULT hr = ZTLeUsuariosEmpresa(m_strEmpresa, usuarios);
    for (const REGUSU_PS& reg : usuarios) SetItemData(AddString(reg.szNome), reg.iCodigo);
    return platform::FAILED(hr) ? FALSE : TRUE;
}
