// Validating a form: its own validators first, then those of each of its pages in tab order.
//
// The form and its pages are windows that mix in CZTFCFormulario; a window without it, or
// without validators, has nothing to check. User-interface thread.
#pragma once

#include <cstdint>

class CZTFCValidador;

namespace platform::ui {
class Wnd;
}

// The first validator of group `nGrupo` that fails, in the form's collection and then in each
// page's; null when every one passes. Disabled validators and those of another group pass.
[[nodiscard]] CZTFCValidador* ZTFCBuscaValidadorInvalido(const platform::ui::Wnd& form, std::int32_t nGrupo);

// Checks group `nGrupo`; true when every validator passes. Otherwise the first failure only is
// reported once through the application's MostraErroValidacao, its control gets the focus (on
// its page, selected for it), and the answer is false.
bool ZTFCValidaCampos(platform::ui::Wnd& form, std::int32_t nGrupo);
