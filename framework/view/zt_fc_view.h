// CZTFCView: the view protocol every view of a framework document mixes in.
//
// A view class forwards its OnUpdate(sender, hint, object) to OnUpdateView, which turns the
// framework's hints and their blocks into calls of the named handlers below; every handler is
// empty here. A hint it does not know, a block of another kind or a missing block calls nothing.
// User-interface thread.
#pragma once

#include "framework/view/zt_fc_blocos.h"
#include "platform/win_types.h"

#include <cstdint>

class CZTFCDados;

namespace platform::ui {
class Object;
class View;
}  // namespace platform::ui

class CZTFCView {
public:
    virtual ~CZTFCView() = default;

    // The dispatcher.
    virtual void OnUpdateView(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto);

    // Hint 2: tree item `item` with text `texto` was selected in `sender`.
    virtual void OnSelecaoArvore(platform::ui::HTREEITEM item, const char* texto, platform::ui::View* sender);
    // Hint 1: the grid row of list index `indice` was selected.
    virtual void OnSelecionaRegistro(std::int32_t indice);
    // Hint 1: `quantidade` rows were selected; `handles` is the grid's array of their handles.
    virtual void OnSelecionaRegistros(std::int32_t quantidade, const ROWCOL* handles);
    // Hint 3: a single save ended with status 0, or with the positive `status`.
    virtual void OnRegistroGravado(CZTFCDados* registro);
    virtual void OnRegistroGravadoAviso(CZTFCDados* registro, std::int32_t status);
    // Hint 3: a batch save ended with status 0, or with the positive `status`.
    virtual void OnRegistrosGravados(std::int32_t quantidade, CZTFCDados** registros);
    virtual void OnRegistrosGravadosAviso(std::int32_t quantidade, CZTFCDados** registros, std::int32_t status);
    // Hint 4: `copia` is a temporary copy of the current record (null: none), freed afterwards.
    virtual void OnRegistroTemporario(CZTFCDados* copia);
    // Hints 5, 7, 8 and 9.
    virtual void OnMultiSelecao();
    virtual void OnInicializaView();
    virtual void OnFinalizaView();
    virtual void OnLimpaView();

protected:
    // Set around filling a view, so that its own selection changes tell nobody.
    std::uint8_t m_bIgnoraSelecao = 0;
};
