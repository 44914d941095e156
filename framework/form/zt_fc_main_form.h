// CZTFCMainForm: the record protocol of a form (show, read, validate, clear) and its Tab and
// Enter navigation, mixed into a window that holds dialog controls.
//
// The form forwards each record step to the framework dialogs on its tab control's pages after
// its own hook, validates its own validators before those of each page, and owns its validator
// collection (CZTFCFormulario). The window is not owned. User-interface thread.
#pragma once

#include "framework/form/zt_fc_formulario.h"
#include "platform/ui/message/key_message.h"
#include "platform/win_types.h"

#include <cstdint>

class CZTFCDados;
class CZTTabCtrl;

namespace platform::ui {
class Wnd;
}

class CZTFCMainForm : public CZTFCFormulario {
public:
    // The protocol of the controls of `janela` (not owned; the window that mixes the form in).
    explicit CZTFCMainForm(platform::ui::Wnd* janela);
    ~CZTFCMainForm() override;

    // OnMostraRegistro, then every page's MostraRegistro.
    virtual void MostraRegistro(CZTFCDados* registro);
    // Validates group 0 and, when it passes, OnLeRegistro then every page's LeRegistro; FALSE,
    // with nothing copied, when a field failed.
    virtual platform::BOOL LeRegistro(CZTFCDados* registro);
    virtual void MostraRegistros(std::int32_t quantidade, CZTFCDados** registros);
    virtual platform::BOOL LeRegistros(std::int32_t quantidade, CZTFCDados** registros);
    // Clears the form's controls and its pages (ZTFCLimpaControles).
    void LimpaCampos() override;
    // The form's first tab stop; null when it has none.
    [[nodiscard]] virtual platform::ui::Wnd* GetPrimeiroControle();
    // The program's hooks; empty here.
    virtual void OnLeRegistro(CZTFCDados* registro);
    virtual void OnLeRegistros(std::int32_t quantidade, CZTFCDados** registros);
    virtual void OnMostraRegistros(std::int32_t quantidade, CZTFCDados** registros);
    virtual void OnMostraRegistro(CZTFCDados* registro);
    // Tab and Enter across the form's controls and into its tab control's pages; TRUE when the
    // key was consumed.
    virtual platform::BOOL TrataTeclas(platform::ui::MSG* pMsg);

    // TRUE when no enabled validator of `grupo` fails (the form's, then each page's); otherwise
    // the first failure's message, the focus on its control, FALSE.
    platform::BOOL ValidaCampos(std::int32_t grupo);
    // The first failing validator of `grupo`, the form's before its pages'; null when none fails.
    [[nodiscard]] CZTFCValidador* BuscaValidadorInvalido(std::int32_t grupo);
    // Focuses control `id` of the form, or of the first page that holds it and may be selected
    // (selecting that page); the control, or null when nobody holds it.
    platform::ui::Wnd* FocaControle(platform::UINT id);
    // The form's tab control; null without one.
    [[nodiscard]] CZTTabCtrl* GetTabCtrl() const;

    [[nodiscard]] platform::ui::Wnd* GetJanelaForm() const { return m_pJanela; }

private:
    // The next tab stop is the tab control: the focus goes into the next (previous) page.
    platform::BOOL EntraNaPagina(CZTTabCtrl& abas, bool bVolta);

    platform::ui::Wnd* m_pJanela;
};
