#include "outside/editra/zt_usuario_edit.h"

#include "outside/editra/zt_usuarios_empresa.h"

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;

BOOL CUsuarioEdit::Inicializa(const char* empresa, std::uint16_t filial) {
    m_strEmpresa = empresa ? empresa : "";
    m_iFilial = filial;
    return Refresh();
}

BOOL CUsuarioEdit::Refresh() {
    std::vector<REGUSU_PS> usuarios;
    const platform::HRESULT hr = ZTLeUsuariosEmpresa(m_strEmpresa, usuarios);
    m_oferecidos.clear();
    for (const REGUSU_PS& reg : usuarios) {
        if (TestaUsuario(reg)) m_oferecidos.push_back(reg);
    }
    AtualizaStatic();
    return platform::FAILED(hr) ? FALSE : TRUE;
}

const REGUSU_PS* CUsuarioEdit::GetUsuarioOferecido(std::uint16_t codigo) const {
    for (const REGUSU_PS& reg : m_oferecidos) {
        if (reg.iCodigo == codigo) return &reg;
    }
    return nullptr;
}

void CUsuarioEdit::SetUsuario(std::uint16_t codigo) {
    m_iUsuario = codigo;
    MostraCodigos(codigo ? std::vector<std::uint16_t>{codigo} : std::vector<std::uint16_t>{});
    AtualizaStatic();
}

BOOL CUsuarioEdit::TestaUsuario(const REGUSU_PS& reg) const {
    return ZTUsuarioTemModulo(m_strEmpresa, reg, m_iModulo) ? TRUE : FALSE;
}

std::vector<std::uint16_t> CUsuarioEdit::CodigosOferecidosDoTexto() const {
    std::vector<std::uint16_t> codigos;
    for (const std::uint16_t codigo : CodigosDoTexto()) {
        if (GetUsuarioOferecido(codigo)) codigos.push_back(codigo);
    }
    return codigos;
}

platform::String CUsuarioEdit::NomesDe(const std::vector<std::uint16_t>& codigos) const {
    platform::String nomes;
    for (const std::uint16_t codigo : codigos) {
        const REGUSU_PS* reg = GetUsuarioOferecido(codigo);
        if (!reg) continue;
        if (!nomes.IsEmpty()) nomes += ", ";
        nomes += reg->szNome;
    }
    return nomes;
}

platform::String CUsuarioEdit::GetTextoStatic() const { return NomesDe({m_iUsuario}); }

void CUsuarioEdit::OnTextoDigitado(bool bDoUsuario) {
    if (!bDoUsuario || IsHabilitado()) {
        const std::vector<std::uint16_t> codigos = CodigosOferecidosDoTexto();
        m_iUsuario = codigos.empty() ? 0 : codigos.front();
    }
    SetUsuario(m_iUsuario);
}
