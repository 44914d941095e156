// CZTFCDialog: the base of the programs' dialogs and of every page that a form or dialog holds
// in a tab control.
//
// It carries the form's record protocol (show, read, clear), forwards each step to the pages of
// its own tab control, keeps its own validators (CZTFCFormulario) for the form's validation walk,
// and moves the focus with Tab and Enter across its controls and across the pages of the tab
// control that holds it, nested tab controls included. Enter or Escape on a page acts on the
// window that owns the page's tab control. Its Enter-key navigation object (CZTEnter) is
// attached when the dialog is initialised. User-interface thread.
#pragma once

#include "framework/form/zt_fc_formulario.h"
#include "framework/navigation/zt_enter.h"
#include "platform/ui/dialog/dialog.h"

#include <cstdint>
#include <vector>

class CZTFCDados;

class CZTFCDialog : public platform::ui::Dialog, public CZTFCFormulario {
public:
    CZTFCDialog();
    CZTFCDialog(platform::UINT templateId, platform::ui::Wnd* parent);
    ~CZTFCDialog() override;

    // Inicializa on every page, then the dialog counts as initialised.
    virtual void Inicializa();
    // Finaliza on every page, then the dialog no longer counts as initialised.
    virtual void Finaliza();
    // Each forwards the call to every page; programs override them for their own controls.
    virtual void MostraRegistro(CZTFCDados* registro);
    virtual void MostraRegistros(std::int32_t quantidade, CZTFCDados** registros);
    virtual void LeRegistros(std::int32_t quantidade, CZTFCDados** registros);
    virtual void LeRegistro(CZTFCDados* registro);
    // ZTFCLimpaControles on the dialog.
    void LimpaCampos() override;
    // The first tab stop; null when there is none.
    [[nodiscard]] virtual platform::ui::Wnd* GetPrimeiroControle();
    // Tab and Enter across the dialog's controls and the pages around it; TRUE when consumed.
    virtual platform::BOOL TrataTeclas(platform::ui::MSG* pMsg);

    [[nodiscard]] platform::BOOL GetInicializado() const { return m_bInicializado ? platform::TRUE : platform::FALSE; }

    // The navigation object, then TrataTeclas, then (but for F5 and F9, which go on to the
    // windows around) the dialog manager.
    platform::BOOL PreTranslateMessage(platform::ui::MSG* pMsg) override;

protected:
    // The base's, then the navigation object is attached to this dialog.
    platform::BOOL OnInitDialog() override;
    // On a page (the parent is a tab control) IDOK or IDCANCEL goes to the tab control's owner;
    // otherwise the base's.
    void OnOK() override;
    void OnCancel() override;
    // WM_SHOWWINDOW: a dialog or page that is shown starts at its first control.
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    // FALSE when the dialog is no page: the command is the base's to handle.
    platform::BOOL RepassaAoDonoDasAbas(platform::UINT comando);
    // The first tab stop gets the focus, unless the dialog is hidden or one of its controls has it.
    void FocaPrimeiroControle();
    // The message that a shown dialog posts itself to do so.
    [[nodiscard]] static platform::UINT MensagemFocaPrimeiro();

    CZTEnter m_enter;
    std::uint8_t m_bInicializado = 0;
};

// The pages of `janela`'s tab control that are framework dialogs, in tab order.
[[nodiscard]] std::vector<CZTFCDialog*> ZTFCGetPaginasDialogo(const platform::ui::Wnd& janela);
