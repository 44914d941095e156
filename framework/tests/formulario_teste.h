// A form and its pages for the tests of validators and of the clearing and enabling walks: a
// framework-side form (a dialog that mixes in CZTFCFormulario) holding a suite tab control with
// two pages, one a form-side page, the other a plain dialog.
//
// The form answers WM_APP+2 for the ids in `mantidos` and notes every control it is asked
// about; both form and page format a validator's text from `mensagemFormatada` and count their
// clearings. Make the form with Create(kFormTeste, parent) after RegistraFormulariosTeste().
// User-interface thread.
#pragma once

#include "framework/form/zt_fc_formulario.h"
#include "outside/editra/zt_edit_df.h"
#include "outside/editra/zt_tab_ctrl.h"
#include "platform/ui/dialog/dialog.h"

#include <set>
#include <string>
#include <vector>

namespace framework::testing {

// Template ids and the controls' ids.
constexpr platform::UINT kFormTeste = 700, kPaginaFormTeste = 701, kPaginaSimplesTeste = 702;
constexpr platform::UINT kRadioA = 1001, kRadioB = 1002, kRadioC = 1003;
constexpr platform::UINT kNome = 1010, kCodigo = 1011, kGuardado = 1012, kTipo = 1013, kCidade = 1014;
constexpr platform::UINT kAtivo = 1015, kTravado = 1016, kOculto = 1017, kSemParada = 1018, kNotas = 1019;
constexpr platform::UINT kGravar = 1020, kRotulo = 1021, kAbas = 1030;
constexpr platform::UINT kPaginaEdit = 1101, kPaginaTravado = 1102, kSimplesEdit = 1201;

// Registers the three templates in the program's module.
void RegistraFormulariosTeste();

// A suite edit that notes each text its own setter is given.
class EditRegistrado final : public CZTEditDF {
public:
    void SetTexto(const char* texto) override;
    std::vector<std::string> textos;
};

class PaginaFormTeste final : public platform::ui::Dialog, public CZTFCFormulario {
public:
    CZTString FormataMensagemValidacao(CZTFCValidador* pValidador) override;
    void LimpaCampos() override;

    CZTString mensagemFormatada;
    int limpezas = 0;
};

class FormTeste final : public platform::ui::Dialog, public CZTFCFormulario {
public:
    CZTString FormataMensagemValidacao(CZTFCValidador* pValidador) override;
    void LimpaCampos() override;

    EditRegistrado codigo;
    CZTTabCtrl abas;
    PaginaFormTeste pagina;
    platform::ui::Dialog paginaSimples;

    std::set<platform::UINT> mantidos;
    std::vector<platform::UINT> perguntados;
    CZTString mensagemFormatada;

protected:
    // Takes over the suite edit, makes the tab control with its two pages, fills the list combo.
    platform::BOOL OnInitDialog() override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;
};

}  // namespace framework::testing
