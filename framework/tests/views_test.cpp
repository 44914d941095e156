// The framework's generic views over a framework document: the grid view turns the user's
// selection into hint 1 (the row's record, never a missing one), the tree view gives one hint 2
// for the item where fast movement stops, finds items by their data depth first, and both views
// wait for the document to start.
#include "framework/data/zt_fc_dados.h"
#include "framework/document/zt_fc_document.h"
#include "framework/tests/record_cache_fakes.h"
#include "framework/view/zt_fc_grid_view.h"
#include "framework/view/zt_fc_hints.h"
#include "framework/view/zt_fc_tree_view.h"
#include "platform/ui/app/win_app.h"

#include <QTableView>
#include <QtTest>

#include <string>
#include <vector>

using namespace platform;
using namespace platform::ui;
using framework::testing::RegistroFalso;
using framework::testing::RegistroNoServidor;

namespace {

using Holder = CZTFCDadosClasseTempl<RegistroFalso>;

constexpr ROWCOL kItens = 30;

// A document whose list items 0..kItens-1 have records; `comRegistros` false answers none, as a
// document without a record cache does.
class DocumentoDeItens : public CZTFCDocument {
public:
    explicit DocumentoDeItens(bool multiSelecao, bool comRegistros = true) : comRegistros_(comRegistros) {
        for (ROWCOL i = 0; i < kItens; ++i) valores_.push_back(RegistroNoServidor(100 + i));
        SetMultiSelecao(multiSelecao);
        SetRegistroAtual(new Holder);
    }
    const void* GetRegistro(int indice) override {
        if (!comRegistros_ || indice < 0 || indice >= static_cast<int>(valores_.size())) return nullptr;
        return &valores_[static_cast<std::size_t>(indice)];
    }
    [[nodiscard]] RegistroFalso Atual() const { return *Holder::GetDados(GetRegistroAtual()); }

private:
    bool comRegistros_;
    std::vector<RegistroFalso> valores_;
};

// Another view of the document that writes down the selection hints it hears.
class ViewQueOuve final : public View, public CZTFCView {
public:
    std::vector<std::string> selecoes;
    std::vector<HTREEITEM> itens;

    void OnSelecionaRegistro(std::int32_t indice) override { selecoes.push_back("um " + std::to_string(indice)); }
    void OnSelecionaRegistros(std::int32_t quantidade, const ROWCOL*) override {
        selecoes.push_back("varios " + std::to_string(quantidade));
    }
    void OnSelecaoArvore(HTREEITEM item, const char* texto, View*) override {
        itens.push_back(item);
        selecoes.push_back(texto);
    }

protected:
    void OnUpdate(View* sender, LPARAM hint, Object* objeto) override { OnUpdateView(sender, hint, objeto); }
};

// A one-column list of the document's items.
class GridDeItens final : public CZTFCGridView {
public:
    GridDeItens() { GetGrid().SetNumeroColunas(1); }
    CZTInfoColuna GetInformacaoColuna(int) override { return {"Item"}; }
    BOOL OnLoadCellStyle(ROWCOL linha, ROWCOL, CZTEstiloCelula& estilo) override {
        String texto;
        texto.Format("Item %u", linha - 1);
        estilo.SetValue(texto);
        return TRUE;
    }
    void OnInicializaView() override {
        CZTFCGridView::OnInicializaView();
        GetGrid().SetNumeroLinhas(kItens);
    }
};

QTableView& TabelaDe(CZTFCGridView& view) { return *static_cast<QTableView*>(view.GetGrid().GetWidget()); }

void ClicaLinha(CZTFCGridView& view, ROWCOL linha, Qt::KeyboardModifiers teclas = {}) {
    QTableView& tabela = TabelaDe(view);
    view.GetGrid().MostraLinha(linha);
    const QPoint ponto = tabela.visualRect(tabela.model()->index(static_cast<int>(linha) - 1, 0)).center();
    QTest::mouseClick(tabela.viewport(), Qt::LeftButton, teclas, ponto);
}

}  // namespace

class ViewsTest : public QObject {
    Q_OBJECT

    WinApp* app_ = nullptr;
    Wnd* janela_ = nullptr;
    CZTFCDocument* documento_ = nullptr;
    ViewQueOuve* ouvinte_ = nullptr;

    // `view` and a listener in the window, both views of `documento`, set up and started.
    template <class V>
    V* Abre(V* view, CZTFCDocument* documento) {
        documento_ = documento;
        documento_->AddView(view);
        ouvinte_ = new ViewQueOuve;
        documento_->AddView(ouvinte_);
        if (!view->Create(janela_, 1, {0, 0, 320, 480}) || !ouvinte_->Create(janela_, 2, {})) return nullptr;
        view->OnInitialUpdate();
        documento_->UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
        return view;
    }

private slots:
    void init() {
        app_ = new WinApp("ViewsTeste");
        app_->SetRegistryKey("Quorvel");
        janela_ = new Wnd;
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 320, 480}));
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(janela_->GetWidget()));
    }
    void cleanup() {
        delete janela_;
        delete documento_;
        delete app_;
        documento_ = nullptr;
    }

    // Grid row r shows item r - 1: selecting the third data row must make item 2 current.
    void selectingTheThirdDataRowMakesItemTwoCurrent() {
        auto* documento = new DocumentoDeItens(false);
        GridDeItens* grid = Abre(new GridDeItens, documento);
        QVERIFY(grid);
        ClicaLinha(*grid, 3);
        QCOMPARE(ouvinte_->selecoes, std::vector<std::string>{"um 2"});
        QCOMPARE(documento->Atual(), RegistroNoServidor(102));
    }

    // Several selected rows must reach the document as their records, the last one current;
    // the totals line among them adds none.
    void severalRowsBecomeTheSelection() {
        auto* documento = new DocumentoDeItens(true);
        GridDeItens* grid = Abre(new GridDeItens, documento);
        QVERIFY(grid);
        grid->GetGrid().SetEnableTotalizacao(TRUE);
        ClicaLinha(*grid, 1);
        ClicaLinha(*grid, 3, Qt::ControlModifier);
        ClicaLinha(*grid, 5, Qt::ControlModifier);
        QCOMPARE(ouvinte_->selecoes, (std::vector<std::string>{"varios 1", "varios 2", "varios 3"}));
        QCOMPARE(documento->Atual(), RegistroNoServidor(104));
        QCOMPARE(documento->GetSelecao().size(), std::size_t{3});
        QCOMPARE(*Holder::GetDados(documento->GetSelecao()[0].get()), RegistroNoServidor(100));
        ClicaLinha(*grid, kItens + 1, Qt::ControlModifier);
        QCOMPARE(ouvinte_->selecoes.size(), std::size_t{4});
        QCOMPARE(ouvinte_->selecoes.back(), std::string("varios 3"));
        QCOMPARE(documento->GetSelecao().size(), std::size_t{3});
    }

    // A row without a record must select nothing: the document would make a null record current.
    void aRowWithoutARecordSelectsNothing() {
        const struct {
            const char* caso;
            bool comRegistros;
            ROWCOL linha;
        } casos[] = {
            {"the totals line", true, kItens + 1},
            {"a document without records", false, 3},
        };
        for (const auto& caso : casos) {
            auto* documento = new DocumentoDeItens(false, caso.comRegistros);
            GridDeItens* grid = Abre(new GridDeItens, documento);
            QVERIFY2(grid, caso.caso);
            grid->GetGrid().SetEnableTotalizacao(TRUE);
            ClicaLinha(*grid, caso.linha);
            QVERIFY2(ouvinte_->selecoes.empty(), caso.caso);
            QVERIFY2(documento->Atual() == RegistroFalso{}, caso.caso);
            cleanup();
            init();
        }
    }

    // Ten moves before the timer fires must give one hint 2, for the last item, and leave no
    // timer that would tell again; with the ignore flag set, moves tell nobody.
    void tenMovesGiveOneHintForTheLast() {
        CZTFCTreeView* arvore = Abre(new CZTFCTreeView, new DocumentoDeItens(false));
        QVERIFY(arvore);
        TreeCtrl& tree = arvore->GetTreeCtrl();
        QCOMPARE(tree.GetStyle() & 0x23u, 0x23u);
        std::vector<HTREEITEM> itens;
        for (int i = 0; i < 10; ++i) itens.push_back(tree.InsertItem(("Item " + std::to_string(i)).c_str()));
        for (HTREEITEM item : itens) QVERIFY(tree.SelectItem(item));
        QVERIFY(ouvinte_->selecoes.empty());
        arvore->SendMessage(WM_TIMER, CZTFCTreeView::kTimerSelecao);
        QCOMPARE(ouvinte_->selecoes, std::vector<std::string>{"Item 9"});
        QCOMPARE(ouvinte_->itens, std::vector<HTREEITEM>{itens.back()});
        QCOMPARE(arvore->KillTimer(CZTFCTreeView::kTimerSelecao), FALSE);

        QCOMPARE(arvore->SetIgnoraSelecao(TRUE), FALSE);
        QVERIFY(tree.SelectItem(itens.front()));
        QCOMPARE(arvore->KillTimer(CZTFCTreeView::kTimerSelecao), FALSE);
        arvore->OnSelecionaItem("Item 0", itens.front());
        QCOMPARE(ouvinte_->selecoes.size(), std::size_t{1});
        QCOMPARE(arvore->SetIgnoraSelecao(FALSE), TRUE);
    }

    // The search must visit every item, a root's children before the next root.
    void findItemSearchesDepthFirst() {
        CZTFCTreeView* arvore = Abre(new CZTFCTreeView, new DocumentoDeItens(false));
        QVERIFY(arvore);
        TreeCtrl& tree = arvore->GetTreeCtrl();
        const HTREEITEM primeira = tree.InsertItem("Contratos");
        const HTREEITEM filho = tree.InsertItem("Vigentes", primeira);
        const HTREEITEM neto = tree.InsertItem("2026", filho);
        const HTREEITEM segunda = tree.InsertItem("Notas");
        const HTREEITEM repetido = tree.InsertItem("Antigas", segunda);
        const std::pair<HTREEITEM, DWORD> dados[] = {{primeira, 1}, {filho, 11}, {neto, 7}, {segunda, 2}, {repetido, 7}};
        for (const auto& [item, valor] : dados) tree.SetItemData(item, valor);
        const struct {
            DWORD valor;
            HTREEITEM esperado;
        } casos[] = {
            {2, segunda},  // the second root, after the first root's children
            {7, neto},     // the first match depth first, not the shallower one
            {11, filho},
            {99, nullptr},
        };
        for (const auto& caso : casos) QCOMPARE(arvore->BuscaItem(&caso.valor), caso.esperado);
        QCOMPARE(arvore->BuscaItem(nullptr), static_cast<HTREEITEM>(nullptr));
    }

    // Both views must stay disabled until the document starts and again after a reset, which
    // also empties the tree.
    void viewsWaitForTheDocument() {
        auto* documento = new DocumentoDeItens(false);
        auto* arvore = new CZTFCTreeView;
        auto* grid = new GridDeItens;
        documento->AddView(arvore);
        documento->AddView(grid);
        documento_ = documento;
        QVERIFY(arvore->Create(janela_, 1, {0, 0, 160, 480}) && grid->Create(janela_, 2, {160, 0, 160, 480}));
        arvore->OnInitialUpdate();
        grid->OnInitialUpdate();
        QCOMPARE(grid->GetGrid().GetGridID(), String("gridPrincipal"));
        QCOMPARE(arvore->IsWindowEnabled(), FALSE);
        QCOMPARE(grid->IsWindowEnabled(), FALSE);
        documento->UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
        QCOMPARE(arvore->IsWindowEnabled(), TRUE);
        QCOMPARE(grid->IsWindowEnabled(), TRUE);
        arvore->GetTreeCtrl().InsertItem("Contratos");
        documento->UpdateAllViews(nullptr, ZTFC_HINT_LIMPA);
        QCOMPARE(arvore->GetTreeCtrl().GetCount(), UINT{0});
        QCOMPARE(grid->GetGrid().GetNumeroLinhas(), ROWCOL{0});
        QCOMPARE(arvore->IsWindowEnabled(), FALSE);
        QCOMPARE(grid->IsWindowEnabled(), FALSE);
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
