// The skeleton's three views: the types as a tree (one item per type code) and as a list, and a
// form that shows the selected type and saves its name with OK.
#pragma once

#include "framework/form/zt_kelvo_form_view.h"
#include "framework/view/zt_fc_grid_view_templ.h"
#include "framework/view/zt_fc_tree_view.h"
#include "outside/pendora/qd_tip_doc.h"
#include "outside/pendora/ui/tests/esqueleto/esqueleto_documento.h"

namespace esqueleto {

class ArvoreTipos final : public CZTFCTreeView {
public:
    // Hint 7: one item per listed type, by code, under one root.
    void OnInicializaView() override;
};

class ListaTipos final : public CZTFCGridViewTempl<CQDTipDoc, DocumentoTipos> {
public:
    ListaTipos();
    CZTInfoColuna GetInformacaoColuna(int nColuna) override;

protected:
    platform::BOOL OnLoadCellStyleRegistro(const CQDTipDoc& tipo, ROWCOL nColuna, CZTEstiloCelula& estilo) override;
};

class FormularioTipo final : public CZTKelvoFormView {
public:
    FormularioTipo();

    void LimpaCampos() override;
    void OnMostraRegistro(CZTFCDados* registro) override;
    void OnLeRegistro(CZTFCDados* registro) override;

protected:
    // IDOK reads the form into the current type and saves it.
    platform::BOOL OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void PoeTexto(platform::UINT id, const char* texto);
};

}  // namespace esqueleto
