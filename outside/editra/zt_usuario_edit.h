// CUsuarioEdit: a picker edit of one user of the company, typed as its code; the static shows
// the user's name.
//
// Inicializa reads the company's users and keeps those that pass the user test (TestaUsuario):
// by default, holding a right of the required module (SetAcessoModuloObrigatorio). Only those
// users are offered: a typed code of any other user is dropped. Typing the start of an offered
// user's name offers the matching names; choosing one writes that user's code in place of the
// name. A typed text is read only while IsHabilitado answers TRUE; otherwise the choice is shown
// again. User-interface thread.
#pragma once

#include "outside/conexo/regusu_ps.h"
#include "outside/editra/zt_base_edit_ex_df.h"

#include <cstdint>
#include <vector>

class CUsuarioEdit : public CBaseEditExDF {
public:
    // The company and branch of the session; reads the users offered. FALSE (none offered) when
    // the company's users cannot be read.
    platform::BOOL Inicializa(const char* empresa, std::uint16_t filial);
    [[nodiscard]] const platform::String& GetEmpresa() const { return m_strEmpresa; }
    [[nodiscard]] std::uint16_t GetFilial() const { return m_iFilial; }

    // Only users holding a right of module `modulo` are offered (0: any user); takes effect at
    // the next Inicializa or Refresh.
    void SetAcessoModuloObrigatorio(std::uint16_t modulo) { m_iModulo = modulo; }
    [[nodiscard]] std::uint16_t GetAcessoModuloObrigatorio() const { return m_iModulo; }

    // Reads the company's users again through the user test; the choice stays as it is.
    platform::BOOL Refresh();
    // The users offered, in code order.
    [[nodiscard]] const std::vector<REGUSU_PS>& GetUsuariosOferecidos() const { return m_oferecidos; }
    // The record of offered user `codigo`; null when it is not offered.
    [[nodiscard]] const REGUSU_PS* GetUsuarioOferecido(std::uint16_t codigo) const;

    // The chosen user (0: none) and its setter, which shows it.
    void SetUsuario(std::uint16_t codigo);
    [[nodiscard]] std::uint16_t GetUsuario() const { return m_iUsuario; }

    // Whether the edit takes what is typed; subclasses narrow it. The default: the window is enabled.
    [[nodiscard]] virtual platform::BOOL IsHabilitado() const { return IsWindowEnabled(); }

protected:
    // The user test: whether user `reg` is offered. The default asks for the required module.
    [[nodiscard]] virtual platform::BOOL TestaUsuario(const REGUSU_PS& reg) const;

    // The typed codes of offered users, in typed order, each once.
    [[nodiscard]] std::vector<std::uint16_t> CodigosOferecidosDoTexto() const;
    // The names of `codigos` joined with ", " (codes not offered are left out).
    [[nodiscard]] platform::String NomesDe(const std::vector<std::uint16_t>& codigos) const;

    [[nodiscard]] platform::String GetTextoStatic() const override;
    void OnTextoDigitado(bool bDoUsuario) override;

private:
    // Offers the names of m_oferecidos while the user types.
    void CompletaNomes();

    platform::String m_strEmpresa;
    std::uint16_t m_iFilial = 0;
    std::uint16_t m_iModulo = 0;
    std::uint16_t m_iUsuario = 0;
    std::vector<REGUSU_PS> m_oferecidos;
};
