#include "framework/tests/formulario_teste.h"

#include "framework/form/zt_fc_controles.h"
#include "platform/interaction.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/resource/resources.h"

using namespace platform;
using namespace platform::ui;

namespace framework::testing {

namespace {

// One control a row, placed by the last two digits of its id.
DialogControl Controle(ControlKind kind, UINT id, const char* text, bool tabStop = true, UINT options = 0) {
    const int top = static_cast<int>(id % 100) * 8;
    return {.kind = kind, .id = id, .text = text, .rect = {10, top, 150, top + 12}, .tabStop = tabStop, .options = options};
}

DialogTemplate Form() {
    DialogTemplate form{"Ficha", {"", 8}, {420, 260}, {}};
    auto& c = form.controls;
    // The radio group comes first, so the walk starts on the group's checked radio.
    c.push_back(Controle(ControlKind::RadioButton, kRadioA, "A"));
    c.back().group = true;
    c.push_back(Controle(ControlKind::RadioButton, kRadioB, "B", false));
    c.push_back(Controle(ControlKind::RadioButton, kRadioC, "C", false));
    c.push_back(Controle(ControlKind::Edit, kNome, "Maria"));
    c.back().group = true;
    c.push_back(Controle(ControlKind::Edit, kCodigo, "0042"));
    c.push_back(Controle(ControlKind::Edit, kGuardado, "Guardado"));
    c.push_back(Controle(ControlKind::ComboBox, kTipo, "", true, CBS_DROPDOWNLIST));
    c.push_back(Controle(ControlKind::ComboBox, kCidade, "", true, CBS_DROPDOWN));
    c.push_back(Controle(ControlKind::CheckBox, kAtivo, "Ativo", true, BS_AUTOCHECKBOX));
    c.push_back(Controle(ControlKind::Edit, kTravado, "Travado"));
    c.back().disabled = true;
    c.push_back(Controle(ControlKind::Edit, kOculto, "Oculto"));
    c.back().hidden = true;
    c.push_back(Controle(ControlKind::Edit, kSemParada, "Sem parada", false));
    c.push_back(Controle(ControlKind::Edit, kNotas, "a\r\nb", true, ES_MULTILINE | ES_WANTRETURN));
    c.push_back(Controle(ControlKind::PushButton, kGravar, "Gravar"));
    c.push_back(Controle(ControlKind::Static, kRotulo, "Nome:", false));
    c.push_back(Controle(ControlKind::PushButton, IDOK, "OK"));
    c.push_back(Controle(ControlKind::PushButton, IDCANCEL, "Cancelar"));
    c.back().disabled = true;
    return form;
}

DialogTemplate PaginaForm() {
    DialogTemplate pagina{"", {"", 8}, {180, 80}, {}};
    pagina.controls.push_back(Controle(ControlKind::Edit, kPaginaEdit, "P\xe1gina"));
    pagina.controls.push_back(Controle(ControlKind::Edit, kPaginaTravado, "Travado"));
    pagina.controls.back().disabled = true;
    return pagina;
}

DialogTemplate PaginaSimples() {
    DialogTemplate pagina{"", {"", 8}, {180, 80}, {}};
    pagina.controls.push_back(Controle(ControlKind::Edit, kSimplesEdit, "Simples"));
    return pagina;
}

}  // namespace

void RegistraFormulariosTeste() {
    RegisterDialog(GetModuleHandle(nullptr), kFormTeste, Form());
    RegisterDialog(GetModuleHandle(nullptr), kPaginaFormTeste, PaginaForm());
    RegisterDialog(GetModuleHandle(nullptr), kPaginaSimplesTeste, PaginaSimples());
}

void EditRegistrado::SetTexto(const char* texto) {
    textos.emplace_back(texto);
    CZTEditDF::SetTexto(texto);
}

CZTString PaginaFormTeste::FormataMensagemValidacao(CZTFCValidador*) { return mensagemFormatada; }

void PaginaFormTeste::LimpaCampos() {
    ++limpezas;
    ZTFCLimpaControles(*this);
}

CZTString FormTeste::FormataMensagemValidacao(CZTFCValidador*) { return mensagemFormatada; }

void FormTeste::LimpaCampos() { ZTFCLimpaControles(*this); }

BOOL FormTeste::OnInitDialog() {
    if (!codigo.SubclassDlgItem(kCodigo, this)) return FALSE;
    if (!abas.Create({320, 10, 620, 300}, this, kAbas)) return FALSE;
    abas.SetTabStop(TRUE);
    if (!pagina.Create(kPaginaFormTeste, &abas) || !paginaSimples.Create(kPaginaSimplesTeste, &abas)) return FALSE;
    abas.IncluiPasta("Um", &pagina);
    abas.IncluiPasta("Dois", &paginaSimples);
    auto* tipo = static_cast<ComboBox*>(GetDlgItem(kTipo));
    for (const char* item : {"Contrato", "Nota", "Recibo"}) tipo->AddString(item);
    return Dialog::OnInitDialog();
}

LRESULT FormTeste::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ZTFC_MANTEM_CONTROLE) return Dialog::WindowProc(message, wParam, lParam);
    const Wnd* controle = Wnd::FromHandle(reinterpret_cast<HWND>(wParam));
    if (!controle) return 0;
    perguntados.push_back(controle->GetDlgCtrlID());
    return mantidos.contains(controle->GetDlgCtrlID()) ? 1 : 0;
}

}  // namespace framework::testing
