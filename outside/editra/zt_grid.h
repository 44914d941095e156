// CZTGrid: the suite's list grid, a virtual table over the owner's items.
//
// The grid holds no cell: it knows its row count and asks the owner (CZTGridCallbacks) for the
// cells of the rows on the screen only, so a list of any length costs what one screen costs. Row
// 0 is the header (the column titles), row r shows item r - 1. With the totals line on, one more
// row follows the last item: its first shown column reads "Total: <n>", n the number of items
// above it, and the owner is never asked for it. Columns are described by the owner once, at
// set-up (Inicializa); the user may move, resize and hide them, and with configuration saving on
// their order, widths and hidden columns are kept in the application's profile under the grid id
// (section <grid id>, value "Colunas"), read at set-up and written when the grid's window is
// destroyed. Column commands show and hide columns (the range's last id shows all). "Sortable"
// is kept but sorts nothing: rows keep the owner's order. Changes the user makes to the
// selection reach the owner; calls that change it report nothing. User-interface thread.
#pragma once

#include "outside/editra/zt_controle_celula.h"
#include "outside/editra/zt_grid_callbacks.h"
#include "platform/ui/window/wnd.h"

#include <memory>
#include <vector>

namespace platform::ui {
class CmdUI;
class Menu;
}  // namespace platform::ui

class QModelIndex;

class CZTGrid : public platform::ui::Wnd {
public:
    // Selection kinds (SetTipoSelecao).
    static constexpr int kSelecaoUmaLinha = 0;
    static constexpr int kSelecaoVariasLinhas = 1;

    explicit CZTGrid(CZTGridCallbacks& callbacks);
    ~CZTGrid() override;

    // Creates the grid's window as a child of `pai` with control id `id`; FALSE when it has one
    // already or the parent has none. Settings made before carry over.
    platform::BOOL Cria(platform::ui::Wnd* pai, platform::UINT id);
    // Cria, over the whole client area of `pai` (a view or a dialog's control holding the grid);
    // TRUE without doing anything when the window exists already.
    platform::BOOL CriaOcupando(platform::ui::Wnd* pai, platform::UINT id);

    // Settings, before Inicializa.
    void SetGridID(const char* id);
    [[nodiscard]] const platform::String& GetGridID() const;
    void SetGravarConfiguracoes(platform::BOOL gravar);
    [[nodiscard]] platform::BOOL GetGravarConfiguracoes() const;
    void SetTipoSelecao(int tipo);
    void SetNumeroColunas(int colunas);
    [[nodiscard]] int GetNumeroColunas() const;
    void SetColunasMoveis(platform::BOOL moveis);
    void SetColunasRedimensionaveis(platform::BOOL redimensionaveis);
    void SetOrdenavel(platform::BOOL ordenavel);

    // The set-up: the columns from the owner's column information, then the stored
    // configuration (when saving is on and it fits the columns), then the totals line when on.
    // FALSE without a window.
    platform::BOOL Inicializa();
    [[nodiscard]] platform::BOOL IsInicializado() const;
    // Writes the column order, widths and hidden columns to the profile; FALSE when saving is off,
    // without a grid id or window, or when the profile refuses.
    platform::BOOL GravaConfiguracao();

    // The rows of items (rows 1 to `linhas`); the totals line, when on, follows them.
    void SetNumeroLinhas(ROWCOL linhas);
    [[nodiscard]] ROWCOL GetNumeroLinhas() const;
    // Starts over: no item rows (the totals line stays), no selection, no current cell, back at the top.
    // `bRedesenha` paints at once instead of at the next paint.
    void Reset(platform::BOOL bRedesenha);
    // Drops the selection and the current cell and reads the shown cells again; rows stay.
    void ResetGrid(platform::BOOL bRedesenha);

    // The totals line. The setter does nothing for an unchanged setting; otherwise, once the grid
    // is set up, it adds the line one row after the last item or removes it, then tells the
    // owner.
    [[nodiscard]] platform::BOOL GetEnableTotalizacao() const;
    void SetEnableTotalizacao(platform::BOOL bEnable);

    // The columns that show, in the user's order, with the widths they show at; none before
    // Inicializa.
    [[nodiscard]] std::vector<CZTColunaMostrada> GetColunasMostradas() const;
    // The owner's style of data cell `nLinha`, `nColuna` (the user's order), asked as for a paint;
    // FALSE (the style emptied) when the owner leaves it empty.
    platform::BOOL LeCelula(ROWCOL nLinha, ROWCOL nColuna, CZTEstiloCelula& estilo) const;

    // The column (in the user's order) whose title is `titulo`; -1 when none.
    [[nodiscard]] int GetIndiceColuna(const char* titulo) const;
    // The column commands from `nPrimeiroId` on: command nPrimeiroId + c shows or hides column c
    // of the owner's order. The menu's place (submenu `nPosicaoMenu` of `pMenu`, null for the
    // main window's menu, at item `nPosicaoItem`) and `nOpcoes` are kept for the menu bar.
    void CriaMenuConfiguracao(int nPosicaoMenu, platform::UINT nPrimeiroId, platform::ui::Menu* pMenu, int nPosicaoItem,
                              int nOpcoes);
    // A column command of the range first..last: the last id shows every column, another shows
    // or hides its column (ids past the columns do nothing).
    void OnColunaLista(platform::UINT id, platform::UINT first, platform::UINT last);
    // Its state: a column's id is enabled and checked while the column shows; the last id is
    // enabled; ids past the columns and every id before CriaMenuConfiguracao are disabled.
    void OnUpdateCommandLista(platform::ui::CmdUI* cmdUI, platform::UINT first, platform::UINT last);

    // The selected rows' handles in row order; returns their count.
    ROWCOL GetLinhasSelecionadas(CZTArrayLinhas& linhas) const;
    // The list index of a row handle; -1 for the handle 0 (a row without an item).
    [[nodiscard]] long GetIndiceLinha(ROWCOL linha) const;
    // The row of the current cell (0: none).
    [[nodiscard]] ROWCOL GetLinhaSelecionada() const;
    // Takes row `linha` out of the selection.
    void RemoveSelecaoLinha(ROWCOL linha);

    // The current cell: setting it selects its row alone and shows it; FALSE outside the rows
    // and columns.
    platform::BOOL SetCelulaAtual(ROWCOL linha, ROWCOL coluna);
    platform::BOOL GetCelulaAtual(ROWCOL& linha, ROWCOL& coluna) const;
    // Scrolls row `linha` into view.
    void MostraLinha(ROWCOL linha);
    // Selects row `linha` as a click on its first shown cell does (for the test script): the
    // owner may keep the current row (OnAntesMudarLinha), else hears of the selection. FALSE
    // outside the item rows.
    platform::BOOL SelecionaLinhaComoUsuario(ROWCOL linha);
    // The text the cell at row `linha`, column `coluna` (the user's order) shows; empty outside
    // the rows and columns.
    [[nodiscard]] platform::String GetTextoCelula(ROWCOL linha, ROWCOL coluna) const;

    // Draws the cells whose style names control `id` through `controle` (which outlives the
    // grid's window); a second control under one id replaces the first.
    void RegistraControleCelula(platform::UINT id, CZTControleCelula& controle);

    // Reads the cells again and paints them: one row, one column (the user's order), all.
    void RedesenhaLinha(ROWCOL linha);
    void RedesenhaColuna(ROWCOL coluna);
    void Redesenha();

protected:
    // Saves the configuration while the window still exists.
    void OnDestroy() override;

private:
    void AplicaConfiguracaoGravada();
    // The owner's column of a column command; -1 for none.
    [[nodiscard]] int ColunaDoComando(platform::UINT id, platform::UINT last) const;
    [[nodiscard]] QModelIndex IndiceDaCelula(ROWCOL linha, ROWCOL coluna) const;
    // Reads the shown cells again: painted at once, or at the next paint.
    void Pinta(platform::BOOL agora);
    // Tells the owner of a selection the user made.
    void InformaSelecao();

    struct State;
    std::unique_ptr<State> state_;
};
