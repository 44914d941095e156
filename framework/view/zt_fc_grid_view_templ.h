// CZTFCGridViewTempl<TDados, TDoc>: the framework's record list over a record-cache document.
//
// One row per key of the document's list (grid row r shows item r - 1); a shown cell comes from
// the row's record through the program's OnLoadCellStyleRegistro. After a save with status 0 the
// grid follows the document, which has already done its part of the hint: when the save added
// keys to the list the rows for them are appended (OnLinhasAdicionadas, empty here, lets the
// program make one current, select it or scroll to it), otherwise the shown cells are read again.
// TDados is a client-library data class; TDoc a CZTFCDocumentSemThreadTempl over TDados (its
// GetRegistros is the record source). User-interface thread.
#pragma once

#include "framework/view/zt_fc_avisa_views.h"
#include "framework/view/zt_fc_grid_view.h"

template <class TDados, class TDoc>
class CZTFCGridViewTempl : public CZTFCGridView {
public:
    // The view's document as the program's document; null when it is another.
    [[nodiscard]] TDoc* GetDocumento() { return dynamic_cast<TDoc*>(ZTFCDocumentoDe(*this)); }

    // Hint 7: the framework's start, then one row per key.
    void OnInicializaView() override {
        CZTFCGridView::OnInicializaView();
        GetGrid().SetNumeroLinhas(QtdChaves());
    }

    // The cell of a data row from its record; a row without one stays empty.
    platform::BOOL OnLoadCellStyle(ROWCOL nLinha, ROWCOL nColuna, CZTEstiloCelula& estilo) override {
        TDoc* documento = GetDocumento();
        if (!documento || nLinha == 0) return platform::FALSE;
        const auto* registro = static_cast<const TDados*>(documento->GetRegistro(static_cast<int>(nLinha) - 1));
        if (!registro) return platform::FALSE;
        return OnLoadCellStyleRegistro(*registro, nColuna, estilo);
    }

    void OnRegistroGravado(CZTFCDados* registro) override {
        static_cast<void>(registro);
        AcompanhaChaves();
    }
    void OnRegistrosGravados(std::int32_t quantidade, CZTFCDados** registros) override {
        static_cast<void>(quantidade);
        static_cast<void>(registros);
        AcompanhaChaves();
    }

protected:
    // The program's cell of column `nColuna` (the user's order) for `registro`; FALSE leaves it empty.
    virtual platform::BOOL OnLoadCellStyleRegistro(const TDados& registro, ROWCOL nColuna, CZTEstiloCelula& estilo) = 0;
    // Rows `nPrimeira` to `nUltima` were appended for keys a save added; nothing here.
    virtual void OnLinhasAdicionadas(ROWCOL nPrimeira, ROWCOL nUltima) {
        static_cast<void>(nPrimeira);
        static_cast<void>(nUltima);
    }

private:
    [[nodiscard]] ROWCOL QtdChaves() {
        TDoc* documento = GetDocumento();
        return documento ? static_cast<ROWCOL>(documento->GetRegistros().GetQtdChaves()) : 0;
    }

    // New keys get their rows; otherwise a record changed in place, so its cells are read again.
    void AcompanhaChaves() {
        CZTGrid& grid = GetGrid();
        const ROWCOL linhas = grid.GetNumeroLinhas();
        const ROWCOL chaves = QtdChaves();
        if (chaves <= linhas) {
            grid.Redesenha();
            return;
        }
        grid.SetNumeroLinhas(chaves);
        OnLinhasAdicionadas(linhas + 1, chaves);
    }
};
