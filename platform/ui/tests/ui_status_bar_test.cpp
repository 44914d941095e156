// The status bar: its panes from the indicator ids, where each pane lies, what owner-drawn panes
// get to draw, and the keyboard locks as the kernel's lights tell them.
#include "platform/system/library.h"
#include "platform/tests/support/test_environment.h"
#include "platform/ui/bar/lock_keys.h"
#include "platform/ui/bar/status_bar.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/resource/resources.h"

#include <QtTest>

#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kPainelDono = 700;
constexpr UINT kPainelTexto = 701;

// A bar that keeps what each owner-drawn pane was given.
class BarSonda final : public StatusBar {
public:
    std::vector<std::pair<UINT, Rect>> desenhos;

protected:
    void DrawItem(const DrawItemStruct& item) override { desenhos.emplace_back(item.itemID, item.rcItem); }
};

int ItemWidth(const StatusBar& bar, int index) {
    Rect item;
    bar.GetItemRect(index, &item);
    return item.Width();
}

}  // namespace

class StatusBarTest : public QObject {
    Q_OBJECT

    FrameWnd* frame_ = nullptr;

    // The message pane, a pane to draw and a pane with a text, in the frame.
    void MakeThreePanes(StatusBar& bar) {
        QVERIFY(bar.Create(frame_));
        const UINT ids[] = {ID_SEPARATOR, kPainelDono, kPainelTexto};
        QVERIFY(bar.SetIndicators(ids, 3));
    }

private slots:
    void initTestCase() {
        RegisterString(GetModuleHandle(nullptr), kPainelDono, " ");
        RegisterString(GetModuleHandle(nullptr), kPainelTexto, "Texto");
    }
    void init() {
        frame_ = new FrameWnd;
        QVERIFY(frame_->LoadFrame(0));
        frame_->MoveWindow(0, 0, 400, 120);
    }
    void cleanup() { frame_->DestroyWindow(); }

    // Panes follow the ids; a pane's text starts as its string, and the message pane is the text.
    void panesFollowTheIndicators() {
        StatusBar bar;
        QVERIFY(bar.Create(frame_));
        const UINT ids[] = {ID_SEPARATOR, kPainelTexto, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
        QVERIFY(bar.SetIndicators(ids, 4));
        QCOMPARE(bar.GetCount(), 4);
        QCOMPARE(bar.CommandToIndex(ID_INDICATOR_NUM), 3);
        QCOMPARE(bar.CommandToIndex(ID_INDICATOR_SCRL), -1);
        QCOMPARE(bar.GetPaneText(1).str(), std::string("Texto"));
        QCOMPARE(bar.GetPaneText(2).str(), std::string("CAP"));
        bar.SetWindowText("Pronto");
        QCOMPARE(bar.GetPaneText(0).str(), std::string("Pronto"));
        UINT id = 0;
        UINT style = 0;
        int width = 0;
        bar.GetPaneInfo(0, id, style, width);
        QCOMPARE(style, SBPS_NOBORDERS | SBPS_STRETCH);
        bar.GetPaneInfo(1, id, style, width);
        QCOMPARE(width, bar.MeasureText("Texto").cx);
    }

    // An id without a string fails and leaves the panes as they were.
    void unknownIdIsRefused() {
        StatusBar bar;
        QVERIFY(bar.Create(frame_));
        const UINT ids[] = {ID_SEPARATOR, kPainelTexto};
        QVERIFY(bar.SetIndicators(ids, 2));
        const UINT unknown[] = {ID_SEPARATOR, 9999};
        QVERIFY(!bar.SetIndicators(unknown, 2));
        QCOMPARE(bar.GetItemID(1), kPainelTexto);
    }

    // Fixed panes keep their widths at the right; the message pane takes what is left, side by side.
    void messagePaneStretches() {
        StatusBar bar;
        MakeThreePanes(bar);
        bar.SetPaneInfo(1, kPainelDono, SBPS_NOBORDERS, 38);
        bar.SetPaneInfo(2, kPainelTexto, SBPS_NORMAL, 50);
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(frame_->GetWidget()));
        Rect client;
        bar.GetClientRect(&client);
        std::vector<Rect> items(3);
        for (int i = 0; i < 3; ++i) bar.GetItemRect(i, &items[i]);
        QCOMPARE(items[1].Width(), 38);
        QCOMPARE(items[2].Width(), 50);
        QVERIFY(items[0].left == 0 && items[0].right <= items[1].left && items[1].right <= items[2].left);
        QVERIFY(items[2].right <= client.right && items[2].right >= client.right - 4);
        const int stretched = items[0].Width();
        frame_->MoveWindow(0, 0, 500, 120);
        QTRY_COMPARE(ItemWidth(bar, 0), stretched + 100);
    }

    // Only owner-drawn panes reach DrawItem, each with its index and item rectangle.
    void ownerDrawnPanesAreDrawnByTheOwner() {
        BarSonda bar;
        MakeThreePanes(bar);
        bar.SetPaneInfo(1, kPainelDono, SBPS_OWNERDRAW, 20);
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(frame_->GetWidget()));
        bar.desenhos.clear();
        bar.RedrawPane(1);
        QVERIFY(!bar.desenhos.empty());
        Rect item;
        bar.GetItemRect(1, &item);
        for (const auto& [index, rect] : bar.desenhos) {
            QCOMPARE(index, 1u);
            QVERIFY(rect == item);
        }
    }

    // A lock reads on when any keyboard's light for it is lit, else off.
    void lockKeysFollowTheLights_data() {
        QTest::addColumn<UINT>("indicator");
        QTest::addColumn<bool>("on");
        QTest::newRow("caps lit on one of two keyboards") << ID_INDICATOR_CAPS << true;
        QTest::newRow("num dark") << ID_INDICATOR_NUM << false;
        QTest::newRow("scroll without a light") << ID_INDICATOR_SCRL << false;
        QTest::newRow("not a lock") << kPainelTexto << false;
    }
    void lockKeysFollowTheLights() {
        QFETCH(UINT, indicator);
        QFETCH(bool, on);
        kelvo::testing::TestEnvironment environment;
        const auto lights = environment.Folder() / "leds";
        kelvo::testing::WriteFile(lights / "input2::capslock" / "brightness", "0\n");
        kelvo::testing::WriteFile(lights / "input5::capslock" / "brightness", "1\n");
        kelvo::testing::WriteFile(lights / "input5::numlock" / "brightness", "0\n");
        QCOMPARE(IsLockKeyOn(indicator, lights), on);
        QVERIFY(!IsLockKeyOn(indicator, environment.Folder() / "none"));
    }
};

QTEST_MAIN(StatusBarTest)
#include "ui_status_bar_test.moc"
