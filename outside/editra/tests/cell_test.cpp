// Cell controls of the suite's grid: the bitmap cell draws picture n of its strip for the value
// n and nothing for any other text, and the grid hands the cells of a registered control id, and
// only those, to their control.
#include "framework/tests/observing_canvas.h"
#include "framework/tests/recording_canvas.h"
#include "outside/editra/zt_bitmap_cell.h"
#include "outside/editra/zt_browser_view.h"

#include <QTableView>
#include <QtTest>

#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kControleMarca = 136;
constexpr int kLargura = 16;
constexpr int kAltura = 12;

// A strip of `imagens` pictures, each of its own grey.
Bitmap Faixa(int imagens) {
    Image faixa{kLargura * imagens, kAltura, {}};
    for (int y = 0; y < faixa.height; ++y) {
        for (int x = 0; x < faixa.width; ++x) faixa.pixels.push_back(OpaquePixel(Rgb(40 * (x / kLargura), 0, 0)));
    }
    return Bitmap(faixa);
}

// A cell control that keeps the value and rectangle of every cell it is asked to draw.
class ControleGravado final : public CZTControleCelula {
public:
    struct Desenho {
        QString valor;
        Rect celula;
    };
    void Desenha(Canvas&, const Rect& celula, const String& valor) override { desenhos.push_back({QString(valor), celula}); }
    std::vector<Desenho> desenhos;
};

// Two columns over three rows: column 0 shows the mark control with the value row % 2, column 1
// a control id nobody registered.
class VistaMarcas final : public CZTBrowserView {
public:
    VistaMarcas() { GetGrid().SetNumeroColunas(2); }
    void OnInitialUpdate() override {
        CZTBrowserView::OnInitialUpdate();
        GetGrid().SetNumeroLinhas(3);
    }
    CZTInfoColuna GetInformacaoColuna(int coluna) override { return {coluna == 0 ? "Marca" : "Outro", 0, 60, 10, 0}; }
    BOOL OnLoadCellStyle(ROWCOL linha, ROWCOL coluna, CZTEstiloCelula& estilo) override {
        estilo.SetValue(coluna == 0 ? (linha % 2 ? "1" : "0") : "7");
        estilo.SetControl(coluna == 0 ? kControleMarca : kControleMarca + 1);
        return TRUE;
    }
};

}  // namespace

class CellTest : public QObject {
    Q_OBJECT

private slots:
    void bitmapCellDrawsPictureN_data() {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<int>("imagem");
        QTest::newRow("first picture") << "0" << 0;
        QTest::newRow("second picture") << "1" << 1;
        // Values past the strip, or no number at all, draw nothing (never a neighbour's picture).
        QTest::newRow("past the strip") << "2" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("not a number") << "x" << -1;
        QTest::newRow("number and more") << "1a" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void bitmapCellDrawsPictureN() {
        QFETCH(QString, valor);
        QFETCH(int, imagem);
        CZTBitmapCell celula;
        QVERIFY(celula.Cria(Faixa(2), 2));
        QCOMPARE(celula.GetNumeroImagens(), 2);
        framework::testing::RecordingCanvas papel;
        framework::testing::ObservingCanvas canvas(papel);
        celula.Desenha(canvas, {100, 20, 160, 40}, valor.toLatin1().constData());
        if (imagem < 0) {
            QVERIFY(canvas.images.empty());
            return;
        }
        QCOMPARE(canvas.images.size(), std::size_t{1});
        // At the cell's left, centred in its height.
        QCOMPARE(canvas.images[0].at, (Point{100, 24}));
        QCOMPARE(canvas.images[0].source, (Rect{imagem * kLargura, 0, (imagem + 1) * kLargura, kAltura}));
    }

    // A count that cuts no picture, or a missing bitmap resource, leaves nothing to draw.
    void bitmapCellRefusesWhatItCannotCut() {
        CZTBitmapCell celula;
        QCOMPARE(celula.Cria(Faixa(2), 0), FALSE);
        QCOMPARE(celula.Cria(Faixa(2), 40), FALSE);
        QCOMPARE(celula.Cria(9999, 2), FALSE);
    }

    // The grid draws the cells of a registered id through its control, with each cell's text and
    // place; an id without a control stays text.
    void gridDrawsRegisteredCellsThroughTheirControl() {
        Wnd janela;
        QVERIFY(janela.Create(nullptr, 0, {0, 0, 300, 200}));
        auto* vista = new VistaMarcas;
        QVERIFY(vista->Create(&janela, 1, {0, 0, 300, 200}));
        vista->OnInitialUpdate();
        ControleGravado marcas;
        vista->GetGrid().RegistraControleCelula(kControleMarca, marcas);
        janela.ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(janela.GetWidget()));
        auto* tabela = static_cast<QTableView*>(vista->GetGrid().GetWidget());
        tabela->viewport()->grab();
        QTRY_VERIFY(marcas.desenhos.size() >= 3);
        std::vector<QString> valores(3);
        for (const ControleGravado::Desenho& desenho : marcas.desenhos) {
            const QRect celula(desenho.celula.left, desenho.celula.top, desenho.celula.Width(), desenho.celula.Height());
            const QModelIndex index = tabela->indexAt(celula.center());
            QCOMPARE(index.column(), 0);
            QCOMPARE(tabela->visualRect(index), celula);
            valores[static_cast<std::size_t>(index.row())] = desenho.valor;
        }
        QCOMPARE(valores, (std::vector<QString>{"1", "0", "1"}));
        QCOMPARE(tabela->model()->index(0, 1).data().toString(), QString("7"));
    }
};

QTEST_MAIN(CellTest)
#include "cell_test.moc"
