#include "outside/editra/zt_multi_usuario_edit.h"

#include <algorithm>

void CMultiUsuarioEdit::AdicionaUsuario(std::uint16_t codigo) {
    if (std::find(m_usuarios.begin(), m_usuarios.end(), codigo) == m_usuarios.end()) m_usuarios.push_back(codigo);
}

void CMultiUsuarioEdit::Atualiza() {
    MostraCodigos(m_usuarios);
    AtualizaStatic();
}

platform::String CMultiUsuarioEdit::GetTextoStatic() const { return NomesDe(m_usuarios); }

void CMultiUsuarioEdit::OnTextoDigitado(bool bDoUsuario) {
    if (!bDoUsuario || IsHabilitado()) m_usuarios = CodigosOferecidosDoTexto();
    Atualiza();
}
