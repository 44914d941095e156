// The bitmap animation window: the frames its worker shows, the one worker it keeps, a new cycle
// after a stop, the end of the worker with the window, and what a paint draws.
#include "framework/animation/zt_classe_animacao.h"
#include "framework/animation/zt_wnd_bmp_animate.h"
#include "framework/tests/observing_canvas.h"
#include "framework/tests/recording_canvas.h"
#include "platform/system/auto_reset_event.h"

#include <QtTest>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace platform;
using namespace platform::ui;
using framework::testing::ObservingCanvas;
using framework::testing::RecordingCanvas;

namespace {

constexpr int kLargura = 26;
constexpr int kAltura = 13;
constexpr unsigned kPeriodoCurto = 5;
// Posted by the test after the worker's messages: once handled, every earlier one was.
constexpr UINT kBarreira = WM_USER + 0x200;

// Three frames of 26 x 13.
ImageList TresQuadros() {
    Image strip{3 * kLargura, kAltura, std::vector<std::uint32_t>(3 * kLargura * kAltura, 0xFF000080)};
    ImageList lista;
    lista.Create(Bitmap(strip), kLargura, Rgb(0, 255, 0));
    return lista;
}

// An animation window that keeps the frames its worker announced, in order.
class AnimacaoSonda final : public CWndBmpAnimate {
public:
    std::vector<int> quadros;
    bool barreiraAtingida = false;

    void Pinta(Canvas& canvas) { OnPaint(canvas); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ZTANIMACAO_QUADRO) quadros.push_back(static_cast<std::int16_t>(wParam));
        if (message == kBarreira) {
            barreiraAtingida = true;
            return 0;
        }
        return CWndBmpAnimate::WindowProc(message, wParam, lParam);
    }
};

// Waits until every message the worker posted before now has been handled.
void EsperaMensagensPendentes(AnimacaoSonda& janela) {
    janela.barreiraAtingida = false;
    janela.PostMessage(kBarreira);
    QTRY_VERIFY(janela.barreiraAtingida);
}

}  // namespace

class AnimationTest : public QObject {
    Q_OBJECT

    Wnd pai_;

    void Prepara(AnimacaoSonda& janela) {
        janela.SetImagens(TresQuadros());
        janela.SetPeriodo(kPeriodoCurto);
        QVERIFY(janela.Create(&pai_, 0, {0, 0, kLargura, kAltura}));
    }

private slots:
    void initTestCase() {
        QVERIFY(pai_.Create(nullptr, 0, {0, 0, 200, 40}));
        pai_.ShowWindow(SW_SHOW);
    }

    // Runs first: no window of the class before the main frame registers it, then once is enough.
    void creationWaitsForTheClass() {
        AnimacaoSonda antes;
        QVERIFY(!antes.Create(&pai_, 0, {0, 0, kLargura, kAltura}));
        ZTRegistraClasseAnimacao();
        ZTRegistraClasseAnimacao();
        QVERIFY(ZTClasseAnimacaoRegistrada());
        AnimacaoSonda depois;
        QVERIFY(depois.Create(&pai_, 0, {0, 0, kLargura, kAltura}));
    }

    // From frame 0 the worker goes 1, 2 and wraps to 0, 1: the last image when -1 names it.
    void cyclesThroughEveryFrame() {
        AnimacaoSonda janela;
        Prepara(janela);
        QCOMPARE(janela.Inicia(0, -1), 1);
        QVERIFY(janela.EstaAnimando());
        QVERIFY(janela.IsWindowVisible());
        QTRY_VERIFY(janela.quadros.size() >= 4);
        QCOMPARE(std::vector<int>(janela.quadros.begin(), janela.quadros.begin() + 4), (std::vector<int>{1, 2, 0, 1}));
        QCOMPARE(janela.Para(), 1);
        QVERIFY(!janela.EstaAnimando());
        QVERIFY(!janela.IsWindowVisible());
    }

    // A start after a stop must wake the worker it has, never start a second one.
    void restartKeepsItsWorker() {
        AnimacaoSonda janela;
        Prepara(janela);
        janela.Inicia(0, -1);
        QTRY_VERIFY(!janela.quadros.empty());
        const std::thread::id trabalhador = janela.GetIdTrabalhador();
        QVERIFY(trabalhador != std::thread::id());
        janela.Para();
        EsperaMensagensPendentes(janela);
        janela.quadros.clear();
        janela.Inicia(0, -1);
        QTRY_VERIFY(janela.quadros.size() >= 2);
        QCOMPARE(janela.GetIdTrabalhador(), trabalhador);
    }

    // A cycle of other frames after a stop starts at its first frame; the old counter gave 1.
    void newCycleShowsOnlyItsFrames() {
        AnimacaoSonda janela;
        Prepara(janela);
        janela.Inicia(0, 0);
        QTRY_VERIFY(!janela.quadros.empty());
        janela.Para();
        EsperaMensagensPendentes(janela);
        janela.quadros.clear();
        janela.Inicia(2, 2);
        QTRY_VERIFY(janela.quadros.size() >= 3);
        for (const int quadro : janela.quadros) QCOMPARE(quadro, 2);
    }

    // Destroying the window must end its worker, stopped or running, and not hang.
    void destroyingEndsTheWorker_data() {
        QTest::addColumn<bool>("parada");
        QTest::newRow("stopped") << true;
        QTest::newRow("running") << false;
    }
    void destroyingEndsTheWorker() {
        QFETCH(bool, parada);
        AnimacaoSonda janela;
        Prepara(janela);
        janela.Inicia(0, -1);
        QTRY_VERIFY(!janela.quadros.empty());
        if (parada) janela.Para();
        AutoResetEvent destruida;
        std::thread vigia([&destruida] {
            if (destruida.WaitFor(20000)) return;
            std::fprintf(stderr, "destroying the animation window did not end its worker\n");
            std::abort();
        });
        QVERIFY(janela.DestroyWindow());
        destruida.Set();
        vigia.join();
        QCOMPARE(janela.GetIdTrabalhador(), std::thread::id());
    }

    // Without a window a start only sets the frame: no worker, nothing shown.
    void startBeforeTheWindowOnlySetsTheFrame() {
        AnimacaoSonda janela;
        janela.SetImagens(TresQuadros());
        QCOMPARE(janela.Inicia(2, -1), 1);
        QCOMPARE(janela.GetQuadroAtual(), std::int16_t{2});
        QCOMPARE(janela.GetIdTrabalhador(), std::thread::id());
        QVERIFY(janela.quadros.empty());
    }

    // A paint draws the current frame; a frame outside the list draws nothing; stopped, or
    // without pictures, the window is the button face.
    void paintShowsTheCurrentFrame_data() {
        QTest::addColumn<bool>("comImagens");
        QTest::addColumn<int>("quadro");
        QTest::addColumn<int>("imagemEsperada");
        QTest::addColumn<int>("preenchimentos");
        QTest::newRow("frame 1 of three") << true << 1 << 1 << 0;
        QTest::newRow("frame outside the list") << true << 5 << -1 << 0;
        QTest::newRow("stopped") << true << -1 << -1 << 1;
        QTest::newRow("no pictures") << false << 0 << -1 << 1;
    }
    void paintShowsTheCurrentFrame() {
        QFETCH(bool, comImagens);
        QFETCH(int, quadro);
        QFETCH(int, imagemEsperada);
        QFETCH(int, preenchimentos);
        AnimacaoSonda janela;
        if (comImagens) janela.SetImagens(TresQuadros());
        if (quadro != -1) janela.Inicia(quadro, quadro);
        RecordingCanvas papel;
        ObservingCanvas canvas(papel);
        janela.Pinta(canvas);
        QCOMPARE(static_cast<int>(canvas.fills.size()), preenchimentos);
        if (imagemEsperada < 0) {
            QVERIFY(canvas.images.empty());
            return;
        }
        QCOMPARE(static_cast<int>(canvas.images.size()), 1);
        QCOMPARE(canvas.images[0].source.left, imagemEsperada * kLargura);
        QCOMPARE(canvas.images[0].source.Width(), kLargura);
    }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
