// Pictures: bitmaps registered in code, colour mapping, image lists cut from a strip, and a
// window that paints them.
#include "platform/system/library.h"
#include "platform/ui/canvas.h"
#include "platform/ui/draw/bitmap.h"
#include "platform/ui/draw/image_list.h"
#include "platform/ui/draw/system_colours.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/tests/support/screenshot.h"
#include "platform/ui/window/wnd.h"

#include <QApplication>
#include <QPalette>
#include <QtTest>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kStrip = 300;
constexpr int kFrameWidth = 8;
constexpr int kFrames = 3;
constexpr Colour kMask = Rgb(255, 0, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

// Three frames 8x8: a magenta (mask) border, a black dot in the middle, red, green, blue inside.
Colour StripPixel(int x, int y) {
    const int inFrame = x % kFrameWidth;
    if (inFrame == 0 || y == 0 || inFrame == kFrameWidth - 1 || y == 7) return kMask;
    if (inFrame == 4 && y == 4) return kBlack;
    static constexpr Colour kFills[kFrames] = {Rgb(200, 0, 0), Rgb(0, 200, 0), Rgb(0, 0, 200)};
    return kFills[x / kFrameWidth];
}

void RegisterStrip() {
    RegisterBitmap(GetModuleHandle(nullptr), kStrip, {kFrameWidth * kFrames, 8, &StripPixel, {}});
}

// Keeps each picture it is asked to draw, and nothing else.
class PictureRecorder final : public Canvas {
public:
    QList<Rect> sources;
    FontDescription CurrentFont() const override { return {}; }
    void SelectFont(const FontDescription&) override {}
    FontDescription DefaultGuiFont() const override { return {}; }
    int TextHeight() const override { return 0; }
    Size MeasureText(const String&) const override { return {}; }
    Colour TextColour() const override { return 0; }
    void SetTextColour(Colour) override {}
    Point CurrentPosition() const override { return {}; }
    void MoveTo(Point) override {}
    void TextOutAtCurrentPosition(const String&) override {}
    void FillRect(const Rect&, Colour) override {}
    void DrawImage(const Image&, Point, const Rect& source) override { sources << source; }
};

// Paints a caption and every frame of the strip, on the button face.
class StripWnd final : public Wnd {
public:
    ImageList images;

protected:
    void OnPaint(Canvas& canvas) override {
        Rect client;
        GetClientRect(&client);
        canvas.FillRect(client, GetSysColor(COLOR_BTNFACE));
        canvas.MoveTo({10, 30});
        canvas.TextOutAtCurrentPosition("Quadros da tira:");
        for (int index = 0; index < images.GetImageCount(); ++index) images.Draw(canvas, index, {10 + index * 12, 40});
    }
};

// Paints its whole client area red.
class RedWnd final : public Wnd {
protected:
    void OnPaint(Canvas& canvas) override {
        Rect client;
        GetClientRect(&client);
        canvas.FillRect(client, Rgb(255, 0, 0));
    }
};

// Counts the desktop's colour changes it hears of.
class ColourWatch final : public Wnd {
public:
    int changes = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SYSCOLORCHANGE) ++changes;
        return Wnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

class DrawTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegisterStrip(); }

    // An index outside the list must draw nothing (a stale index must not read past the strip).
    void imageListDrawsOnlyItsFrames_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("before the first") << -1 << false;
        QTest::newRow("first") << 0 << true;
        QTest::newRow("last") << kFrames - 1 << true;
        QTest::newRow("past the last") << kFrames << false;
    }
    void imageListDrawsOnlyItsFrames() {
        QFETCH(int, index);
        QFETCH(bool, drawn);
        ImageList images;
        QVERIFY(images.Create(kStrip, kFrameWidth, 0, kMask));
        QCOMPARE(images.GetImageCount(), kFrames);
        PictureRecorder canvas;
        QCOMPARE(images.Draw(canvas, index, {0, 0}), drawn ? TRUE : FALSE);
        const QList<Rect> expected = drawn ? QList<Rect>{{index * kFrameWidth, 0, (index + 1) * kFrameWidth, 8}} : QList<Rect>{};
        QCOMPARE(canvas.sources, expected);
    }

    // A mapped load turns only the chosen colour; a missing bitmap loads nothing.
    void colourMappingAndMissingBitmaps() {
        Bitmap mapped;
        QVERIFY(mapped.LoadMappedBitmap(kStrip, kBlack, Rgb(10, 20, 30)));
        QCOMPARE(mapped.GetSize(), (Size{kFrameWidth * kFrames, 8}));
        QCOMPARE(mapped.GetImage().At(4, 4), OpaquePixel(Rgb(10, 20, 30)));
        QCOMPARE(mapped.GetImage().At(1, 1), OpaquePixel(Rgb(200, 0, 0)));
        QVERIFY(!Bitmap().LoadBitmap(kStrip + 1));
        QVERIFY(!ImageList().Create(kStrip + 1, kFrameWidth, 0, kMask));
    }

    // A window paints through OnPaint on a real canvas: text and the strip's frames show.
    void windowPaintsTheStrip() {
        StripWnd window;
        QVERIFY(window.Create(nullptr, 0));
        QVERIFY(window.images.Create(kStrip, kFrameWidth, 0, kMask));
        QVERIFY(kelvo::testing::SaveScreenshot(*window.GetWidget(), "DrawTest", "windowPaintsTheStrip", QSize(160, 60)));
        const QImage picture = window.GetWidget()->grab().toImage();
        QCOMPARE(picture.pixelColor(11, 41), QColor(200, 0, 0));
        QCOMPARE(picture.pixelColor(10 + 12 + 1, 41), QColor(0, 200, 0));
        // The mask colour is transparent: the border shows the button face.
        const Colour face = GetSysColor(COLOR_BTNFACE);
        QCOMPARE(picture.pixelColor(10, 40), QColor(RedOf(face), GreenOf(face), BlueOf(face)));
    }

    // A parent with WS_CLIPCHILDREN must leave its children's rectangles unpainted, and one
    // without it (or once the flag is taken off) must paint under them.
    void clipChildrenLeavesChildrenOut_data() {
        QTest::addColumn<DWORD>("style");
        QTest::addColumn<DWORD>("removed");
        QTest::addColumn<bool>("paintedUnderChild");
        QTest::newRow("clipping") << WS_CLIPCHILDREN << DWORD{0} << false;
        QTest::newRow("not clipping") << DWORD{0} << DWORD{0} << true;
        QTest::newRow("clipping taken off") << WS_CLIPCHILDREN << WS_CLIPCHILDREN << true;
    }
    void clipChildrenLeavesChildrenOut() {
        QFETCH(DWORD, style);
        QFETCH(DWORD, removed);
        QFETCH(bool, paintedUnderChild);
        RedWnd parent;
        Wnd child;
        QVERIFY(parent.Create(nullptr, 0, {0, 0, 60, 40}, style));
        QVERIFY(child.Create(&parent, 1, {20, 10, 40, 30}));
        parent.ModifyStyle(removed, 0);
        QCOMPARE(parent.GetStyle() & WS_CLIPCHILDREN, style & ~removed);
        const QImage picture = parent.GetWidget()->grab().toImage();
        QCOMPARE(picture.pixelColor(5, 5), QColor(255, 0, 0));
        QCOMPARE(picture.pixelColor(30, 20) == QColor(255, 0, 0), paintedUnderChild);
    }

    // Top-level windows must hear once of a change of the desktop's colours, and the new button
    // face must be read (pictures mapped to it are made again then).
    void colourChangeReachesTopLevelWindows() {
        ColourWatch topLevel;
        ColourWatch child;
        QVERIFY(topLevel.Create(nullptr, 0));
        QVERIFY(child.Create(&topLevel, 1));
        const QPalette previous = QApplication::palette();
        QPalette changed = previous;
        changed.setColor(QPalette::Button, QColor(1, 2, 3));
        QApplication::setPalette(changed);
        QTRY_COMPARE(topLevel.changes, 1);
        QCOMPARE(child.changes, 0);
        QCOMPARE(GetSysColor(COLOR_BTNFACE), Rgb(1, 2, 3));
        QApplication::setPalette(previous);
    }
};

QTEST_MAIN(DrawTest)
#include "ui_draw_test.moc"
