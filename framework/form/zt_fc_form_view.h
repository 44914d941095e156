// CZTFCFormView: the framework's record form, a form view that is also the form protocol
// (CZTFCMainForm) and a view of a framework document (CZTFCView).
//
// It shows the document's current record (or, in multi-selection mode, its selection), clears
// itself on the hints that ask for it, starts and stops its pages with the document, keeps its
// controls' command state up to date when idle, and closes the main window on IDCANCEL. Its keys
// go to the form's Tab and Enter navigation first, then to the frame's accelerators, then to the
// dialog manager. Lives on the heap like every view. User-interface thread.
#pragma once

#include "framework/form/zt_fc_main_form.h"
#include "framework/view/zt_fc_view.h"
#include "platform/ui/document/form_view.h"

class CZTFCDocument;

class CZTFCFormView : public platform::ui::FormView, public CZTFCMainForm, public CZTFCView {
public:
    explicit CZTFCFormView(platform::UINT templateId);
    ~CZTFCFormView() override;

    // TrataTeclas first; a key it leaves goes to the form view's own pre-translation.
    platform::BOOL PreTranslateMessage(platform::ui::MSG* pMsg) override;

    // Reads the form into the selection for a batch save, or into the current record when
    // nothing is selected; FALSE when a field failed its check.
    platform::BOOL LeSelecao();

    [[nodiscard]] CZTFCDocument* GetDocumentFC() const;

    // The dispatcher's handlers a form answers.
    void OnSelecionaRegistro(std::int32_t indice) override;
    void OnSelecionaRegistros(std::int32_t quantidade, const ROWCOL* handles) override;
    void OnMultiSelecao() override;
    void OnLimpaView() override;
    void OnInicializaView() override;
    void OnFinalizaView() override;

protected:
    // Hint 6 shows the current record (or the selection), hint 11 clears, the rest go to the
    // dispatcher.
    void OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* hintObject) override;
    // The idle update: every control's update handler, on the form and on its pages.
    virtual void OnIdleUpdateCmdUI();
    // WM_IDLEUPDATECMDUI to OnIdleUpdateCmdUI.
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    // IDCANCEL: the main window is asked to close.
    void OnCancelar();
};
