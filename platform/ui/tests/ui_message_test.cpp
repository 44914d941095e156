// Messages between threads and windows: who handles them, on which thread, and what happens to
// a message whose window is gone.
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/message/messages.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"
#include "platform/ui/window/wnd.h"

#include <QCoreApplication>
#include <QtTest>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kAnswer = WM_USER + 1;
constexpr UINT kDestroyYourself = WM_USER + 2;
constexpr UINT kThrowStd = WM_USER + 3;
constexpr UINT kThrowOther = WM_USER + 4;
constexpr UINT kCount = WM_USER + 5;

std::atomic<int> gPayloadsFreed{0};

class CountedPayload final : public MessagePayload {
public:
    ~CountedPayload() override { ++gPayloadsFreed; }
};

// A window that answers 42 on the thread it runs on, destroys itself or throws when asked.
class ProbeWnd final : public Wnd {
public:
    std::thread::id handlerThread;
    int answers = 0;
    int counted = 0;
    int timers = 0;
    UINT_PTR lastTimer = 0;
    // Each WM_SHOWWINDOW's wParam, with whether the window was visible as it came.
    std::vector<std::pair<WPARAM, bool>> showMessages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case kAnswer: handlerThread = std::this_thread::get_id(); ++answers; return 42;
            case kDestroyYourself: DestroyWindow(); return 1;
            case kThrowStd: throw std::runtime_error("falhou");
            case kThrowOther: throw 7;
            case kCount: ++counted; return 0;
            case WM_SHOWWINDOW: showMessages.emplace_back(wParam, IsWindowVisible() != FALSE); return 0;
            default: return Wnd::WindowProc(message, wParam, lParam);
        }
    }
    void OnTimer(UINT_PTR id) override {
        lastTimer = id;
        ++timers;
    }
};

void FlushQueue() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class MessageTest : public QObject {
    Q_OBJECT

private slots:
    void init() { gPayloadsFreed = 0; }
    void cleanup() { FlushQueue(); }

    // A payload must be freed whether its window died before the post or while it waited.
    void payloadOfDeadWindowIsFreed_data() {
        QTest::addColumn<bool>("destroyBeforePosting");
        QTest::newRow("destroyed before the post") << true;
        QTest::newRow("destroyed while queued") << false;
    }
    void payloadOfDeadWindowIsFreed() {
        QFETCH(bool, destroyBeforePosting);
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        const HWND handle = window.m_hWnd;
        if (destroyBeforePosting) window.DestroyWindow();
        const BOOL posted = PostMessage(handle, kCount, 0, 0, std::make_unique<CountedPayload>());
        QCOMPARE(posted, destroyBeforePosting ? FALSE : TRUE);
        window.DestroyWindow();
        FlushQueue();
        QCOMPARE(gPayloadsFreed.load(), 1);
        QCOMPARE(window.counted, 0);
    }

    // A handled message's payload is freed once its handler returns, not leaked nor freed early.
    void payloadIsFreedAfterItsHandler() {
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        QVERIFY(window.PostMessage(kCount, 0, 0, std::make_unique<CountedPayload>()));
        QCOMPARE(gPayloadsFreed.load(), 0);
        QTRY_COMPARE(window.counted, 1);
        QCOMPARE(gPayloadsFreed.load(), 1);
    }

    // A worker's SendMessage must run the handler on the user-interface thread and get its result.
    void sendFromWorkerRunsOnTheUserInterfaceThread() {
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        std::atomic<LRESULT> result{-1};
        std::thread worker([&, handle = window.m_hWnd] { result = SendMessage(handle, kAnswer); });
        QTRY_COMPARE(result.load(), LRESULT{42});
        worker.join();
        QCOMPARE(window.handlerThread, std::this_thread::get_id());
    }

    // A sender must not wait for ever when the window dies before the message runs.
    void sendToWindowDestroyedBeforeItRunsAnswersZero() {
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        std::atomic<bool> returned{false};
        std::atomic<LRESULT> result{-1};
        std::thread worker([&, handle = window.m_hWnd] {
            // Queued in this order, so the window is gone when the sent message comes up.
            PostMessage(handle, kDestroyYourself);
            result = SendMessage(handle, kAnswer);
            returned = true;
        });
        QTRY_VERIFY(returned.load());
        worker.join();
        QCOMPARE(result.load(), LRESULT{0});
        QCOMPARE(window.answers, 0);
        QVERIFY(!IsWindow(window.m_hWnd));
    }

    // Names must map to one number each, whatever their case, in the registered range.
    void registeredMessageNumbers() {
        const UINT first = RegisterWindowMessage("Kelvo.Atualizou");
        QVERIFY(first >= 0xC000 && first <= 0xFFFF);
        QCOMPARE(RegisterWindowMessage("KELVO.ATUALIZOU"), first);
        QCOMPARE(RegisterWindowMessage("kelvo.atualizou"), first);
        const UINT other = RegisterWindowMessage("Kelvo.Fechou");
        QVERIFY(other >= 0xC000 && other != first);
        QCOMPARE(RegisterWindowMessage(""), 0u);
        QCOMPARE(RegisterWindowMessage(nullptr), 0u);
    }

    // A throwing handler must reach the hook, and the loop must go on with the next message.
    void throwingHandlerGoesToTheHook() {
        std::string caught;
        const ExceptionHandler previous = SetExceptionHandler([&](std::exception_ptr exception) {
            try {
                std::rethrow_exception(exception);
            } catch (const std::exception& error) {
                caught = error.what();
            }
        });
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        QVERIFY(window.PostMessage(kThrowStd));
        QVERIFY(window.PostMessage(kCount));
        QTRY_COMPARE(window.counted, 1);
        QCOMPARE(caught, std::string("falhou"));
        SetExceptionHandler(previous);
    }

    // Without a hook the user sees one box: the exception's text, or "Erro" for a non-std one.
    void defaultHookShowsOneBox_data() {
        QTest::addColumn<UINT>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("std::exception") << kThrowStd << "falhou";
        QTest::newRow("anything else") << kThrowOther << "Erro";
    }
    void defaultHookShowsOneBox() {
        QFETCH(UINT, message);
        QFETCH(QString, text);
        kelvo::testing::RecordedWindowBoxes boxes;
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        QCOMPARE(window.SendMessage(message), LRESULT{0});
        QCOMPARE(boxes.boxes.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(boxes.boxes[0].text), text);
        QCOMPARE(boxes.boxes[0].type & MB_ICONMASK, MB_ICONERROR);
    }

    // ShowWindow must tell the window once per change of its own visibility, before the change;
    // a child made without WS_VISIBLE must stay hidden when its parent shows.
    void showWindowTellsTheWindowBeforeEachChange() {
        Wnd parent;
        QVERIFY(parent.Create(nullptr, 0, {0, 0, 50, 50}));
        ProbeWnd child;
        QVERIFY(child.Create(&parent, 1, {0, 0, 10, 10}, 0));
        parent.ShowWindow(SW_SHOW);
        QVERIFY(!child.IsWindowVisible());
        QCOMPARE(child.GetStyle() & WS_VISIBLE, DWORD{0});
        child.ShowWindow(SW_SHOW);
        child.ShowWindow(SW_SHOW);
        QCOMPARE(child.GetStyle() & WS_VISIBLE, WS_VISIBLE);
        child.ShowWindow(SW_HIDE);
        child.ShowWindow(SW_HIDE);
        const std::vector<std::pair<WPARAM, bool>> expected{{TRUE, false}, {FALSE, true}};
        QVERIFY(child.showMessages == expected);
        QVERIFY(parent.GetStyle() & WS_VISIBLE);
    }

    // A timer must reach OnTimer with its id, and stop being one once killed.
    void timerReachesOnTimer() {
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        QCOMPARE(window.SetTimer(7, 1), UINT_PTR{7});
        QTRY_VERIFY(window.timers > 0);
        QCOMPARE(window.lastTimer, UINT_PTR{7});
        QCOMPARE(window.KillTimer(7), TRUE);
        QCOMPARE(window.KillTimer(7), FALSE);
    }

    // A timer with a procedure must call it (handle and id) instead of OnTimer, show as running
    // while it runs, and go with the window.
    void timerProcedureRunsInPlaceOfOnTimer() {
        ProbeWnd window;
        QVERIFY(window.Create(nullptr, 0));
        std::vector<std::pair<HWND, UINT_PTR>> calls;
        QCOMPARE(window.SetTimer(9, 1, [&calls](HWND handle, UINT_PTR id) { calls.emplace_back(handle, id); }), UINT_PTR{9});
        QCOMPARE(window.HasTimer(9), TRUE);
        QCOMPARE(window.HasTimer(7), FALSE);
        QTRY_VERIFY(!calls.empty());
        QCOMPARE(calls.front().first, window.m_hWnd);
        QCOMPARE(calls.front().second, UINT_PTR{9});
        QCOMPARE(window.timers, 0);
        QVERIFY(window.DestroyWindow());
        QCOMPARE(window.HasTimer(9), FALSE);
    }
};

QTEST_MAIN(MessageTest)
#include "ui_message_test.moc"
