// The company dialog: three drop lists (company, user, branch) filled from the catalogue, with
// OK and Cancelar. Choosing a company refills the users, choosing a user refills that user's
// active branches; OK ends the dialog only with all three chosen, otherwise a warning box says
// what is missing and the dialog stays. User-interface thread.
#pragma once

#include "outside/empral/zt_escolha_empresa.h"
#include "platform/ui/dialog/dialog.h"

#include <vector>

namespace platform::ui {
class ComboBox;
}

// The dialog's template and control ids.
constexpr platform::UINT IDD_ZTESCOLHA_EMPRESA = 27100;
constexpr platform::UINT IDC_ZTESCOLHA_EMPRESA = 27101;
constexpr platform::UINT IDC_ZTESCOLHA_USUARIO = 27102;
constexpr platform::UINT IDC_ZTESCOLHA_FILIAL = 27103;

// The dialog's layout, for registering under IDD_ZTESCOLHA_EMPRESA.
[[nodiscard]] platform::ui::DialogTemplate ZTModeloEscolhaEmpresa();

class CZTDlgEscolhaEmpresa : public platform::ui::Dialog {
public:
    // The choice among what `catalogo` lists; it must outlive the dialog.
    explicit CZTDlgEscolhaEmpresa(const CZTCatalogoEmpresas& catalogo, platform::ui::Wnd* pParent = nullptr);

    // What the user chose; complete once DoModal returned IDOK.
    [[nodiscard]] const ZT_ESCOLHA_EMPRESA& GetEscolha() const { return escolha_; }

protected:
    platform::BOOL OnInitDialog() override;
    // Ends the dialog only when company, user and branch are chosen.
    void OnOK() override;
    platform::BOOL OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    [[nodiscard]] platform::ui::ComboBox& Combo(platform::UINT id) const;
    // The code or number the selected item of `combo` stands for; false when none is selected.
    [[nodiscard]] static bool Selecionado(const platform::ui::ComboBox& combo, platform::DWORD_PTR& valor);
    // The users of the selected company, none chosen; the branches emptied.
    void PreencheUsuarios();
    // The active branches of the selected user, none chosen.
    void PreencheFiliais();

    const CZTCatalogoEmpresas& catalogo_;
    std::vector<CZTString> empresas_;  // the company list's items, by item data
    ZT_ESCOLHA_EMPRESA escolha_;
};
