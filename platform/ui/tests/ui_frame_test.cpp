// A frame's placement and its static splitters, offscreen: the placement read back as it was set,
// a rectangle off every screen brought onto one, the panes' ids, a splitter inside another's pane,
// a pane holding a plain window, and the rows' and columns' sizes.
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/splitter_wnd.h"
#include "platform/ui/document/view.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>
#include <QWidget>

using namespace platform;
using namespace platform::ui;

namespace {

const auto kNovaView = [] { return new View; };

Rect RetanguloDe(const Wnd& janela) {
    Rect retangulo;
    janela.GetWindowRect(&retangulo);
    return retangulo;
}

}  // namespace

class UiFrameTest : public QObject {
    Q_OBJECT

    HWND frame_ = nullptr;
    std::unique_ptr<SplitterWnd> externo_;
    std::unique_ptr<SplitterWnd> interno_;

    [[nodiscard]] FrameWnd* Frame() const { return dynamic_cast<FrameWnd*>(Wnd::FromHandle(frame_)); }

    // A shown frame of 600 x 400 whose client area is `splitter`, made by `faz`.
    template <class Faz>
    bool Mostra(Faz faz) {
        auto* frame = new FrameWnd;
        if (!frame->LoadFrame(0)) return false;
        frame_ = frame->GetSafeHwnd();
        if (!faz(*frame)) return false;
        frame->MoveWindow(0, 0, 600, 400);
        frame->ShowWindow(SW_SHOWNORMAL);
        return QTest::qWaitForWindowExposed(frame->GetWidget());
    }

private slots:
    void cleanup() {
        if (FrameWnd* frame = Frame()) frame->DestroyWindow();
        frame_ = nullptr;
        interno_.reset();
        externo_.reset();
    }

    // What SetWindowPlacement was given, GetWindowPlacement gives back.
    void placementReadsBackAsSet_data() {
        QTest::addColumn<int>("comando");
        QTest::newRow("normal") << SW_SHOWNORMAL;
        QTest::newRow("minimised") << SW_SHOWMINIMIZED;
        // The normal rectangle must survive the maximised state.
        QTest::newRow("maximised") << SW_SHOWMAXIMIZED;
    }
    void placementReadsBackAsSet() {
        QFETCH(int, comando);
        QVERIFY(Mostra([](FrameWnd&) { return true; }));
        WINDOWPLACEMENT posicao;
        posicao.showCmd = static_cast<UINT>(comando);
        posicao.rcNormalPosition = {30, 40, 330, 240};
        QVERIFY(Frame()->SetWindowPlacement(&posicao));
        WINDOWPLACEMENT lida;
        QVERIFY(Frame()->GetWindowPlacement(&lida));
        QCOMPARE(static_cast<int>(lida.showCmd), comando);
        QCOMPARE(lida.rcNormalPosition, posicao.rcNormalPosition);
        QVERIFY(Frame()->IsWindowVisible());
    }

    // A placement stored on a screen that is gone must not put the window out of reach.
    void rectangleOffEveryScreenLandsOnTheNearest() {
        QVERIFY(Mostra([](FrameWnd&) { return true; }));
        const QRect tela = QGuiApplication::primaryScreen()->availableGeometry();
        WINDOWPLACEMENT posicao;
        posicao.rcNormalPosition = {tela.right() + 5000, 100, tela.right() + 5300, 300};
        QVERIFY(Frame()->SetWindowPlacement(&posicao));
        WINDOWPLACEMENT lida;
        QVERIFY(Frame()->GetWindowPlacement(&lida));
        const Rect& r = lida.rcNormalPosition;
        QVERIFY(tela.contains(QRect(r.left, r.top, r.Width(), r.Height())));
        QCOMPARE(r.Width(), 300);
        QCOMPARE(r.top, 100);
    }

    // Pane ids follow the original numbering, which stored layouts and programs' ids rely on.
    void paneIdsAndShapes() {
        SplitterWnd splitter;
        QCOMPARE(splitter.IdFromRowCol(0, 0), UINT{0xE900});
        QCOMPARE(splitter.IdFromRowCol(0, 1), UINT{0xE901});
        QCOMPARE(splitter.IdFromRowCol(1, 0), UINT{0xE910});
        QVERIFY(Mostra([](FrameWnd&) { return true; }));
        QCOMPARE(splitter.CreateStatic(Frame(), 2, 2), FALSE);
        QCOMPARE(splitter.CreateStatic(Frame(), 0, 1), FALSE);
        QCOMPARE(splitter.CreateStatic(Frame(), 1, 2), TRUE);
        QCOMPARE(splitter.CreateView(0, 2, kNovaView, {}, nullptr), FALSE);
    }

    // A splitter made in another's pane sits in that pane; a plain window made with a pane's id
    // takes it once the splitter is laid out.
    void splitterInAPaneAndAPlainWindowInAnother() {
        Wnd* simples = nullptr;
        QVERIFY(Mostra([this, &simples](FrameWnd& frame) {
            externo_ = std::make_unique<SplitterWnd>();
            interno_ = std::make_unique<SplitterWnd>();
            if (!externo_->CreateStatic(&frame, 1, 2) || !externo_->CreateView(0, 0, kNovaView, {200, 0}, nullptr)) return false;
            if (!interno_->CreateStatic(externo_.get(), 2, 1, WS_CHILD | WS_VISIBLE, externo_->IdFromRowCol(0, 1))) return false;
            if (!interno_->CreateView(0, 0, kNovaView, {0, 150}, nullptr)) return false;
            simples = new Wnd;
            if (!simples->Create(interno_.get(), interno_->IdFromRowCol(1, 0))) return false;
            frame.SetCentralWnd(*externo_);
            return true;
        }));
        std::unique_ptr<Wnd> dono(simples);
        QCOMPARE(externo_->GetPane(0, 1), static_cast<Wnd*>(interno_.get()));
        QVERIFY(RetanguloDe(*interno_).left >= RetanguloDe(*externo_->GetPane(0, 0)).right);
        QTRY_VERIFY(simples->IsWindowVisible());
        QTRY_VERIFY(RetanguloDe(*simples).top >= RetanguloDe(*interno_->GetPane(0, 0)).bottom);
        QCOMPARE(interno_->GetPane(1, 0), simples);
    }

    // Ideal sizes take at RecalcLayout, the last pane takes a change of the splitter's size, and a
    // pane below its minimum closes.
    void columnSizesFollowTheirIdealAndMinimum() {
        QVERIFY(Mostra([this](FrameWnd& frame) {
            externo_ = std::make_unique<SplitterWnd>();
            if (!externo_->CreateStatic(&frame, 1, 2) || !externo_->CreateView(0, 0, kNovaView, {120, 0}, nullptr) ||
                !externo_->CreateView(0, 1, kNovaView, {0, 0}, nullptr)) {
                return false;
            }
            frame.SetCentralWnd(*externo_);
            return true;
        }));
        int atual = 0;
        int minimo = -1;
        QTRY_VERIFY((externo_->GetColumnInfo(0, atual, minimo), atual == 120));
        QCOMPARE(minimo, 0);
        externo_->SetColumnInfo(0, 170, 20);
        externo_->RecalcLayout();
        QTRY_VERIFY((externo_->GetColumnInfo(0, atual, minimo), atual == 170));
        QCOMPARE(minimo, 20);
        int segunda = 0;
        externo_->GetColumnInfo(1, segunda, minimo);
        Frame()->MoveWindow(0, 0, 700, 400);
        QTRY_VERIFY((externo_->GetColumnInfo(1, atual, minimo), atual == segunda + 100));
        externo_->GetColumnInfo(0, atual, minimo);
        QCOMPARE(atual, 170);
        externo_->GetRowInfo(0, atual, minimo);
        QCOMPARE(atual, RetanguloDe(*externo_).Height());
        externo_->SetColumnInfo(0, 10, 20);
        externo_->RecalcLayout();
        QTRY_VERIFY((externo_->GetColumnInfo(0, atual, minimo), atual == 0));
    }
};

QTEST_MAIN(UiFrameTest)
#include "ui_frame_test.moc"
