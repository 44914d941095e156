// CBaseEditExDF: the base of the suite's picker edits (users, branches), in which the user types
// the codes of records and a static of the same parent describes what was picked.
//
// When the edit loses the focus with a text other than the one it showed last, and when the program sets its text (SetTexto, as a form's
// clearing does), the text is read back as codes (OnTextoDigitado) and the static shows the
// picker's text (GetTextoStatic). User-interface thread.
#pragma once

#include "outside/editra/zt_edit_df.h"

#include <cstdint>
#include <vector>

class CBaseEditExDF : public CZTEditDF {
public:
    // The parent's static `id` shows the picker's text from now on (0: none).
    void SetStatic(platform::UINT id);
    [[nodiscard]] platform::UINT GetStatic() const { return m_nStatic; }
    // Writes the picker's text into the static, when there is one.
    void AtualizaStatic();

    // Shows `texto` and reads it as if the user had typed it.
    void SetTexto(const char* texto) override;

protected:
    // What the static shows; empty by default.
    [[nodiscard]] virtual platform::String GetTextoStatic() const { return {}; }
    // The text is to be read as codes, typed by the user (`bDoUsuario`) or set by the program;
    // the default only updates the static.
    virtual void OnTextoDigitado(bool /*bDoUsuario*/) { AtualizaStatic(); }

    // The codes of the text: each run of digits is one code (at most 65535), in order, each once.
    [[nodiscard]] std::vector<std::uint16_t> CodigosDoTexto() const;
    // Shows `codigos` as the edit's text ("1, 3"; none: empty).
    void MostraCodigos(const std::vector<std::uint16_t>& codigos);

    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    platform::UINT m_nStatic = 0;
    platform::String m_strMostrado;
};
