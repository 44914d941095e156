// The memory timer of a main window: set on the window with its id, gone with it; the check
// warns once per crossing of its bound in the event log and never shows a box.
#include "outside/linkora/zt_check_memory.h"
#include "platform/system/event_log.h"
#include "platform/tests/support/capturing_event_log_writer.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"

#include <QtTest>


using namespace platform;
using namespace platform::ui;
using kelvo::testing::CapturingEventLogWriter;

class CheckMemoryTest : public QObject {
    Q_OBJECT

private slots:
    // The timer must be on the window under our id, and must go when the window does; a window
    // that does not exist gets none.
    void timerLivesOnTheWindow() {
        Wnd semJanela;
        QCOMPARE(ZTSetTimerCheckMemory(nullptr), FALSE);
        QCOMPARE(ZTSetTimerCheckMemory(&semJanela), FALSE);

        Wnd janela;
        QVERIFY(janela.Create(nullptr, 0));
        QCOMPARE(janela.HasTimer(ZT_ID_TIMER_CHECK_MEMORY), FALSE);
        QCOMPARE(ZTSetTimerCheckMemory(&janela), TRUE);
        QCOMPARE(janela.HasTimer(ZT_ID_TIMER_CHECK_MEMORY), TRUE);
        QVERIFY(janela.DestroyWindow());
        QCOMPARE(janela.HasTimer(ZT_ID_TIMER_CHECK_MEMORY), FALSE);
    }

    // Over the bound the check must fail and warn once, not at every tick; under it again, the
    // next crossing warns again. Nothing is ever shown.
    void warnsOncePerCrossing() {
        kelvo::testing::RecordedWindowBoxes caixas;
        CapturingEventLogWriter escritor;
        EventLogWriter* anterior = SetEventLogWriter(&escritor);

        QCOMPARE(ZTCheckMemory(1), FALSE);
        QCOMPARE(ZTCheckMemory(1), FALSE);
        QCOMPARE(escritor.entries.size(), std::size_t{1});
        const EventLogEntry& aviso = escritor.entries.front();
        QCOMPARE(aviso.source, String(ZT_FONTE_CHECK_MEMORY));
        QCOMPARE(aviso.type, EVENTLOG_WARNING_TYPE);
        QCOMPARE(aviso.eventId, ZT_EVENTO_CHECK_MEMORY);
        QCOMPARE(aviso.strings.size(), std::size_t{1});
        QVERIFY(aviso.strings.front().Find("acima do limite de 1 bytes") >= 0);

        QCOMPARE(ZTCheckMemory(), TRUE);
        QCOMPARE(escritor.entries.size(), std::size_t{1});
        QCOMPARE(ZTCheckMemory(1), FALSE);
        QCOMPARE(escritor.entries.size(), std::size_t{2});

        SetEventLogWriter(anterior);
        QVERIFY(caixas.boxes.empty());
    }
};

QTEST_MAIN(CheckMemoryTest)
#include "check_memory_test.moc"
