// Commands on their route (active view, document, frame, application) and the update of their
// user interface.
#include "platform/ui/app/win_app.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/view.h"

#include <QtTest>

#include <memory>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kCommand = 0x8100;

QStringList gWinners;

// Gives each of the route's classes a way to take part from outside.
template <class Base>
class Routed : public Base {
public:
    using Base::MapCommand;
    using Base::MapCommandRange;
    using Base::MapUpdateCommandUI;
    using Base::MapUpdateCommandUIRange;
    void Take(UINT id, const QString& name) {
        MapCommand(id, [name] { gWinners << name; });
    }
};

using RoutedView = Routed<View>;
using RoutedDocument = Routed<Document>;
using RoutedFrame = Routed<FrameWnd>;
using RoutedApp = Routed<WinApp>;

// A frame with one active view over a document, and the application behind them.
struct Route {
    RoutedApp app;
    RoutedDocument* document = new RoutedDocument;
    RoutedFrame* frame = new RoutedFrame;
    RoutedView* view = nullptr;

    Route() {
        CreateContext context{document, [this] { return view = new RoutedView; }};
        frame->LoadFrame(0, &context);
        frame->InitialUpdateFrame(document, FALSE);
    }
    ~Route() {
        document->OnCloseDocument();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace

class CommandTest : public QObject {
    Q_OBJECT

private slots:
    void init() { gWinners.clear(); }

    // The first handler on the route wins; a document's handler hides the frame's, sent or posted.
    void firstHandlerOnTheRouteWins_data() {
        QTest::addColumn<QStringList>("handlers");
        QTest::addColumn<bool>("posted");
        QTest::addColumn<QString>("winner");
        const QStringList all{"view", "document", "frame", "application"};
        for (const bool posted : {false, true}) {
            const char* how = posted ? "posted" : "sent";
            QTest::addRow("view first, %s", how) << all << posted << "view";
            QTest::addRow("document before frame, %s", how) << all.mid(1) << posted << "document";
            QTest::addRow("frame before application, %s", how) << all.mid(2) << posted << "frame";
            QTest::addRow("application last, %s", how) << all.mid(3) << posted << "application";
            QTest::addRow("nobody, %s", how) << QStringList{} << posted << "";
        }
    }
    void firstHandlerOnTheRouteWins() {
        QFETCH(QStringList, handlers);
        QFETCH(bool, posted);
        QFETCH(QString, winner);
        Route route;
        QVERIFY(route.view && route.frame->GetActiveView() == route.view);
        if (handlers.contains("view")) route.view->Take(kCommand, "view");
        if (handlers.contains("document")) route.document->Take(kCommand, "document");
        if (handlers.contains("frame")) route.frame->Take(kCommand, "frame");
        if (handlers.contains("application")) route.app.Take(kCommand, "application");

        if (posted) {
            QVERIFY(route.frame->PostMessage(WM_COMMAND, kCommand));
            QCoreApplication::sendPostedEvents();
        } else {
            QCOMPARE(route.frame->SendMessage(WM_COMMAND, kCommand), LRESULT{winner.isEmpty() ? FALSE : TRUE});
        }
        QCOMPARE(gWinners, winner.isEmpty() ? QStringList{} : QStringList{winner});
    }

    // A range update handler gets the CmdUI of each id of its range, and of no other id.
    void rangeUpdateHandlerSetsExactlyItsRange() {
        Route route;
        QList<UINT> updated;
        route.document->MapUpdateCommandUIRange(101, 103, [&](CmdUI* cmdUI) {
            updated << cmdUI->m_nID;
            cmdUI->Enable(FALSE);
            cmdUI->SetCheck(1);
        });
        for (UINT id = 100; id <= 104; ++id) {
            CmdUI cmdUI(id);
            const bool inRange = id >= 101 && id <= 103;
            QCOMPARE(cmdUI.DoUpdate(*route.frame), inRange ? TRUE : FALSE);
            QCOMPARE(cmdUI.IsEnabled(), !inRange);
            QCOMPARE(cmdUI.GetCheck(), inRange ? 1 : 0);
        }
        QCOMPARE(updated, (QList<UINT>{101, 102, 103}));
    }

    // A range handler learns which id of which range it runs for; a later entry overrides an
    // earlier one for the same id, as a derived class overrides its base.
    void rangeHandlerGetsItsIdAndRange() {
        Route route;
        QList<UINT> seen;
        route.frame->MapCommandRange(200, 209, [&](UINT id, UINT first, UINT last) { seen << id << first << last; });
        route.frame->Take(205, "override");
        route.frame->SendMessage(WM_COMMAND, 203);
        route.frame->SendMessage(WM_COMMAND, 205);
        QCOMPARE(seen, (QList<UINT>{203, 200, 209}));
        QCOMPARE(gWinners, QStringList{"override"});
    }
};

QTEST_MAIN(CommandTest)
#include "ui_command_test.moc"
