// CZTBrowserWnd: the suite's grid (CZTGrid) on a dialog, over the template's custom control that
// this window takes over (SubclassDlgItem or DDX_Control).
//
// The caller sets the grid up in this order: grid id, selection kind, movable, resizable and
// saved columns, sortable, configurable, column count, then OnInitialUpdate, which makes the
// grid over the whole control. Derived grids describe their columns (GetInfoColuna) and cells
// (OnLoadCellStyle). A row the user moves to is reported to the owner (by default the dialog) as
// WM_ZTBROWSER_LINHA with the grid row (1 = the first item) in wParam; keys pressed in the grid
// reach OnTeclaBrowser first, with Alt's state. User-interface thread.
#pragma once

#include "outside/editra/zt_grid.h"

// A column as a dialog's grid describes it: title, alignment (0 left, 1 centred, 2 right), width
// in pixels and two flag bytes, which the grid keeps as given (as its value and its flags).
struct CZTBrowserInfoColuna {
    platform::String szTitulo;
    int nAlinhamento = 0;
    int nLargura = 100;
    platform::BYTE bFlags1 = 0;
    platform::BYTE bFlags2 = 0;
};

class CZTBrowserWnd : public platform::ui::Wnd, public CZTGridCallbacks {
public:
    // Sent to the owner when the user moves to a row: wParam the grid row.
    static constexpr platform::UINT WM_ZTBROWSER_LINHA = platform::ui::WM_APP + 2;

    CZTBrowserWnd();
    ~CZTBrowserWnd() override;

    [[nodiscard]] CZTGrid& GetGrid() { return m_Grid; }

    // The set-up, before OnInitialUpdate.
    void SetGridID(const char* id) { m_Grid.SetGridID(id); }
    void SetTipoSelecao(int tipo) { m_Grid.SetTipoSelecao(tipo); }
    void SetColunasMoveis(platform::BOOL moveis) { m_Grid.SetColunasMoveis(moveis); }
    void SetColunasRedimensionaveis(platform::BOOL redimensionaveis) { m_Grid.SetColunasRedimensionaveis(redimensionaveis); }
    void SetGravarConfiguracoes(platform::BOOL gravar) { m_Grid.SetGravarConfiguracoes(gravar); }
    void SetOrdenavel(platform::BOOL ordenavel) { m_Grid.SetOrdenavel(ordenavel); }
    // Whether the user may show and hide columns (the configuration commands); kept for the caller.
    void SetConfiguravel(platform::BOOL configuravel) { m_bConfiguravel = configuravel != platform::FALSE; }
    [[nodiscard]] platform::BOOL GetConfiguravel() const { return m_bConfiguravel ? platform::TRUE : platform::FALSE; }
    void SetNumeroColunas(int colunas) { m_Grid.SetNumeroColunas(colunas); }
    // Makes the grid over this window and sets it up; FALSE without a window or when the grid
    // cannot be made.
    virtual platform::BOOL OnInitialUpdate();

    // The window told of row changes (null: the parent).
    void SetDono(platform::ui::Wnd* dono) { m_pDono = dono; }
    [[nodiscard]] platform::ui::Wnd* GetDono() const { return m_pDono ? m_pDono : GetParent(); }

    // The description of column `nColuna`, asked once at set-up.
    [[nodiscard]] virtual CZTBrowserInfoColuna GetInfoColuna(int /*nColuna*/) { return {}; }

    // The grid's description of a column: GetInfoColuna's, flag bytes as its value and flags.
    CZTInfoColuna GetInformacaoColuna(int nColuna) final;

protected:
    // A key pressed in the grid (a virtual key), with Alt held or not; TRUE takes it from the
    // grid and every window above. The default takes nothing.
    virtual platform::BOOL OnTeclaBrowser(platform::UINT /*nTecla*/, platform::BOOL /*bAlt*/) { return platform::FALSE; }
    // The user moved to grid row `nLinha`; the default tells the owner.
    virtual void OnMudouLinha(ROWCOL nLinha);

    void OnLinhaSelecionada(long nIndice) override;
    void OnLinhasSelecionadas(const CZTArrayLinhas& linhas) override;
    platform::BOOL PreTranslateMessage(platform::ui::MSG* pMsg) override;
    void OnSize(platform::UINT type, int cx, int cy) override;

private:
    CZTGrid m_Grid;
    platform::ui::Wnd* m_pDono = nullptr;
    bool m_bConfiguravel = false;
};
