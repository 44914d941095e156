// The tooltip window: where it grows to, the control it stands in for, the parent's clipping
// while it shows, the tab control's page that gives way, and its class registered once.
#include "framework/tests/recording_canvas.h"
#include "framework/tooltip/zt_tip_retangulo.h"
#include "framework/tooltip/zt_tip_wnd.h"
#include "platform/ui/control/static.h"
#include "platform/ui/control/tab_ctrl.h"
#include "platform/ui/draw/scratch_canvas.h"
#include "platform/ui/draw/system_colours.h"
#include "platform/ui/window/window_class.h"

#include <QtTest>

using namespace platform;
using namespace platform::ui;
using framework::testing::RecordingCanvas;

Q_DECLARE_METATYPE(platform::ui::Rect)

namespace platform::ui {

char* toString(const Rect& rect) {
    return QTest::toString(QString("{%1, %2, %3, %4}").arg(rect.left).arg(rect.top).arg(rect.right).arg(rect.bottom));
}

}  // namespace platform::ui

namespace {

constexpr int kLarguraPai = 200;
constexpr int kAlturaPai = 100;
// A file's path: one word that no line break can shorten.
constexpr const char* kCaminho = "contrato-2026.pdf";

// A tip whose painting a test can run on a canvas of its own.
class DicaSonda final : public CZTTipWnd {
public:
    void Pinta(Canvas& canvas) { OnPaint(canvas); }
};

// `janela`'s rectangle in `pai`'s client coordinates.
Rect RetanguloEm(const Wnd& janela, const Wnd& pai) {
    Rect retangulo;
    janela.GetWindowRect(&retangulo);
    pai.ScreenToClient(&retangulo);
    return retangulo;
}

}  // namespace

class TooltipTest : public QObject {
    Q_OBJECT

    // A shown parent of kLarguraPai x kAlturaPai with `style`.
    static bool CriaPai(Wnd& pai, DWORD style = WS_VISIBLE) {
        if (!pai.Create(nullptr, 0, {0, 0, kLarguraPai, kAlturaPai}, style)) return false;
        pai.ShowWindow(SW_SHOW);
        return QTest::qWaitForWindowExposed(pai.GetWidget());
    }

private slots:
    // Runs first. A second tip must find the class and not register it again (a repeated
    // registration fails and throws); the class carries the tooltip's attributes.
    void twoTipsRegisterTheClassOnce() {
        QVERIFY(!GetWndClassInfo("ZT_TOOLTIP_WND"));
        Wnd pai;
        QVERIFY(CriaPai(pai));
        Static rotulo;
        QVERIFY(rotulo.Create("Texto", {10, 10, 60, 26}, &pai, 100));
        CZTTipWnd primeira;
        CZTTipWnd segunda;
        QVERIFY(primeira.Cria(&pai, &rotulo));
        QVERIFY(segunda.Cria(&pai, &rotulo));
        WndClass classe;
        QVERIFY(GetWndClassInfo("zt_tooltip_wnd", &classe));
        QCOMPARE(classe.name.str(), std::string("ZT_TOOLTIP_WND"));
        QCOMPARE(classe.style, CS_SAVEBITS);
        QCOMPARE(classe.background, COLOR_INFOBK + 1);
        QVERIFY(!primeira.IsWindowVisible());
        // A tip already made stays as it is.
        QVERIFY(!primeira.Cria(&pai, &rotulo));
    }

    // Text measured 6 pixels a character, 13 a line, in a parent of 300 x 200.
    void growth_data() {
        QTest::addColumn<Rect>("controle");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<Rect>("esperado");
        // A one-line control may take the room up to the parent's right edge before breaking.
        QTest::newRow("short control widens to the edge") << Rect{10, 10, 60, 23} << "abc def ghi" << Rect{8, 8, 80, 25};
        QTest::newRow("19 high still widens") << Rect{10, 10, 60, 29} << "abc def ghi" << Rect{8, 8, 76, 25};
        // From 20 pixels high the control's width holds and the text breaks into lines.
        QTest::newRow("20 high keeps its width") << Rect{10, 10, 60, 30} << "abc def ghi" << Rect{8, 8, 52, 38};
        // Lines filling the control's height exactly get 4 more pixels to the right.
        QTest::newRow("measured height equals the start") << Rect{10, 10, 60, 36} << "abc def ghi" << Rect{8, 8, 56, 38};
        QTest::newRow("line break of the text") << Rect{10, 10, 60, 23} << "abc\r\ndef" << Rect{8, 8, 28, 38};
        // A word wider than the room passes the right edge: the tip moves left by the overflow.
        QTest::newRow("pulled in from the right") << Rect{250, 10, 290, 23} << "abcdefghijklmn" << Rect{210, 8, 300, 25};
        QTest::newRow("pulled up from the bottom") << Rect{10, 180, 60, 210} << "abc def ghi jkl mno" << Rect{8, 157, 52, 200};
    }
    void growth() {
        QFETCH(Rect, controle);
        QFETCH(QString, texto);
        QFETCH(Rect, esperado);
        RecordingCanvas dc;
        QCOMPARE(ZTRetanguloDica(dc, String(texto.toStdString()), controle, {300, 200}), esperado);
    }

    // A one-line label at the parent's right edge must give a tip wide enough for its text that
    // stays inside the parent; the label hides while the tip shows.
    void oneLineLabelAtTheRightEdgeIsShiftedInside() {
        ScratchCanvas dc;
        const int largura = dc.MeasureText(kCaminho).cx;
        // Wider than the label, narrower than the parent.
        QVERIFY(largura > 50 && largura < kLarguraPai - 20);
        Wnd pai;
        QVERIFY(CriaPai(pai));
        Static rotulo;
        QVERIFY(rotulo.Create(kCaminho, {kLarguraPai - 50, 40, kLarguraPai, 56}, &pai, 100));
        CZTTipWnd dica;
        QVERIFY(dica.Cria(&pai, &rotulo));
        QCOMPARE(RetanguloEm(dica, pai), (Rect{kLarguraPai - 50, 40, kLarguraPai, 56}));
        dica.ShowWindow(SW_SHOW);
        QVERIFY(dica.IsWindowVisible());
        QVERIFY(!rotulo.IsWindowVisible());
        const Rect mostrada = RetanguloEm(dica, pai);
        QCOMPARE(mostrada.right, kLarguraPai);
        QVERIFY(mostrada.left >= 0);
        QVERIFY(mostrada.left < kLarguraPai - 50 - 2);
        QVERIFY(mostrada.Width() >= largura + 2);
        QCOMPARE(mostrada.top, 38);
    }

    // Hiding must show the control again and give the parent back exactly the clipping it had.
    void hidingRestoresTheControlAndTheClipping_data() {
        QTest::addColumn<DWORD>("estilo");
        QTest::newRow("parent clipping its children") << WS_CLIPCHILDREN;
        QTest::newRow("parent not clipping") << DWORD{0};
    }
    void hidingRestoresTheControlAndTheClipping() {
        QFETCH(DWORD, estilo);
        Wnd pai;
        QVERIFY(CriaPai(pai, WS_VISIBLE | estilo));
        Static rotulo;
        QVERIFY(rotulo.Create("Um texto longo demais", {10, 10, 40, 26}, &pai, 100));
        CZTTipWnd dica;
        QVERIFY(dica.Cria(&pai, &rotulo));
        dica.ShowWindow(SW_SHOW);
        QVERIFY(!rotulo.IsWindowVisible());
        QCOMPARE(pai.GetStyle() & WS_CLIPCHILDREN, DWORD{0});
        dica.ShowWindow(SW_HIDE);
        QVERIFY(!dica.IsWindowVisible());
        QVERIFY(rotulo.IsWindowVisible());
        QCOMPARE(pai.GetStyle() & WS_CLIPCHILDREN, estilo);
        // A second round must do the same.
        dica.ShowWindow(SW_SHOW);
        QCOMPARE(pai.GetStyle() & WS_CLIPCHILDREN, DWORD{0});
        dica.ShowWindow(SW_HIDE);
        QCOMPARE(pai.GetStyle() & WS_CLIPCHILDREN, estilo);
    }

    // A control on a page of a tab control must get its tip in the tab control's parent, over
    // the control, so that the tip is not cut to the page; under any other window the page stays
    // the parent.
    void pageOfATabControlGivesWayToItsParent_data() {
        QTest::addColumn<bool>("sobAbas");
        QTest::newRow("page of a tab control") << true;
        QTest::newRow("window in a plain window") << false;
    }
    void pageOfATabControlGivesWayToItsParent() {
        QFETCH(bool, sobAbas);
        Wnd dialogo;
        QVERIFY(CriaPai(dialogo));
        TabCtrl abas;
        Wnd painel;
        QVERIFY(sobAbas ? abas.Create({5, 5, 195, 95}, &dialogo, 10) : painel.Create(&dialogo, 10, {5, 5, 195, 95}));
        Wnd pagina;
        QVERIFY(pagina.Create(sobAbas ? static_cast<Wnd*>(&abas) : &painel, 11, {10, 20, 180, 80}));
        Static rotulo;
        QVERIFY(rotulo.Create("Texto da pagina", {4, 6, 50, 22}, &pagina, 100));
        CZTTipWnd dica;
        QVERIFY(dica.Cria(&pagina, &rotulo));
        QCOMPARE(dica.GetParent(), sobAbas ? &dialogo : &pagina);
        QCOMPARE(RetanguloEm(dica, dialogo), (Rect{19, 31, 65, 47}));
    }

    // The tip must paint the control's current text in black, one pixel inside its border,
    // broken into lines at the tip's width.
    void paintsTheControlsCurrentText() {
        Wnd pai;
        QVERIFY(CriaPai(pai));
        Static rotulo;
        QVERIFY(rotulo.Create("antigo", {10, 10, 40, 26}, &pai, 100));
        DicaSonda dica;
        QVERIFY(dica.Cria(&pai, &rotulo));
        rotulo.SetWindowText("abc def");
        RecordingCanvas dc;
        dc.colour = Rgb(1, 2, 3);
        dica.Pinta(dc);
        const int linha = RecordingCanvas::kDefaultHeight;
        // 30 wide: a 1-pixel border each side and 1 in leave 27, room for "abc" but not "abc def".
        QCOMPARE(dc.runs.size(), std::size_t{2});
        QCOMPARE(dc.runs[0].text, std::string("abc"));
        QCOMPARE(dc.runs[0].colour, Rgb(0, 0, 0));
        QCOMPARE(dc.runs[0].position, (Point{2, 2 + linha}));
        QCOMPARE(dc.runs[1].text, std::string("def"));
        QCOMPARE(dc.runs[1].position, (Point{2, 2 + 2 * linha}));
    }
};

QTEST_MAIN(TooltipTest)
#include "tooltip_test.moc"
