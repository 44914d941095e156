// What an expect step finds in a grid and a combo: a grid's data rows (the totals line is none),
// its shown cells only, a combo's entries; a check that does not hold says what was there.
#include "outside/editra/zt_browser_view.h"
#include "outside/pendora/ui/roteiro/confere_controle.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/control/combo_box.h"

#include <QtTest>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kGrade = 1, kCombo = 2;
constexpr UINT kPrimeiroId = 32810, kUltimoId = 32814;
const char* const kTitulos[] = {"Codigo", "Tipo", "Filial"};
const char* const kFormatos[] = {"%03u", "Tipo %u", "F%u"};

// Three items of three columns: "000", "Tipo 0", "F0" and so on.
class VistaTeste final : public CZTBrowserView {
public:
    VistaTeste() { GetGrid().SetNumeroColunas(3); }

    void OnInitialUpdate() override {
        CZTBrowserView::OnInitialUpdate();
        GetGrid().SetNumeroLinhas(3);
    }
    CZTInfoColuna GetInformacaoColuna(int coluna) override { return {kTitulos[coluna], 0, 60, 10, 0u}; }
    BOOL OnLoadCellStyle(ROWCOL linha, ROWCOL coluna, CZTEstiloCelula& estilo) override {
        String texto;
        for (int titulo = 0; titulo < 3; ++titulo) {
            if (static_cast<int>(coluna) == GetGrid().GetIndiceColuna(kTitulos[titulo])) texto.Format(kFormatos[titulo], linha - 1);
        }
        estilo.SetValue(texto);
        return TRUE;
    }
};

}  // namespace

class ConfereControleTest : public QObject {
    Q_OBJECT

    WinApp* app_ = nullptr;
    Wnd* janela_ = nullptr;
    VistaTeste* vista_ = nullptr;
    ComboBox* combo_ = nullptr;

private slots:
    void initTestCase() {
        app_ = new WinApp("ConfereTeste");
        janela_ = new Wnd;
        QVERIFY(janela_->Create(nullptr, 0, {0, 0, 480, 320}));
        vista_ = new VistaTeste;
        vista_->GetGrid().SetGravarConfiguracoes(FALSE);
        QVERIFY(vista_->Create(janela_, kGrade, {0, 0, 480, 200}));
        vista_->OnInitialUpdate();
        vista_->GetGrid().SetEnableTotalizacao(TRUE);
        // The user hid the third column: its cells show nothing.
        vista_->GetGrid().CriaMenuConfiguracao(0, kPrimeiroId, nullptr, 0, 0);
        vista_->GetGrid().OnColunaLista(kPrimeiroId + 2, kPrimeiroId, kUltimoId);
        combo_ = new ComboBox;
        QVERIFY(combo_->Create(CBS_DROPDOWNLIST, {0, 210, 200, 300}, janela_, kCombo));
        combo_->AddString("Alfa");
        combo_->AddString("Beta");
    }
    void cleanupTestCase() {
        delete janela_;
        delete app_;
    }

    void checksListControls_data() {
        QTest::addColumn<bool>("naGrade");
        QTest::addColumn<int>("quantidade");  // -1: the check is of a text
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("achado");  // empty when the check holds
        // The totals line is no data row, in the count or among the texts.
        QTest::newRow("grid rows") << true << 3 << "" << "";
        QTest::newRow("grid rows wrong") << true << 4 << "" << "control 1 has 3 entries, not 4";
        QTest::newRow("grid cell") << true << -1 << "Tipo 2" << "";
        QTest::newRow("grid totals line") << true << -1 << "Total: 3"
                                          << "control 1 has no entry \"Total: 3\"; it holds \"000\", \"Tipo 0\", \"001\", \"Tipo 1\", \"002\", \"Tipo 2\"";
        // A hidden column's cell is not shown.
        QTest::newRow("grid hidden cell") << true << -1 << "F1" << "control 1 has no entry \"F1\"; it holds \"000\", \"Tipo 0\", \"001\", \"Tipo 1\", \"002\", \"Tipo 2\"";
        QTest::newRow("combo entries") << false << 2 << "" << "";
        QTest::newRow("combo entries wrong") << false << 0 << "" << "control 2 has 2 entries, not 0";
        QTest::newRow("combo entry") << false << -1 << "Beta" << "";
        QTest::newRow("combo no entry") << false << -1 << "Gama" << "control 2 has no entry \"Gama\"; it holds \"Alfa\", \"Beta\"";
    }

    void checksListControls() {
        QFETCH(bool, naGrade);
        QFETCH(int, quantidade);
        QFETCH(QString, texto);
        QFETCH(QString, achado);
        kelvo::roteiro::PassoRoteiro passo;
        passo.verbo = kelvo::roteiro::Verbo::Confere;
        passo.id = naGrade ? kGrade : kCombo;
        if (quantidade >= 0) passo.quantidade = quantidade;
        passo.texto = String(texto.toStdString().c_str());
        Wnd& controle = naGrade ? static_cast<Wnd&>(vista_->GetGrid()) : *combo_;
        QCOMPARE(QString::fromStdString(kelvo::roteiro::ConfereControle(controle, passo)), achado);
    }
};

QTEST_MAIN(ConfereControleTest)
#include "confere_controle_test.moc"
