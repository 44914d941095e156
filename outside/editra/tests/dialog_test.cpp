// The suite's widgets on a dialog made from a template: the grid window over the template's
// custom control tells its owner of row changes and sees Alt+Up and Alt+Down before the grid,
// and edits taken over from the template behave as the ones the program creates.
#include "outside/editra/zt_arquivo_edit.h"
#include "outside/editra/zt_browser_wnd.h"
#include "outside/editra/zt_edit_mascara.h"
#include "outside/editra/zt_tab_ctrl.h"
#include "platform/ui/dialog/data_exchange.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/window/virtual_keys.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kTemplate = 103;
constexpr UINT kCodigo = 1005, kArquivo = 1006, kPastas = 1011, kGrid = 1013;
constexpr ROWCOL kItens = 3;

DialogControl Controle(ControlKind kind, UINT id, Rect rect) {
    DialogControl controle;
    controle.kind = kind;
    controle.id = id;
    controle.rect = rect;
    controle.tabStop = true;
    return controle;
}

DialogTemplate Pagina() {
    DialogTemplate pagina{"Campos", {"", 8}, {300, 200}, {}};
    pagina.controls.push_back(Controle(ControlKind::Edit, kCodigo, {5, 5, 100, 17}));
    pagina.controls.push_back(Controle(ControlKind::Edit, kArquivo, {5, 20, 200, 32}));
    pagina.controls.push_back(Controle(ControlKind::TabControl, kPastas, {210, 5, 290, 30}));
    pagina.controls.push_back(Controle(ControlKind::Custom, kGrid, {5, 40, 290, 190}));
    return pagina;
}

// A grid of three rows and two columns, which keeps the keys it was offered and takes Alt+Up
// and Alt+Down as the page's move buttons.
class GridCampos final : public CZTBrowserWnd {
public:
    std::vector<std::pair<UINT, BOOL>> teclas;

    CZTBrowserInfoColuna GetInfoColuna(int nColuna) override {
        CZTBrowserInfoColuna info;
        info.szTitulo = nColuna == 0 ? "Ordem" : "Campo";
        info.nLargura = nColuna == 0 ? 50 : 190;
        info.bFlags1 = 1;
        info.bFlags2 = 3;
        return info;
    }
    BOOL OnLoadCellStyle(ROWCOL nLinha, ROWCOL, CZTEstiloCelula& estilo) override {
        String texto;
        texto.Format("%lu", static_cast<unsigned long>(nLinha));
        estilo.SetValue(texto);
        return TRUE;
    }

protected:
    BOOL OnTeclaBrowser(UINT nTecla, BOOL bAlt) override {
        teclas.emplace_back(nTecla, bAlt);
        return bAlt && (nTecla == VK_UP || nTecla == VK_DOWN) ? TRUE : FALSE;
    }
};

class PaginaCampos final : public Dialog {
public:
    // The mask is chosen before the template's edit is taken over.
    PaginaCampos() : Dialog(kTemplate) { codigo.SetMascara("##.##.##"); }

    CZTEditMascara codigo;
    CZTArquivoEdit arquivo;
    CZTTabCtrl pastas;
    GridCampos grid;
    std::vector<WPARAM> linhas;

protected:
    BOOL OnInitDialog() override {
        const BOOL resultado = Dialog::OnInitDialog();
        codigo.SetLimitText(8);
        grid.SetGridID("CGridDadosPesquisa");
        grid.SetTipoSelecao(CZTGrid::kSelecaoUmaLinha);
        grid.SetColunasMoveis(FALSE);
        grid.SetColunasRedimensionaveis(TRUE);
        grid.SetGravarConfiguracoes(FALSE);
        grid.SetOrdenavel(TRUE);
        grid.SetConfiguravel(TRUE);
        grid.SetNumeroColunas(2);
        grid.OnInitialUpdate();
        grid.GetGrid().SetNumeroLinhas(kItens);
        return resultado;
    }
    void DoDataExchange(DataExchange* pDX) override {
        DDX_Control(pDX, kCodigo, codigo);
        DDX_Control(pDX, kPastas, pastas);
        DDX_Control(pDX, kGrid, grid);
        // The file edit is taken over directly, as a page may do in OnInitDialog.
        if (!arquivo.m_hWnd) arquivo.SubclassDlgItem(kArquivo, this);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CZTBrowserWnd::WM_ZTBROWSER_LINHA) linhas.push_back(wParam);
        return Dialog::WindowProc(message, wParam, lParam);
    }
};

QTableView& TabelaDe(GridCampos& grid) { return *static_cast<QTableView*>(grid.GetGrid().GetWidget()); }

void ClicaLinha(GridCampos& grid, ROWCOL linha) {
    QTableView& tabela = TabelaDe(grid);
    const QPoint ponto = tabela.visualRect(tabela.model()->index(static_cast<int>(linha) - 1, 0)).center();
    QTest::mouseClick(tabela.viewport(), Qt::LeftButton, {}, ponto);
}

}  // namespace

class DialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Wnd> janela_;

private slots:
    void initTestCase() { RegisterDialog(GetModuleHandle(nullptr), kTemplate, Pagina()); }
    void init() {
        janela_ = std::make_unique<Wnd>();
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 700, 500}));
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(janela_->GetWidget()));
    }
    void cleanup() { janela_.reset(); }

    // A row the user clicks or moves to reaches the page with its grid row; Alt+Down and Alt+Up
    // reach the grid's filter with Alt and move nothing, a plain Down moves and is reported.
    void dialogGridReportsRowChangesAndSeesAltArrows() {
        PaginaCampos pagina;
        QVERIFY(pagina.Create(kTemplate, janela_.get()));
        QCOMPARE(pagina.GetDlgItem(kGrid), static_cast<Wnd*>(&pagina.grid));
        QVERIFY(pagina.grid.GetGrid().IsInicializado());
        QTRY_VERIFY(TabelaDe(pagina.grid).isVisible());
        // The column's two flag bytes reach the grid as they were given.
        const CZTInfoColuna coluna = pagina.grid.GetInformacaoColuna(1);
        QCOMPARE(coluna.nValor, 1);
        QCOMPARE(coluna.dwFlags, DWORD{3});
        QCOMPARE(pagina.grid.GetGrid().GetIndiceColuna("Campo"), 1);

        ClicaLinha(pagina.grid, 2);
        QCOMPARE(pagina.linhas, (std::vector<WPARAM>{2}));
        TabelaDe(pagina.grid).setFocus();
        QTRY_VERIFY(TabelaDe(pagina.grid).hasFocus());
        QTest::keyClick(&TabelaDe(pagina.grid), Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(&TabelaDe(pagina.grid), Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(pagina.grid.teclas, (std::vector<std::pair<UINT, BOOL>>{{VK_DOWN, TRUE}, {VK_UP, TRUE}}));
        QCOMPARE(pagina.grid.GetGrid().GetLinhaSelecionada(), ROWCOL{2});
        QCOMPARE(pagina.linhas.size(), std::size_t{1});

        QTest::keyClick(&TabelaDe(pagina.grid), Qt::Key_Down);
        QCOMPARE(pagina.grid.teclas.back(), (std::pair<UINT, BOOL>{VK_DOWN, FALSE}));
        QCOMPARE(pagina.linhas, (std::vector<WPARAM>{2, 3}));
    }

    // Edits taken over from the template keep what their own Create gives them: the masked
    // edit lays typing over its mask, the file edit has its browse button, the tab control
    // takes the focus.
    void takenOverEditsBehaveAsCreatedOnes() {
        PaginaCampos pagina;
        QVERIFY(pagina.Create(kTemplate, janela_.get()));
        QCOMPARE(pagina.GetDlgItem(kCodigo), static_cast<Wnd*>(&pagina.codigo));
        pagina.codigo.SetFocus();
        QTRY_VERIFY(pagina.codigo.GetWidget()->hasFocus());
        for (const char tecla : {'0', '1', '0', '2'}) QTest::keyClick(pagina.codigo.GetWidget(), tecla);
        String texto;
        pagina.codigo.GetWindowText(texto);
        QCOMPARE(QString(texto), QString("01.02"));

        QCOMPARE(pagina.GetDlgItem(kArquivo), static_cast<Wnd*>(&pagina.arquivo));
        QCOMPARE(qobject_cast<QLineEdit*>(pagina.arquivo.GetWidget())->actions().size(), 1);
        QCOMPARE(pagina.pastas.GetWidget()->focusPolicy(), Qt::StrongFocus);
    }
};

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
