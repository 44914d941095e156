// CMultiUsuarioEdit: a picker edit of several users of the company, typed as their codes
// ("1, 3"); the static shows their names.
//
// The offered users and the user test are CUsuarioEdit's. The program fills the list with
// RemoveTodos, AdicionaUsuario and then Atualiza, which shows it; GetUsuarios reads it back.
// User-interface thread.
#pragma once

#include "outside/editra/zt_usuario_edit.h"

class CMultiUsuarioEdit : public CUsuarioEdit {
public:
    // Empties the list (shown at the next Atualiza).
    void RemoveTodos() { m_usuarios.clear(); }
    // Adds user `codigo` to the list, once (shown at the next Atualiza).
    void AdicionaUsuario(std::uint16_t codigo);
    // Shows the list in the edit and its names in the static.
    void Atualiza();
    // The chosen users' codes, in the order chosen.
    [[nodiscard]] const std::vector<std::uint16_t>& GetUsuarios() const { return m_usuarios; }

protected:
    [[nodiscard]] platform::String GetTextoStatic() const override;
    void OnTextoDigitado(bool bDoUsuario) override;

private:
    std::vector<std::uint16_t> m_usuarios;
};
