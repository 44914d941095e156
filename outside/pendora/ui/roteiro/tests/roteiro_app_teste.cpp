// A small program over the module's application for the test script's tests: at start a choice dialog (a combo, then OK) and a
// question box, then a frame whose form holds an edit, a tree, a text and buttons (one greyed, one
// hidden); one command opens a dialog
// with an edit, another records what the controls hold. What happens is written to stdout, one
// line each, for the test to compare.
#include "outside/pendora/ui/qd_common_app.h"
#include "platform/ui/app/run_application.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/control/tree_ctrl.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/form_view.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/resource/resources.h"

#include <cstdio>
#include <string>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kEscolha = 100, kCombo = 1001;
constexpr UINT kEdicao = 200, kEditDialogo = 2001;
constexpr UINT kFormulario = 300, kArvore = 3001, kEditForm = 3002;
constexpr UINT kGravar = 3003, kRotulo = 3004, kDesligado = 3005, kOculto = 3006;
constexpr UINT kAbreEdicao = 32771, kRegistra = 32772;

void Registra(const std::string& linha) {
    std::printf("%s\n", linha.c_str());
    std::fflush(stdout);
}

std::string TextoDe(const Wnd* janela) {
    String texto;
    if (janela) janela->GetWindowText(texto);
    return texto.GetString();
}

DialogControl Controle(ControlKind kind, UINT id, const char* text, Rect rect, UINT options = 0) {
    return {.kind = kind, .id = id, .text = text, .rect = rect, .tabStop = true, .options = options};
}

DialogTemplate ComBotoes(const char* caption, std::vector<DialogControl> controls) {
    DialogTemplate dialog{caption, {"", 8}, {160, 80}, std::move(controls)};
    dialog.controls.push_back(Controle(ControlKind::PushButton, IDOK, "OK", {60, 60, 100, 74}));
    dialog.controls.push_back(Controle(ControlKind::PushButton, IDCANCEL, "Cancelar", {110, 60, 150, 74}));
    return dialog;
}

void RegistraModelos() {
    const HMODULE programa = GetModuleHandle(nullptr);
    RegisterDialog(programa, kEscolha,
                   ComBotoes("Escolha", {Controle(ControlKind::ComboBox, kCombo, "", {7, 7, 150, 60}, CBS_DROPDOWNLIST)}));
    RegisterDialog(programa, kEdicao, ComBotoes("Edição", {Controle(ControlKind::Edit, kEditDialogo, "", {7, 7, 150, 19})}));
    RegisterDialog(programa, kFormulario,
                   DialogTemplate{"", {"", 8}, {200, 120},
                                  {Controle(ControlKind::Edit, kEditForm, "", {7, 7, 150, 19}),
                                   Controle(ControlKind::PushButton, kGravar, "Gravar", {7, 22, 50, 36}),
                                   Controle(ControlKind::Static, kRotulo, "Pronto", {55, 22, 100, 36}),
                                   Controle(ControlKind::PushButton, kDesligado, "Desligado", {105, 22, 150, 36}),
                                   Controle(ControlKind::PushButton, kOculto, "Oculto", {155, 22, 199, 36})}});
}

// The start-up choice: the combo's entry when OK.
class DialogoEscolha final : public Dialog {
public:
    DialogoEscolha() : Dialog(kEscolha) {}
    std::string escolhida;

protected:
    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        for (const char* nome : {"Alfa", "Beta", "Gama"}) Combo().AddString(nome);
        return TRUE;
    }
    void OnOK() override {
        escolhida = TextoDe(&Combo());
        Dialog::OnOK();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kCombo && HIWORD(wParam) == CBN_SELCHANGE) Registra("combo changed to " + TextoDe(&Combo()));
        return Dialog::OnCommand(wParam, lParam);
    }

private:
    ComboBox& Combo() { return *static_cast<ComboBox*>(GetDlgItem(kCombo)); }
};

class DialogoEdicao final : public Dialog {
public:
    DialogoEdicao() : Dialog(kEdicao) {}
    std::string texto;

protected:
    void OnOK() override {
        texto = TextoDe(GetDlgItem(kEditDialogo));
        Dialog::OnOK();
    }
};

class Formulario final : public FormView {
public:
    Formulario() : FormView(kFormulario) {}
    TreeCtrl arvore;

    void OnInitialUpdate() override {
        FormView::OnInitialUpdate();
        arvore.Create(TVS_HASBUTTONS, {7, 40, 200, 160}, this, kArvore);
        const HTREEITEM raiz = arvore.InsertItem("Raiz");
        arvore.InsertItem("Primeiro", raiz);
        arvore.InsertItem("Segundo", raiz);
        arvore.SetSelectionHandlers({}, [this](HTREEITEM, HTREEITEM para) { Registra("tree selected " + std::string(arvore.GetItemText(para).GetString())); });
        GetDlgItem(kDesligado)->EnableWindow(FALSE);
        GetDlgItem(kOculto)->ShowWindow(SW_HIDE);
    }

protected:
    // The press of Gravar reaches the form as the user's click does; it also relabels the text.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != kGravar || HIWORD(wParam) != BN_CLICKED) return FormView::OnCommand(wParam, lParam);
        Registra("pressed " + std::to_string(kGravar) + " edit=" + TextoDe(GetDlgItem(kEditForm)));
        GetDlgItem(kRotulo)->SetWindowText("Gravado");
        return TRUE;
    }
};

class Quadro final : public FrameWnd {
public:
    Quadro() {
        MapCommand(kAbreEdicao, [] {
            DialogoEdicao dialogo;
            const INT_PTR resultado = dialogo.DoModal();
            Registra("edit dialog " + std::to_string(resultado) + " " + dialogo.texto);
        });
        MapCommand(kRegistra, [this] {
            auto* formulario = static_cast<Formulario*>(GetActiveView());
            const HTREEITEM item = formulario->arvore.GetSelectedItem();
            Registra("command " + std::to_string(kRegistra) + " edit=" + TextoDe(formulario->GetDlgItem(kEditForm)) +
                     " tree=" + std::string(item ? formulario->arvore.GetItemText(item).GetString() : ""));
        });
    }
};

class AppTeste final : public CQDCommonApp {
public:
    AppTeste() { SetTitulo("RoteiroTeste"); }

    BOOL InitInstance() override {
        if (!CQDCommonApp::InitInstance()) return FALSE;
        RegistraModelos();
        DialogoEscolha escolha;
        if (escolha.DoModal() != IDOK) return FALSE;
        Registra("chose " + escolha.escolhida);
        Registra("question " + std::to_string(MessageBox(nullptr, "Continuar?", "Teste", MB_YESNO)));
        auto* quadro = new Quadro;
        CreateContext contexto{new Document, [] { return new Formulario; }};
        if (!quadro->LoadFrame(0, &contexto)) return FALSE;
        m_pMainWnd = quadro;
        quadro->InitialUpdateFrame(contexto.m_pCurrentDoc, TRUE);
        return TRUE;
    }
};

}  // namespace

int main(int argc, char** argv) {
    AppTeste app;
    return RunApplication(app, argc, argv);
}
