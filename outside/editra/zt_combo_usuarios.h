// CComboUsuarios: a drop-down list of the company's users by name, each item's data its user
// code; with SetUtilizaNenhum a first item of its own (as "(Todos)") stands for no user, code 0.
// User-interface thread.
#pragma once

#include "platform/ui/control/combo_box.h"

#include <cstdint>

class CComboUsuarios : public platform::ui::ComboBox {
public:
    // Fills the list with the users of `empresa` in code order (the branch and the session are
    // kept); nothing is selected. FALSE (the list holds only the first item) when the users
    // cannot be read.
    platform::BOOL Inicializa(const char* empresa, std::uint16_t filial, std::uint16_t sessao);
    [[nodiscard]] std::uint16_t GetFilial() const { return m_iFilial; }
    [[nodiscard]] std::uint16_t GetSessao() const { return m_iSessao; }

    // With `usa`, a first item `texto` of code 0; the list is filled again, nothing
    // selected, when it was filled.
    void SetUtilizaNenhum(platform::BOOL usa, const char* texto);

    // The code of the selected item's user; 0 when nothing, or the first item, is selected.
    [[nodiscard]] std::uint16_t GetUsuarioSelecionado() const;

private:
    platform::BOOL Preenche();

    platform::String m_strEmpresa;
    std::uint16_t m_iFilial = 0;
    std::uint16_t m_iSessao = 0;
    bool m_bUsaNenhum = false;
    bool m_bPreenchido = false;
    platform::String m_strNenhum;
};
