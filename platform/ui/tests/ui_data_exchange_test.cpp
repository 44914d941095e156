// Data exchange between a dialog's members and its controls, a control object taking over a
// template's control, the controls' update handlers, and a form view's fit to its frame.
#include "platform/interaction.h"
#include "platform/ui/box/shown_window.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/control/edit.h"
#include "platform/ui/dialog/data_exchange.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/document/create_context.h"
#include "platform/ui/document/form_view.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kTemplate = 500;
constexpr UINT kName = 1001, kCount = 1002, kPrinted = 1003, kRadioA = 1004, kRadioB = 1005, kKind = 1006;
constexpr UINT kPlace = 1007, kLabel = 1008;

DialogControl Control(ControlKind kind, UINT id, int row, UINT options = 0) {
    DialogControl control;
    control.kind = kind;
    control.id = id;
    control.rect = {10, row * 14, 120, row * 14 + 12};
    control.tabStop = kind != ControlKind::Static;
    control.options = options;
    return control;
}

DialogTemplate Ficha() {
    DialogTemplate dialog{"Ficha", {"", 8}, {200, 150}, {}};
    auto& c = dialog.controls;
    c.push_back(Control(ControlKind::Edit, kName, 0));
    c.push_back(Control(ControlKind::Edit, kCount, 1));
    c.push_back(Control(ControlKind::CheckBox, kPrinted, 2, BS_AUTOCHECKBOX));
    c.push_back(Control(ControlKind::RadioButton, kRadioA, 3));
    c.push_back(Control(ControlKind::RadioButton, kRadioB, 4));
    c.push_back(Control(ControlKind::ComboBox, kKind, 5, CBS_DROPDOWNLIST));
    c.push_back(Control(ControlKind::Custom, kPlace, 6));
    c.push_back(Control(ControlKind::Static, kLabel, 7));
    c.push_back(Control(ControlKind::PushButton, IDOK, 8));
    c[3].group = true;
    c[5].group = true;
    return dialog;
}

// An edit class of a caller's, which takes over the template's edit.
class UpperEdit final : public Edit {};
// A custom control of a caller's over the template's plain window.
class PlaceWnd final : public Wnd {};

class FichaDialog final : public Dialog {
public:
    FichaDialog() : Dialog(kTemplate) {}

    String name = "Maria";
    int count = 7;
    int printed = BST_CHECKED;
    int radio = 1;
    int kind = 2;
    UpperEdit nameEdit;
    PlaceWnd place;
    bool ended = false;

    void PressOK() { OnOK(); }

protected:
    BOOL OnInitDialog() override {
        auto* combo = static_cast<ComboBox*>(GetDlgItem(kKind));
        for (const char* item : {"Um", "Dois", "Tres"}) combo->AddString(item);
        return Dialog::OnInitDialog();
    }
    void DoDataExchange(DataExchange* pDX) override {
        DDX_Control(pDX, kName, nameEdit);
        DDX_Control(pDX, kPlace, place);
        DDX_Text(pDX, kName, name);
        DDX_Text(pDX, kCount, count);
        DDX_Check(pDX, kPrinted, printed);
        DDX_Radio(pDX, kRadioA, radio);
        DDX_CBIndex(pDX, kKind, kind);
    }
};

String TextOf(Wnd& dialog, UINT id) {
    String text;
    dialog.GetDlgItem(id)->GetWindowText(text);
    return text;
}

// Update handlers for the name (disabled) and the check box (checked) only.
class UpdateTarget final : public CmdTarget {
public:
    UpdateTarget() {
        MapUpdateCommandUI(kName, [](CmdUI* ui) { ui->Enable(FALSE); });
        MapUpdateCommandUI(kPrinted, [](CmdUI* ui) { ui->SetCheck(1); });
    }
};

class FichaView final : public FormView {
public:
    FichaView() : FormView(kTemplate) {}
};

}  // namespace

class DataExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegisterDialog(GetModuleHandle(nullptr), kTemplate, Ficha()); }
    void init() {
        frame_ = std::make_unique<Wnd>();
        QVERIFY(frame_->Create(nullptr, 0, {0, 0, 640, 480}));
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(frame_->GetWidget()));
    }
    void cleanup() { frame_.reset(); }

    // OnInitDialog shows the members; UpdateData(TRUE) reads every kind back; the caller's
    // objects own the template's windows from then on.
    void membersRoundTripThroughTheControls() {
        FichaDialog dialog;
        QVERIFY(dialog.Create(kTemplate, frame_.get()));
        QCOMPARE(QString(TextOf(dialog, kName).GetString()), QStringLiteral("Maria"));
        QCOMPARE(QString(TextOf(dialog, kCount).GetString()), QStringLiteral("7"));
        QCOMPARE(dialog.IsDlgButtonChecked(kPrinted), BST_CHECKED);
        QCOMPARE(dialog.IsDlgButtonChecked(kRadioB), BST_CHECKED);
        QCOMPARE(dialog.IsDlgButtonChecked(kRadioA), BST_UNCHECKED);
        QCOMPARE(static_cast<ComboBox*>(dialog.GetDlgItem(kKind))->GetCurSel(), 2);
        QCOMPARE(dialog.GetDlgItem(kName), static_cast<Wnd*>(&dialog.nameEdit));
        QCOMPARE(dialog.GetDlgItem(kPlace), static_cast<Wnd*>(&dialog.place));
        QCOMPARE(dialog.nameEdit.GetKind(), WindowKind::Edit);
        QVERIFY(dialog.nameEdit.IsTabStop());

        dialog.nameEdit.SetWindowText("Joana");
        dialog.SetDlgItemText(kCount, " -12 ");
        dialog.CheckDlgButton(kPrinted, BST_UNCHECKED);
        dialog.GetDlgItem(kRadioA)->SendMessage(BM_CLICK);
        static_cast<ComboBox*>(dialog.GetDlgItem(kKind))->SetCurSel(0);
        QVERIFY(dialog.UpdateData(TRUE));
        QCOMPARE(QString(dialog.name.GetString()), QStringLiteral("Joana"));
        QCOMPARE(dialog.count, -12);
        QCOMPARE(dialog.printed, int(BST_UNCHECKED));
        QCOMPARE(dialog.radio, 0);
        QCOMPARE(dialog.kind, 0);
    }

    // OnOK with a text that is no integer shows the message once, focuses that edit and keeps
    // the dialog open and the member as it was; a valid integer then ends it.
    void okWithANonNumericIntegerStaysOpen() {
        kelvo::testing::RecordedWindowBoxes boxes;
        FichaDialog dialog;
        QVERIFY(dialog.Create(kTemplate, frame_.get()));
        dialog.SetDlgItemText(kCount, "7a");
        dialog.PressOK();
        QVERIFY(dialog.IsWindowVisible());
        QCOMPARE(dialog.count, 7);
        QCOMPARE(boxes.boxes.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(boxes.boxes[0].text), QString(kNotAnIntegerMessage));
        QCOMPARE(boxes.boxes[0].type, unsigned(MB_ICONEXCLAMATION));
        QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(kCount)->GetWidget());
        QCOMPARE(static_cast<QLineEdit*>(dialog.GetDlgItem(kCount)->GetWidget())->selectedText(), QStringLiteral("7a"));

        dialog.SetDlgItemText(kCount, "8");
        dialog.PressOK();
        QVERIFY(!dialog.IsWindowVisible());
        QCOMPARE(dialog.count, 8);
        QCOMPARE(boxes.boxes.size(), std::size_t{1});
    }

    // Only the ids with a handler change; the others keep their state and text.
    void updateDialogControlsLeavesIdsWithoutHandlersAlone() {
        Dialog dialog;
        QVERIFY(dialog.Create(kTemplate, frame_.get()));
        dialog.SetDlgItemText(kCount, "5");
        dialog.GetDlgItem(kRadioA)->EnableWindow(FALSE);
        UpdateTarget target;
        dialog.UpdateDialogControls(&target, FALSE);
        QVERIFY(!dialog.GetDlgItem(kName)->IsWindowEnabled());
        QCOMPARE(dialog.IsDlgButtonChecked(kPrinted), BST_CHECKED);
        QVERIFY(dialog.GetDlgItem(kCount)->IsWindowEnabled());
        QCOMPARE(QString(TextOf(dialog, kCount).GetString()), QStringLiteral("5"));
        QVERIFY(!dialog.GetDlgItem(kRadioA)->IsWindowEnabled());
        QVERIFY(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        // Asked to, a push button without a handler is disabled.
        dialog.UpdateDialogControls(&target, TRUE);
        QVERIFY(!dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        QVERIFY(dialog.GetDlgItem(kCount)->IsWindowEnabled());
    }

    // The frame is resized so the form's view is its surface's size; shrink-only never grows it.
    void resizeParentToFitFitsTheFrame_data() {
        QTest::addColumn<QSize>("start");
        QTest::addColumn<bool>("shrinkOnly");
        QTest::addColumn<bool>("keepsSize");
        QTest::newRow("larger, shrink only") << QSize(900, 700) << true << false;
        QTest::newRow("smaller, shrink only") << QSize(120, 90) << true << true;
        QTest::newRow("smaller, fit") << QSize(120, 90) << false << false;
    }
    void resizeParentToFitFitsTheFrame() {
        QFETCH(QSize, start);
        QFETCH(bool, shrinkOnly);
        QFETCH(bool, keepsSize);
        auto* frame = new FrameWnd;
        CreateContext context{nullptr, [] { return static_cast<View*>(new FichaView); }};
        QVERIFY(frame->LoadFrame(0, &context));
        frame->GetWidget()->resize(start);
        frame->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(frame->GetWidget()));
        auto* view = static_cast<FichaView*>(frame->GetDlgItem(AFX_IDW_PANE_FIRST));
        QVERIFY(view && view->GetDlgItem(kName));
        const QSize total(view->GetTotalSize().cx, view->GetTotalSize().cy);
        QTRY_COMPARE(view->GetWidget()->size(), start);
        view->ResizeParentToFit(shrinkOnly ? TRUE : FALSE);
        const QSize expected = keepsSize ? start : total;
        QTRY_COMPARE(view->GetWidget()->size(), expected);
        frame->DestroyWindow();
    }

    // A form view is reported to the shown-window watcher with its template when its frame
    // shows it, not when it is made, so that a wait for a form ends once the user can see it.
    void formViewIsReportedWhenShown() {
        std::vector<std::pair<UINT, Wnd*>> shown;
        const ShownWindowWatcher previous = SetShownWindowWatcher([&shown](UINT templateId, Wnd& window) {
            shown.emplace_back(templateId, &window);
        });
        auto* frame = new FrameWnd;
        CreateContext context{nullptr, [] { return static_cast<View*>(new FichaView); }};
        QVERIFY(frame->LoadFrame(0, &context));
        const bool beforeShowing = shown.empty();
        frame->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(frame->GetWidget()));
        SetShownWindowWatcher(previous);
        QVERIFY(beforeShowing);
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown.front().first, kTemplate);
        QCOMPARE(shown.front().second, frame->GetDlgItem(AFX_IDW_PANE_FIRST));
        frame->DestroyWindow();
    }

private:
    std::unique_ptr<Wnd> frame_;
};

QTEST_MAIN(DataExchangeTest)
#include "ui_data_exchange_test.moc"
