// Validators: one check of one control of a form or a dialog (a "validador").
//
// A validator names the control it checks (by control id) in its window, the form or dialog
// (CZTFCFormulario) that owns it; the group it belongs to (a form's own reads check group
// 0); a key the program chooses to enable, find or remove it; and what is shown when the check
// fails: its own text, or a message number of the suite's message file (0: none). It is enabled
// when made. A collection (CZTFCValidadorCollection) owns it. User-interface thread.
#pragma once

#include "platform/win_types.h"
#include "util/text/zt_string.h"

#include <cstdint>

namespace platform::ui {
class Wnd;
}

class CZTFCValidador {
public:
    // With its own text (null: empty) and no message number.
    CZTFCValidador(platform::UINT nIdControle, const char* pszMensagem, platform::ui::Wnd* pJanela,
                   std::int32_t nChave = 0, std::int32_t nGrupo = 0);
    // With message `nMensagem` of the suite's message file and an empty text.
    CZTFCValidador(platform::UINT nIdControle, std::int32_t nMensagem, platform::ui::Wnd* pJanela,
                   std::int32_t nChave = 0, std::int32_t nGrupo = 0);
    virtual ~CZTFCValidador() = default;
    CZTFCValidador(const CZTFCValidador&) = delete;
    CZTFCValidador& operator=(const CZTFCValidador&) = delete;

    // Whether the control passes the check; the base passes every control.
    [[nodiscard]] virtual platform::BOOL Valida();

    [[nodiscard]] const CZTString& GetMensagem() const { return m_strMensagem; }
    [[nodiscard]] platform::UINT GetIdControle() const { return m_nIdControle; }
    [[nodiscard]] std::int32_t GetGrupo() const { return m_nGrupo; }
    [[nodiscard]] std::int32_t GetNumeroMensagem() const { return m_nMensagem; }
    [[nodiscard]] std::int32_t GetChave() const { return m_nChave; }
    [[nodiscard]] platform::BOOL IsHabilitado() const { return m_bHabilitado ? platform::TRUE : platform::FALSE; }
    void SetHabilitado(platform::BOOL bHabilita) { m_bHabilitado = bHabilita ? 1 : 0; }
    // The form or dialog whose control is checked.
    [[nodiscard]] platform::ui::Wnd* GetJanela() const { return m_pJanela; }

private:
    CZTString m_strMensagem;
    platform::UINT m_nIdControle;
    std::int32_t m_nGrupo;
    std::int32_t m_nMensagem;
    std::int32_t m_nChave;
    std::uint8_t m_bHabilitado = 1;
    platform::ui::Wnd* m_pJanela;
};

// A required field ("campo requerido"): fails while the control's text is empty or only blanks.
class CZTFCCampoRequeridoValidador : public CZTFCValidador {
public:
    using CZTFCValidador::CZTFCValidador;

    // The base check and a text that is not empty once trimmed on both sides.
    [[nodiscard]] platform::BOOL Valida() override;
};

// The program's own check, a function given the window and the validator.
using ZTFCVALIDACAO = platform::BOOL (*)(platform::ui::Wnd* pJanela, CZTFCValidador* pValidador);

class CZTFCCustomValidador : public CZTFCValidador {
public:
    CZTFCCustomValidador(ZTFCVALIDACAO pfnValida, platform::UINT nIdControle, const char* pszMensagem,
                         platform::ui::Wnd* pJanela, std::int32_t nChave = 0, std::int32_t nGrupo = 0);

    // The base check and the function's answer (no function: passes).
    [[nodiscard]] platform::BOOL Valida() override;

private:
    ZTFCVALIDACAO m_pfnValida;
};
