#include "framework/form/zt_fc_validacao.h"

#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_app.h"
#include "framework/form/zt_fc_formulario.h"
#include "framework/form/zt_fc_paginas.h"
#include "platform/ui/window/wnd.h"

using platform::ui::Wnd;

namespace {

CZTFCValidador* PrimeiroInvalidoDe(const Wnd& janela, std::int32_t nGrupo) {
    const auto* formulario = dynamic_cast<const CZTFCFormulario*>(&janela);
    const CZTFCValidadorCollection* validadores = formulario ? formulario->GetValidadores() : nullptr;
    return validadores ? validadores->BuscaPrimeiroInvalido(nGrupo) : nullptr;
}

}  // namespace

CZTFCValidador* ZTFCBuscaValidadorInvalido(const Wnd& form, std::int32_t nGrupo) {
    if (CZTFCValidador* invalido = PrimeiroInvalidoDe(form, nGrupo)) return invalido;
    for (const Wnd* pagina : ZTFCGetPaginas(form)) {
        if (CZTFCValidador* invalido = PrimeiroInvalidoDe(*pagina, nGrupo)) return invalido;
    }
    return nullptr;
}

bool ZTFCValidaCampos(Wnd& form, std::int32_t nGrupo) {
    CZTFCValidador* invalido = ZTFCBuscaValidadorInvalido(form, nGrupo);
    if (!invalido) return true;
    if (CZTFCApp* app = ZTGetApp()) app->MostraErroValidacao(invalido);
    ZTFCFocaControle(form, invalido->GetIdControle());
    return false;
}
