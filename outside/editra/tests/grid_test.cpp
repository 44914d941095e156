// The suite's grid in its view: only shown rows are read, the user's selection reaches the owner
// as list indexes or row handles, columns are found by title, shown and hidden by the column
// commands and kept in the profile, the totals line comes and goes, and the owner may keep the
// current row, filter keys and hear of double clicks.
#include "outside/editra/zt_browser_view.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/tests/support/screenshot.h"
#include "platform/ui/window/virtual_keys.h"

#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include <set>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kPrimeiroId = 32810;
constexpr UINT kUltimoId = 32824;
// Windows-1252 titles, as the programs' columns have them.
const char* const kCodigo = "C\xf3" "digo";
const char* const kDescricao = "Descri\xe7\xe3o";
const char* const kTitulos[] = {kCodigo, kDescricao, "Filial"};

// A grid view over `itens` fake rows of three columns that keeps what the grid asked and told.
class VistaTeste final : public CZTBrowserView {
public:
    explicit VistaTeste(ROWCOL itens) : itens_(itens) { GetGrid().SetNumeroColunas(3); }

    std::set<ROWCOL> linhasLidas;
    std::vector<long> indices;
    std::vector<CZTArrayLinhas> selecoes;
    std::vector<BOOL> totalizacoes;
    std::vector<std::pair<ROWCOL, ROWCOL>> duplosCliques;
    BOOL permiteMudarLinha = TRUE;
    BOOL processaTeclas = TRUE;

    void OnInitialUpdate() override {
        CZTBrowserView::OnInitialUpdate();
        GetGrid().SetNumeroLinhas(itens_);
    }
    CZTInfoColuna GetInformacaoColuna(int coluna) override {
        return {kTitulos[coluna], coluna == 0 ? 2 : 0, coluna == 1 ? 200 : 60, 10, coluna == 0 ? 0x100u : 0u};
    }
    BOOL OnLoadCellStyle(ROWCOL linha, ROWCOL coluna, CZTEstiloCelula& estilo) override {
        linhasLidas.insert(linha);
        String texto;
        if (coluna == static_cast<ROWCOL>(GetGrid().GetIndiceColuna(kCodigo))) texto.Format("%03u", linha - 1);
        if (coluna == static_cast<ROWCOL>(GetGrid().GetIndiceColuna(kDescricao))) texto.Format("Tipo de documento %u", linha - 1);
        if (coluna == static_cast<ROWCOL>(GetGrid().GetIndiceColuna("Filial"))) texto = "1";
        estilo.SetValue(texto);
        if (linha % 5 == 0) estilo.SetTextColor(Rgb(150, 150, 150));
        return TRUE;
    }
    void OnLinhaSelecionada(long indice) override { indices.push_back(indice); }
    void OnLinhasSelecionadas(const CZTArrayLinhas& linhas) override { selecoes.push_back(linhas); }
    void OnEnableTotalizacao(BOOL ligada) override { totalizacoes.push_back(ligada); }
    BOOL OnAntesMudarLinha(ROWCOL, ROWCOL) override { return permiteMudarLinha; }
    BOOL OnFiltraTecla(UINT) override { return processaTeclas; }
    void OnDuploClique(ROWCOL linha, ROWCOL coluna) override { duplosCliques.emplace_back(linha, coluna); }

private:
    ROWCOL itens_;
};

QTableView& TabelaDe(VistaTeste& vista) { return *static_cast<QTableView*>(vista.GetGrid().GetWidget()); }

// Where data row `linha` (1 = the first item) is on the screen.
QPoint PontoDaLinha(VistaTeste& vista, ROWCOL linha) {
    QTableView& tabela = TabelaDe(vista);
    return tabela.visualRect(tabela.model()->index(static_cast<int>(linha) - 1, 0)).center();
}

void ClicaLinha(VistaTeste& vista, ROWCOL linha, Qt::KeyboardModifiers teclas = {}) {
    QTest::mouseClick(TabelaDe(vista).viewport(), Qt::LeftButton, teclas, PontoDaLinha(vista, linha));
}

QList<int> Marcas(CZTGrid& grid, UINT primeiro, UINT ultimo) {
    QList<int> marcas;
    for (UINT id = primeiro; id <= ultimo; ++id) {
        CmdUI estado(id);
        grid.OnUpdateCommandLista(&estado, kPrimeiroId, kUltimoId);
        marcas << (estado.IsEnabled() ? estado.GetCheck() : -1);
    }
    return marcas;
}

}  // namespace

class GridTest : public QObject {
    Q_OBJECT

    WinApp* app_ = nullptr;
    Wnd* janela_ = nullptr;

    // A view in the window, set up as the framework's grid view sets its grid up.
    VistaTeste* NovaVista(ROWCOL itens, int tipoSelecao = CZTGrid::kSelecaoUmaLinha, BOOL gravar = TRUE) {
        auto* vista = new VistaTeste(itens);
        vista->GetGrid().SetGravarConfiguracoes(FALSE);
        if (!vista->Create(janela_, 1, {0, 0, 480, 320})) return nullptr;
        vista->GetGrid().SetGridID("gridPrincipal");
        vista->GetGrid().SetGravarConfiguracoes(gravar);
        vista->GetGrid().SetTipoSelecao(tipoSelecao);
        vista->OnInitialUpdate();
        return vista;
    }

private slots:
    void init() {
        app_ = new WinApp("GridTeste");
        app_->SetRegistryKey("Quorvel");
        app_->WriteProfileString("gridPrincipal", "Colunas", "");
        janela_ = new Wnd;
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 480, 320}));
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(janela_->GetWidget()));
    }
    void cleanup() {
        delete janela_;
        delete app_;
    }

    // A long list must cost one screen: no row off the screen may be read, before or after a jump
    // to the end.
    void onlyShownRowsAreRead() {
        constexpr ROWCOL kItens = 100000;
        VistaTeste* vista = NovaVista(kItens);
        QVERIFY(vista);
        QTableView& tabela = TabelaDe(*vista);
        const auto visiveis = static_cast<ROWCOL>(tabela.viewport()->height() / tabela.verticalHeader()->defaultSectionSize() + 1);
        QTRY_VERIFY(!vista->linhasLidas.empty());
        QVERIFY(*vista->linhasLidas.rbegin() <= visiveis);
        vista->linhasLidas.clear();
        vista->GetGrid().MostraLinha(kItens);
        QTRY_VERIFY(vista->linhasLidas.count(kItens) == 1);
        QVERIFY(*vista->linhasLidas.begin() > kItens - visiveis);
    }

    // The owner must get the list index (row - 1) of the row the user picked, and handles that
    // GetIndiceLinha turns into list indexes, with 0 for the totals line.
    void selectionGivesListIndexes() {
        VistaTeste* vista = NovaVista(30);
        QVERIFY(vista);
        ClicaLinha(*vista, 3);
        QCOMPARE(vista->indices, std::vector<long>{2});
        QCOMPARE(vista->GetGrid().GetLinhaSelecionada(), ROWCOL{3});
        vista->DestroyWindow();

        vista = NovaVista(30, CZTGrid::kSelecaoVariasLinhas);
        QVERIFY(vista);
        vista->GetGrid().SetEnableTotalizacao(TRUE);
        ClicaLinha(*vista, 1);
        ClicaLinha(*vista, 3, Qt::ControlModifier);
        QCOMPARE(vista->selecoes.back(), (CZTArrayLinhas{1, 3}));
        QCOMPARE(vista->GetGrid().GetIndiceLinha(3), 2L);
        vista->GetGrid().MostraLinha(31);
        ClicaLinha(*vista, 31, Qt::ControlModifier);
        QCOMPARE(vista->selecoes.back(), (CZTArrayLinhas{1, 3, 0}));
        QCOMPARE(vista->GetGrid().GetIndiceLinha(0), -1L);
        // A call changes the selection without telling the owner.
        const std::size_t informadas = vista->selecoes.size();
        vista->GetGrid().RemoveSelecaoLinha(3);
        CZTArrayLinhas linhas;
        QCOMPARE(vista->GetGrid().GetLinhasSelecionadas(linhas), ROWCOL{2});
        QCOMPARE(linhas, (CZTArrayLinhas{1, 0}));
        QCOMPARE(vista->selecoes.size(), informadas);
    }

    // Column commands must hide and show the owner's column c by id first + c, the range's last
    // id shows all, and the check marks follow; nothing is enabled before the menu exists.
    void columnCommandsHideAndShowAll() {
        VistaTeste* vista = NovaVista(5);
        QVERIFY(vista);
        CZTGrid& grid = vista->GetGrid();
        QCOMPARE(Marcas(grid, kPrimeiroId, kPrimeiroId + 3), (QList<int>{-1, -1, -1, -1}));
        grid.CriaMenuConfiguracao(2, kPrimeiroId, nullptr, 7, 0);
        grid.OnColunaLista(kPrimeiroId + 1, kPrimeiroId, kUltimoId);
        QVERIFY(TabelaDe(*vista).horizontalHeader()->isSectionHidden(1));
        // Ids past the columns are disabled; the last id is enabled, unchecked.
        QCOMPARE(Marcas(grid, kPrimeiroId, kPrimeiroId + 3), (QList<int>{1, 0, 1, -1}));
        QCOMPARE(Marcas(grid, kUltimoId, kUltimoId), QList<int>{0});
        grid.OnColunaLista(kPrimeiroId + 2, kPrimeiroId, kUltimoId);
        grid.OnColunaLista(kUltimoId, kPrimeiroId, kUltimoId);
        QCOMPARE(Marcas(grid, kPrimeiroId, kPrimeiroId + 2), (QList<int>{1, 1, 1}));
        // A column shown again gets its width back.
        QCOMPARE(TabelaDe(*vista).horizontalHeader()->sectionSize(1), 200);
    }

    // Order, widths and hidden columns must come back in a re-created view under the same grid
    // id; a grid that does not save leaves the profile alone.
    void configurationSurvivesRecreatingTheView() {
        VistaTeste* vista = NovaVista(5);
        QVERIFY(vista);
        QHeaderView* cabecalho = TabelaDe(*vista).horizontalHeader();
        cabecalho->moveSection(2, 0);
        cabecalho->resizeSection(1, 77);
        vista->GetGrid().CriaMenuConfiguracao(2, kPrimeiroId, nullptr, 7, 0);
        vista->GetGrid().OnColunaLista(kPrimeiroId, kPrimeiroId, kUltimoId);
        vista->DestroyWindow();

        vista = NovaVista(5, CZTGrid::kSelecaoUmaLinha, FALSE);
        QVERIFY(vista);
        cabecalho = TabelaDe(*vista).horizontalHeader();
        QCOMPARE(vista->GetGrid().GetIndiceColuna("Filial"), 2);
        cabecalho->moveSection(0, 1);
        vista->DestroyWindow();

        vista = NovaVista(5);
        QVERIFY(vista);
        cabecalho = TabelaDe(*vista).horizontalHeader();
        QCOMPARE(vista->GetGrid().GetIndiceColuna("Filial"), 0);
        QCOMPARE(vista->GetGrid().GetIndiceColuna(kCodigo), 1);
        QCOMPARE(cabecalho->sectionSize(1), 77);
        QVERIFY(cabecalho->isSectionHidden(0));
        vista->GetGrid().CriaMenuConfiguracao(2, kPrimeiroId, nullptr, 7, 0);
        vista->GetGrid().OnColunaLista(kUltimoId, kPrimeiroId, kUltimoId);
        QCOMPARE(cabecalho->sectionSize(0), 60);
    }

    // A configuration of another column set must not be applied (it would move or hide columns
    // that do not exist).
    void foreignConfigurationIsIgnored_data() {
        QTest::addColumn<QString>("gravada");
        QTest::newRow("too few columns") << "1,60,0;0,60,1;";
        QTest::newRow("a column twice") << "1,60,0;1,60,1;0,60,0;";
        QTest::newRow("a column past the end") << "3,60,0;1,60,1;0,60,0;";
        QTest::newRow("no width") << "2,0,0;1,60,1;0,60,0;";
        QTest::newRow("garbage") << "2,60,0;1,60;0,60,0;";
    }
    void foreignConfigurationIsIgnored() {
        QFETCH(QString, gravada);
        app_->WriteProfileString("gridPrincipal", "Colunas", gravada.toLatin1().constData());
        VistaTeste* vista = NovaVista(5);
        QVERIFY(vista);
        QHeaderView* cabecalho = TabelaDe(*vista).horizontalHeader();
        QCOMPARE(vista->GetGrid().GetIndiceColuna(kCodigo), 0);
        QCOMPARE(vista->GetGrid().GetIndiceColuna("Filial"), 2);
        QVERIFY(!cabecalho->isSectionHidden(0) && !cabecalho->isSectionHidden(1));
        QCOMPARE(cabecalho->sectionSize(1), 200);
    }

    // The totals line must be one row after the last item, never read from the owner; off takes
    // it away; an unchanged setting must change nothing and tell nobody.
    void totalsLineComesAndGoes() {
        VistaTeste* vista = NovaVista(4);
        QVERIFY(vista);
        CZTGrid& grid = vista->GetGrid();
        QTableView& tabela = TabelaDe(*vista);
        grid.SetEnableTotalizacao(TRUE);
        QCOMPARE(tabela.model()->rowCount(), 5);
        QCOMPARE(grid.GetEnableTotalizacao(), TRUE);
        QCOMPARE(tabela.model()->index(4, 0).data().toString(), QString("Total: 4"));
        vista->linhasLidas.clear();
        grid.Redesenha();
        QTRY_VERIFY(vista->linhasLidas.count(4) == 1);
        QCOMPARE(vista->linhasLidas.count(5), std::size_t{0});
        grid.SetEnableTotalizacao(TRUE);
        QCOMPARE(tabela.model()->rowCount(), 5);
        // Items added with the line on go above it.
        grid.SetNumeroLinhas(6);
        QCOMPARE(tabela.model()->index(6, 0).data().toString(), QString("Total: 6"));
        grid.SetEnableTotalizacao(FALSE);
        QCOMPARE(tabela.model()->rowCount(), 6);
        grid.SetEnableTotalizacao(FALSE);
        QCOMPARE(tabela.model()->rowCount(), 6);
        QCOMPARE(vista->totalizacoes, (std::vector<BOOL>{TRUE, FALSE}));
        // Switched on before the set-up, the line comes with it; Reset keeps only the line.
        auto* antes = new VistaTeste(4);
        antes->GetGrid().SetEnableTotalizacao(TRUE);
        QVERIFY(antes->Create(janela_, 2, {0, 0, 200, 200}));
        antes->OnInitialUpdate();
        QTableView& outra = TabelaDe(*antes);
        QCOMPARE(outra.model()->rowCount(), 5);
        antes->GetGrid().Reset(TRUE);
        QCOMPARE(outra.model()->rowCount(), 1);
        QCOMPARE(outra.model()->index(0, 0).data().toString(), QString("Total: 0"));
        antes->DestroyWindow();
    }

    // The owner may keep the current row against clicks and keys, may keep keys from the grid,
    // and hears of double clicks on data cells with the user's column.
    void ownerKeepsRowFiltersKeysAndHearsDoubleClicks() {
        VistaTeste* vista = NovaVista(10);
        QVERIFY(vista);
        CZTGrid& grid = vista->GetGrid();
        QVERIFY(grid.SetCelulaAtual(2, 0));
        QVERIFY(vista->indices.empty());
        vista->permiteMudarLinha = FALSE;
        ClicaLinha(*vista, 5);
        QTest::keyClick(TabelaDe(*vista).viewport(), Qt::Key_Down);
        QCOMPARE(grid.GetLinhaSelecionada(), ROWCOL{2});
        vista->permiteMudarLinha = TRUE;
        vista->processaTeclas = FALSE;
        QTest::keyClick(&TabelaDe(*vista), Qt::Key_Down);
        QCOMPARE(grid.GetLinhaSelecionada(), ROWCOL{2});
        vista->processaTeclas = TRUE;
        QTest::keyClick(&TabelaDe(*vista), Qt::Key_Down);
        QCOMPARE(grid.GetLinhaSelecionada(), ROWCOL{3});
        TabelaDe(*vista).horizontalHeader()->moveSection(1, 0);
        const QTableView& tabela = TabelaDe(*vista);
        const QPoint descricao = tabela.visualRect(tabela.model()->index(3, 1)).center();
        QTest::mouseDClick(TabelaDe(*vista).viewport(), Qt::LeftButton, {}, descricao);
        QCOMPARE(vista->duplosCliques.back(), (std::pair<ROWCOL, ROWCOL>{4, 0}));
    }

    // The test script's row choice must reach the owner as a click does, respect the owner's
    // keeping of the row, and refuse rows past the items (the totals line included); a cell's
    // text is what the owner gave it, in the user's column order.
    void selectingAsTheUserTellsTheOwner() {
        VistaTeste* vista = NovaVista(10);
        QVERIFY(vista);
        CZTGrid& grid = vista->GetGrid();
        grid.SetEnableTotalizacao(TRUE);
        QVERIFY(grid.SelecionaLinhaComoUsuario(4));
        QCOMPARE(vista->indices, std::vector<long>{3});
        QCOMPARE(grid.GetLinhaSelecionada(), ROWCOL{4});
        vista->permiteMudarLinha = FALSE;
        QVERIFY(grid.SelecionaLinhaComoUsuario(6));
        QCOMPARE(grid.GetLinhaSelecionada(), ROWCOL{4});
        vista->permiteMudarLinha = TRUE;
        QVERIFY(!grid.SelecionaLinhaComoUsuario(0));
        QVERIFY(!grid.SelecionaLinhaComoUsuario(11));
        QCOMPARE(vista->indices, std::vector<long>{3});
        TabelaDe(*vista).horizontalHeader()->moveSection(1, 0);
        QCOMPARE(QString(grid.GetTextoCelula(7, 0).GetString()), QString("Tipo de documento 6"));
        QCOMPARE(QString(grid.GetTextoCelula(7, 1).GetString()), QString("006"));
        QVERIFY(grid.GetTextoCelula(12, 0).IsEmpty());
    }

    // A picture of a filled grid: 30 rows, one column hidden, three rows selected.
    void screenshotOfAFilledGrid() {
        VistaTeste* vista = NovaVista(30, CZTGrid::kSelecaoVariasLinhas);
        QVERIFY(vista);
        vista->GetGrid().CriaMenuConfiguracao(2, kPrimeiroId, nullptr, 7, 0);
        vista->GetGrid().OnColunaLista(kPrimeiroId + 2, kPrimeiroId, kUltimoId);
        ClicaLinha(*vista, 2);
        ClicaLinha(*vista, 4, Qt::ControlModifier);
        ClicaLinha(*vista, 5, Qt::ControlModifier);
        QCOMPARE(vista->selecoes.back(), (CZTArrayLinhas{2, 4, 5}));
        QVERIFY(kelvo::testing::SaveScreenshot(*janela_->GetWidget(), "GridTest", "filledGrid", QSize(480, 320)));
    }
};

QTEST_MAIN(GridTest)
#include "grid_test.moc"
