// The stand-alone tree view: date branches of short and full dates (months, optional days and
// years, the short builder's day texts made by incrementing), items found and selected by text
// only while the map is kept, and the tree's look.
#include "framework/view/zt_tree_view.h"
#include "platform/ui/app/win_app.h"
#include "util/time/short_date.h"

#include <QtTest>

#include <string>

using namespace platform;
using namespace platform::ui;

namespace {

// The branch under `item` as "text[child child[...]]".
std::string Ramo(const TreeCtrl& tree, HTREEITEM item) {
    std::string texto = tree.GetItemText(item).GetString();
    HTREEITEM filho = tree.GetChildItem(item);
    if (!filho) return texto;
    texto += '[';
    for (bool primeiro = true; filho; filho = tree.GetNextSiblingItem(filho), primeiro = false) {
        if (!primeiro) texto += ' ';
        texto += Ramo(tree, filho);
    }
    return texto + ']';
}

struct Dia {
    int dia, mes, ano;
};

}  // namespace

class TreeViewTest : public QObject {
    Q_OBJECT

    WinApp* app_ = nullptr;
    Wnd* janela_ = nullptr;
    CZTTreeView* view_ = nullptr;

private slots:
    void init() {
        app_ = new WinApp("TreeViewTeste");
        janela_ = new Wnd;
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 320, 480}));
        view_ = new CZTTreeView;
        QVERIFY(view_->Create(janela_, 1, {0, 0, 320, 480}));
    }
    void cleanup() {
        delete janela_;  // the view goes with its window
        delete app_;
    }

    // Buttons, lines and the selection shown without focus must be the tree's styles.
    void theTreeHasButtonsLinesAndAVisibleSelection() {
        QCOMPARE(view_->GetTreeCtrl().GetStyle() & 0x23u, 0x23u);
    }

    // Each branch must have exactly the year, month and day items of its range, in order, under
    // the right parents, for both kinds of dates.
    void dateBranchesHoldTheirRange() {
        const struct {
            const char* caso;
            bool curtas;
            BOOL dias;
            BOOL anos;
            Dia primeira, ultima;
            const char* esperado;
        } casos[] = {
            // A leap day and a month change: the short texts must not skip or repeat a day.
            {"short leap February", true, TRUE, FALSE, {28, 2, 2000}, {1, 3, 2000},
             "Datas[02/00[28/02/00 29/02/00] 03/00[01/03/00]]"},
            {"full leap February", false, TRUE, FALSE, {28, 2, 2000}, {1, 3, 2000},
             "Datas[02/2000[28/02/2000 29/02/2000] 03/2000[01/03/2000]]"},
            // Without days a month inside the range is one item, once.
            {"short one month", true, FALSE, FALSE, {5, 3, 2001}, {20, 3, 2001}, "Datas[03/01]"},
            {"short one month with years", true, FALSE, TRUE, {5, 3, 2001}, {20, 3, 2001}, "Datas[2001[03/01]]"},
            {"full one month", false, FALSE, FALSE, {10, 3, 2001}, {25, 3, 2001}, "Datas[03/2001]"},
            {"full one month with years", false, FALSE, TRUE, {10, 3, 2001}, {25, 3, 2001}, "Datas[2001[03/2001]]"},
            // The second year starts at January; months of both ends count although their days
            // lie partly outside the range.
            {"short November to February", true, FALSE, TRUE, {15, 11, 1999}, {10, 2, 2000},
             "Datas[1999[11/99 12/99] 2000[01/00 02/00]]"},
            {"full November to February", false, FALSE, TRUE, {15, 11, 1999}, {10, 2, 2000},
             "Datas[1999[11/1999 12/1999] 2000[01/2000 02/2000]]"},
            // Incremented days must carry 09 into 10; the 30th is incremented, the 31st and
            // February days are formatted again.
            {"short incremented days", true, TRUE, FALSE, {8, 1, 2001}, {11, 1, 2001},
             "Datas[01/01[08/01/01 09/01/01 10/01/01 11/01/01]]"},
            {"short month ends", true, TRUE, FALSE, {28, 1, 2001}, {2, 2, 2001},
             "Datas[01/01[28/01/01 29/01/01 30/01/01 31/01/01] 02/01[01/02/01 02/02/01]]"},
            {"short days with years", true, TRUE, TRUE, {31, 12, 2001}, {1, 1, 2002},
             "Datas[2001[12/01[31/12/01]] 2002[01/02[01/01/02]]]"},
            // The stored short value wraps round after 4 June 2027; the walk must not stop there.
            {"short across the stored wrap", true, TRUE, FALSE, {3, 6, 2027}, {6, 6, 2027},
             "Datas[06/27[03/06/27 04/06/27 05/06/27 06/06/27]]"},
            // A range that ends before it starts gives the root alone.
            {"short reversed range", true, TRUE, TRUE, {2, 3, 2001}, {1, 3, 2001}, "Datas"},
            {"full reversed range", false, TRUE, TRUE, {2, 3, 2001}, {1, 3, 2001}, "Datas"},
        };
        for (const auto& caso : casos) {
            TreeCtrl& tree = view_->GetTreeCtrl();
            tree.DeleteAllItems();
            HTREEITEM raiz = nullptr;
            if (caso.curtas) {
                ZT_PERIODO_DATAS_CURTAS pedido;
                pedido.pszRaiz = "Datas";
                pedido.bDias = caso.dias;
                pedido.nPrimeira = ZTMontaData(caso.primeira.dia, caso.primeira.mes, caso.primeira.ano);
                pedido.nUltima = ZTMontaData(caso.ultima.dia, caso.ultima.mes, caso.ultima.ano);
                pedido.bAnos = caso.anos;
                raiz = view_->InsereDatasCurtas(pedido);
            } else {
                ZT_PERIODO_DATAS pedido;
                pedido.pszRaiz = "Datas";
                pedido.bDias = caso.dias;
                pedido.primeira.SetData(caso.primeira.dia, caso.primeira.mes, caso.primeira.ano);
                pedido.ultima.SetData(caso.ultima.dia, caso.ultima.mes, caso.ultima.ano);
                pedido.bAnos = caso.anos;
                raiz = view_->InsereDatas(pedido);
            }
            QVERIFY2(raiz == tree.GetRootItem() && !tree.GetNextSiblingItem(raiz), caso.caso);
            const std::string ramo = Ramo(tree, raiz);
            QVERIFY2(ramo == caso.esperado, (std::string(caso.caso) + ": " + ramo).c_str());
        }
    }

    // Builder items must carry picture 0, plain and selected.
    void builderItemsHavePictureZero() {
        ZT_PERIODO_DATAS pedido;
        pedido.pszRaiz = "Datas";
        pedido.bDias = TRUE;
        pedido.primeira.SetData(1, 1, 2001);
        pedido.ultima.SetData(1, 1, 2001);
        TreeCtrl& tree = view_->GetTreeCtrl();
        const HTREEITEM raiz = view_->InsereDatas(pedido);
        const HTREEITEM dia = tree.GetChildItem(tree.GetChildItem(raiz));
        QVERIFY(dia);
        int imagem = -1;
        int selecionada = -1;
        QVERIFY(tree.GetItemImage(dia, imagem, selecionada));
        QCOMPARE(imagem, 0);
        QCOMPARE(selecionada, 0);
    }

    // Only items inserted while the map is kept may be found and selected by text, and a later
    // item with the same text must win.
    void itemsAreFoundByTextOnlyWhileTheMapIsKept() {
        TreeCtrl& tree = view_->GetTreeCtrl();
        const HTREEITEM semMapa = view_->InsereItem("Contratos", 1, 2);
        QVERIFY(semMapa);
        int imagem = 0;
        int selecionada = 0;
        QVERIFY(tree.GetItemImage(semMapa, imagem, selecionada));
        QCOMPARE(imagem, 1);
        QCOMPARE(selecionada, 2);
        QCOMPARE(view_->SelecionaItemTexto("Contratos"), FALSE);
        QCOMPARE(tree.GetSelectedItem(), static_cast<HTREEITEM>(nullptr));

        view_->SetGuardaMapa(TRUE);
        const HTREEITEM pasta = view_->InsereItem("Notas", 0, 0);
        const HTREEITEM primeira = view_->InsereItem("Recibo", 0, 0, pasta);
        const HTREEITEM segunda = view_->InsereItem("Recibo", 0, 0, pasta);
        HTREEITEM achado = nullptr;
        QCOMPARE(view_->BuscaItemTexto("Contratos", achado), FALSE);
        QCOMPARE(view_->BuscaItemTexto("Recibo", achado), TRUE);
        QCOMPARE(achado, segunda);
        QVERIFY(achado != primeira);
        QCOMPARE(view_->SelecionaItemTexto("Recibo"), TRUE);
        QCOMPARE(tree.GetSelectedItem(), segunda);

        // The builders record their items too.
        ZT_PERIODO_DATAS_CURTAS pedido;
        pedido.pszRaiz = "Datas";
        pedido.bDias = TRUE;
        pedido.nPrimeira = ZTMontaData(28, 2, 2000);
        pedido.nUltima = ZTMontaData(1, 3, 2000);
        view_->InsereDatasCurtas(pedido);
        QCOMPARE(view_->SelecionaItemTexto("29/02/00"), TRUE);
        QCOMPARE(std::string(tree.GetItemText(tree.GetSelectedItem()).GetString()), std::string("29/02/00"));

        view_->SetGuardaMapa(FALSE);
        view_->InsereItem("Avulso", 0, 0);
        QCOMPARE(view_->SelecionaItemTexto("Avulso"), FALSE);
    }
};

QTEST_MAIN(TreeViewTest)
#include "tree_view_test.moc"
