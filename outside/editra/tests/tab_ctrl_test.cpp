// The suite's tab control with real windows: pages shown one at a time, selection in order and
// by index through the per-page test (disabled or refused pages are skipped, never wrapped
// round), a click on a refused tab undone, and the tab stops of the next or previous page.
#include "outside/editra/zt_tab_ctrl.h"
#include "platform/ui/control/edit.h"

#include <QTabBar>
#include <QtTest>

#include <memory>
#include <set>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kAbas = 1000;
constexpr int kPaginas = 3;

// A tab control whose per-page test also refuses the pages a test names.
class AbasTeste final : public CZTTabCtrl {
public:
    std::set<int> recusadas;
    BOOL IsPastaSelecionavel(int nPasta) const override {
        return !recusadas.count(nPasta) && CZTTabCtrl::IsPastaSelecionavel(nPasta);
    }
};

// A page of two edits.
struct Pagina {
    Wnd janela;
    Edit primeiro;
    Edit ultimo;
};

}  // namespace

class TabCtrlTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Wnd> janela_;
    std::unique_ptr<AbasTeste> abas_;
    std::vector<std::unique_ptr<Pagina>> paginas_;

    [[nodiscard]] QList<bool> Visiveis() const {
        QList<bool> visiveis;
        for (const auto& pagina : paginas_) visiveis << (pagina->janela.IsWindowVisible() != FALSE);
        return visiveis;
    }
    [[nodiscard]] QList<bool> SoVisivel(int nPasta) const {
        QList<bool> visiveis;
        for (int i = 0; i < kPaginas; ++i) visiveis << (i == nPasta);
        return visiveis;
    }

private slots:
    void init() {
        janela_ = std::make_unique<Wnd>();
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 400, 300}));
        abas_ = std::make_unique<AbasTeste>();
        QVERIFY(abas_->Create({10, 10, 390, 290}, janela_.get(), kAbas));
        for (int i = 0; i < kPaginas; ++i) {
            auto pagina = std::make_unique<Pagina>();
            QVERIFY(pagina->janela.Create(abas_.get(), 0));
            QVERIFY(pagina->primeiro.Create(0, {10, 10, 200, 32}, &pagina->janela, 1));
            QVERIFY(pagina->ultimo.Create(0, {10, 40, 200, 62}, &pagina->janela, 2));
            pagina->primeiro.SetTabStop(TRUE);
            pagina->ultimo.SetTabStop(TRUE);
            QCOMPARE(abas_->IncluiPasta(QByteArray("P\xe1gina ") + QByteArray::number(i), &pagina->janela), i);
            paginas_.push_back(std::move(pagina));
        }
        janela_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(janela_->GetWidget()));
    }
    void cleanup() {
        paginas_.clear();
        abas_.reset();
        janela_.reset();
    }

    // Pages go in the display area below the tabs, the first one shown.
    void pagesShowOneAtATime() {
        QCOMPARE(abas_->GetCurSel(), 0);
        QCOMPARE(Visiveis(), SoVisivel(0));
        QCOMPARE(abas_->GetJanelaPastaSelecionada(), &paginas_[0]->janela);
        Rect area;
        paginas_[2]->janela.GetClientRect(&area);
        QVERIFY(area.Height() < 280 && area.Height() > 200);
        QVERIFY(abas_->SelecionaPasta(2));
        QCOMPARE(Visiveis(), SoVisivel(2));
        QCOMPARE(abas_->GetJanelaPasta(1), &paginas_[1]->janela);
        QCOMPARE(abas_->GetJanelaPasta(kPaginas), nullptr);
    }

    void orderedSelection_data() {
        QTest::addColumn<QList<int>>("desabilitadas");
        QTest::addColumn<QList<int>>("recusadas");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("ordem");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<int>("selecionada");
        QTest::newRow("forward") << QList<int>{} << QList<int>{} << 0 << CZTTabCtrl::kOrdemProxima << 1 << 1;
        QTest::newRow("backward") << QList<int>{} << QList<int>{} << 2 << CZTTabCtrl::kOrdemAnterior << 1 << 1;
        // A disabled page is passed over, forward and backward.
        QTest::newRow("forward over a disabled page") << QList<int>{1} << QList<int>{} << 0 << CZTTabCtrl::kOrdemProxima << 2 << 2;
        QTest::newRow("backward over a disabled page") << QList<int>{1} << QList<int>{} << 2 << CZTTabCtrl::kOrdemAnterior << 0 << 0;
        // The subclass's test decides as well as the enabling.
        QTest::newRow("over a refused page") << QList<int>{} << QList<int>{1} << 0 << CZTTabCtrl::kOrdemProxima << 2 << 2;
        // At the end nothing wraps round and the selection stays.
        QTest::newRow("after the last") << QList<int>{} << QList<int>{} << 2 << CZTTabCtrl::kOrdemProxima << -1 << 2;
        QTest::newRow("before the first") << QList<int>{} << QList<int>{} << 0 << CZTTabCtrl::kOrdemAnterior << -1 << 0;
        QTest::newRow("only disabled pages ahead") << QList<int>{1, 2} << QList<int>{} << 0 << CZTTabCtrl::kOrdemProxima << -1 << 0;
    }
    void orderedSelection() {
        QFETCH(QList<int>, desabilitadas);
        QFETCH(QList<int>, recusadas);
        QFETCH(int, inicio);
        QFETCH(int, ordem);
        QFETCH(int, resposta);
        QFETCH(int, selecionada);
        QVERIFY(abas_->SelecionaPasta(inicio));
        for (int nPasta : desabilitadas) abas_->HabilitaPasta(nPasta, FALSE);
        abas_->recusadas = {recusadas.begin(), recusadas.end()};
        QCOMPARE(abas_->SelecionaPastaOrdem(ordem), resposta);
        QCOMPARE(abas_->GetCurSel(), selecionada);
        QCOMPARE(Visiveis(), SoVisivel(selecionada));
        QCOMPARE(abas_->GetJanelaPastaSelecionada(), &paginas_[static_cast<std::size_t>(selecionada)]->janela);
    }

    // A disabled page is refused by index too, its window disabled; enabled again it is reached.
    void disabledPageRefusedByIndex() {
        abas_->HabilitaPasta(1, FALSE);
        QCOMPARE(abas_->IsPastaHabilitada(1), FALSE);
        QVERIFY(!paginas_[1]->janela.IsWindowEnabled());
        QCOMPARE(abas_->SelecionaPasta(1), FALSE);
        QCOMPARE(abas_->GetCurSel(), 0);
        QCOMPARE(Visiveis(), SoVisivel(0));
        abas_->HabilitaPasta(1, TRUE);
        QVERIFY(paginas_[1]->janela.IsWindowEnabled());
        QCOMPARE(abas_->SelecionaPasta(1), TRUE);
        QCOMPARE(Visiveis(), SoVisivel(1));
    }

    // The user's click shows its page; a click on a refused page goes back to the page before.
    void clickOnATab() {
        auto* barra = qobject_cast<QTabBar*>(abas_->GetWidget());
        QVERIFY(barra);
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(2).center());
        QCOMPARE(abas_->GetCurSel(), 2);
        QCOMPARE(Visiveis(), SoVisivel(2));
        abas_->HabilitaPasta(1, FALSE);
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(1).center());
        QCOMPARE(abas_->GetCurSel(), 2);
        QCOMPARE(Visiveis(), SoVisivel(2));
    }

    // The next page's first tab stop, the previous page's last, nothing past the end; a control
    // that is disabled, hidden or not marked as a tab stop is no tab stop.
    void tabStopsOfTheNextPage() {
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemProximo), &paginas_[1]->primeiro);
        QCOMPARE(abas_->GetCurSel(), 1);
        QVERIFY(abas_->SelecionaPasta(2));
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemAnterior), &paginas_[1]->ultimo);
        QVERIFY(abas_->SelecionaPasta(2));
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemProximo), nullptr);
        QCOMPARE(abas_->GetCurSel(), 2);
        QVERIFY(abas_->SelecionaPasta(0));
        paginas_[1]->primeiro.EnableWindow(FALSE);
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemProximo), &paginas_[1]->ultimo);
        QVERIFY(abas_->SelecionaPasta(2));
        paginas_[1]->ultimo.ShowWindow(SW_HIDE);
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemAnterior), nullptr);
        // An edit takes the focus by Tab in Qt; only the dialog manager's mark makes it a stop.
        QVERIFY(abas_->SelecionaPasta(1));
        paginas_[2]->primeiro.SetTabStop(FALSE);
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemProximo), &paginas_[2]->ultimo);
    }

    // A tab control on a page is itself that page's tab stop, so a walk can descend into it;
    // so is one taken over from a dialog template.
    void theControlIsATabStop() {
        CZTTabCtrl interna;
        QVERIFY(interna.Create({10, 80, 200, 200}, &paginas_[1]->janela, 3));
        paginas_[1]->primeiro.EnableWindow(FALSE);
        paginas_[1]->ultimo.EnableWindow(FALSE);
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemProximo), &interna);
        QVERIFY(interna.DestroyWindow());
        TabCtrl doModelo;
        QVERIFY(doModelo.Create({10, 80, 200, 200}, &paginas_[1]->janela, 4));
        doModelo.SetTabStop(TRUE);
        doModelo.InsertItem(0, "A");
        CZTTabCtrl tomada;
        QVERIFY(tomada.SubclassDlgItem(4, &paginas_[1]->janela));
        QCOMPARE(tomada.IsPastaHabilitada(0), TRUE);
        QVERIFY(tomada.GetWidget()->focusPolicy() & Qt::TabFocus);
        QVERIFY(abas_->SelecionaPasta(0));
        QCOMPARE(abas_->PegaDlgTabItem(CZTTabCtrl::kTabItemProximo), &tomada);
    }
};

QTEST_MAIN(TabCtrlTest)
#include "tab_ctrl_test.moc"
