#include "outside/empral/ui/zt_dlg_escolha_empresa.h"

#include "platform/interaction.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/control/combo_box.h"

using platform::BOOL;
using platform::DWORD_PTR;
using platform::LPARAM;
using platform::UINT;
using platform::WPARAM;
using platform::ui::ComboBox;
using platform::ui::ControlKind;
using platform::ui::DialogControl;
using platform::ui::DialogTemplate;

namespace {

constexpr char kTitulo[] = "Escolha da empresa";

DialogControl Controle(ControlKind kind, UINT id, const char* texto, platform::ui::Rect rect, UINT opcoes = 0) {
    DialogControl controle;
    controle.kind = kind;
    controle.id = id;
    controle.text = texto;
    controle.rect = rect;
    controle.tabStop = kind != ControlKind::Static;
    controle.options = opcoes;
    return controle;
}

// Adds `itens` to `combo`, each with its code as item data.
void AdicionaItens(ComboBox& combo, const std::vector<ZT_ITEM_ESCOLHA>& itens) {
    for (const ZT_ITEM_ESCOLHA& item : itens) combo.SetItemData(combo.AddString(item.strNome), item.iCodigo);
}

}  // namespace

DialogTemplate ZTModeloEscolhaEmpresa() {
    DialogTemplate modelo{kTitulo, {"", 8}, {200, 86}, {}};
    auto& c = modelo.controls;
    c.push_back(Controle(ControlKind::Static, 0, "Empresa:", {7, 9, 45, 17}));
    c.push_back(Controle(ControlKind::ComboBox, IDC_ZTESCOLHA_EMPRESA, "", {50, 7, 193, 90}, platform::ui::CBS_DROPDOWNLIST));
    c.push_back(Controle(ControlKind::Static, 0, "Usu\xE1rio:", {7, 27, 45, 35}));
    c.push_back(Controle(ControlKind::ComboBox, IDC_ZTESCOLHA_USUARIO, "", {50, 25, 193, 108}, platform::ui::CBS_DROPDOWNLIST));
    c.push_back(Controle(ControlKind::Static, 0, "Filial:", {7, 45, 45, 53}));
    c.push_back(Controle(ControlKind::ComboBox, IDC_ZTESCOLHA_FILIAL, "", {50, 43, 193, 126}, platform::ui::CBS_DROPDOWNLIST));
    c.push_back(Controle(ControlKind::PushButton, platform::IDOK, "OK", {90, 65, 140, 79}));
    c.push_back(Controle(ControlKind::PushButton, platform::IDCANCEL, "Cancelar", {143, 65, 193, 79}));
    c[6].defaultButton = true;
    return modelo;
}

CZTDlgEscolhaEmpresa::CZTDlgEscolhaEmpresa(const CZTCatalogoEmpresas& catalogo, platform::ui::Wnd* pParent)
    : Dialog(IDD_ZTESCOLHA_EMPRESA, pParent), catalogo_(catalogo) {}

BOOL CZTDlgEscolhaEmpresa::OnInitDialog() {
    Dialog::OnInitDialog();
    if (platform::FAILED(catalogo_.GetEmpresas(empresas_))) empresas_.clear();
    ComboBox& combo = Combo(IDC_ZTESCOLHA_EMPRESA);
    for (std::size_t indice = 0; indice < empresas_.size(); ++indice) {
        combo.SetItemData(combo.AddString(empresas_[indice]), indice);
    }
    return platform::TRUE;
}

void CZTDlgEscolhaEmpresa::OnOK() {
    DWORD_PTR empresa = 0, usuario = 0, filial = 0;
    if (!Selecionado(Combo(IDC_ZTESCOLHA_EMPRESA), empresa) || !Selecionado(Combo(IDC_ZTESCOLHA_USUARIO), usuario) ||
        !Selecionado(Combo(IDC_ZTESCOLHA_FILIAL), filial)) {
        platform::ui::MessageBox(this, "Escolha a empresa, o usu\xE1rio e a filial.", kTitulo, platform::MB_OK | platform::MB_ICONWARNING);
        return;
    }
    escolha_ = {empresas_[empresa], static_cast<std::uint16_t>(usuario), static_cast<std::uint16_t>(filial)};
    Dialog::OnOK();
}

BOOL CZTDlgEscolhaEmpresa::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (platform::HIWORD(wParam) != platform::ui::CBN_SELCHANGE) return Dialog::OnCommand(wParam, lParam);
    switch (platform::LOWORD(wParam)) {
        case IDC_ZTESCOLHA_EMPRESA: PreencheUsuarios(); return platform::TRUE;
        case IDC_ZTESCOLHA_USUARIO: PreencheFiliais(); return platform::TRUE;
        default: return Dialog::OnCommand(wParam, lParam);
    }
}

ComboBox& CZTDlgEscolhaEmpresa::Combo(UINT id) const { return static_cast<ComboBox&>(*GetDlgItem(id)); }

bool CZTDlgEscolhaEmpresa::Selecionado(const ComboBox& combo, DWORD_PTR& valor) {
    const int indice = combo.GetCurSel();
    if (indice == platform::ui::CB_ERR) return false;
    valor = combo.GetItemData(indice);
    return true;
}

void CZTDlgEscolhaEmpresa::PreencheUsuarios() {
    ComboBox& usuarios = Combo(IDC_ZTESCOLHA_USUARIO);
    usuarios.ResetContent();
    Combo(IDC_ZTESCOLHA_FILIAL).ResetContent();
    DWORD_PTR empresa = 0;
    if (!Selecionado(Combo(IDC_ZTESCOLHA_EMPRESA), empresa)) return;
    std::vector<ZT_ITEM_ESCOLHA> itens;
    if (platform::SUCCEEDED(catalogo_.GetUsuarios(empresas_[empresa], itens))) AdicionaItens(usuarios, itens);
}

void CZTDlgEscolhaEmpresa::PreencheFiliais() {
    ComboBox& filiais = Combo(IDC_ZTESCOLHA_FILIAL);
    filiais.ResetContent();
    DWORD_PTR empresa = 0, usuario = 0;
    if (!Selecionado(Combo(IDC_ZTESCOLHA_EMPRESA), empresa) || !Selecionado(Combo(IDC_ZTESCOLHA_USUARIO), usuario)) return;
    std::vector<ZT_ITEM_ESCOLHA> itens;
    const auto codigo = static_cast<std::uint16_t>(usuario);
    if (platform::SUCCEEDED(catalogo_.GetFiliais(empresas_[empresa], codigo, itens))) AdicionaItens(filiais, itens);
}
