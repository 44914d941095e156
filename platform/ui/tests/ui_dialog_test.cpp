// Dialogs made from templates: what DoModal returns, when OnInitDialog runs, where the controls
// are made, and how radios and check boxes keep their checks.
#include "platform/interaction.h"
#include "platform/ui/box/next_dialog.h"
#include "platform/ui/box/shown_window.h"
#include "platform/ui/control/button.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/resource/resources.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QtTest>

#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kTemplate = 300;
constexpr UINT kName = 1001;
constexpr UINT kNotes = 1002;
constexpr UINT kKind = 1003;
constexpr UINT kRadioA = 1011, kRadioB = 1012, kRadioC = 1013, kRadioD = 1014;
constexpr UINT kPrinted = 1020;
constexpr UINT kHiddenPlace = 1050;
constexpr UINT kTabs = 1060;

DialogControl Control(ControlKind kind, UINT id, const char* text, Rect rect, UINT options = 0) {
    DialogControl control;
    control.kind = kind;
    control.id = id;
    control.text = text;
    control.rect = rect;
    control.options = options;
    return control;
}

DialogTemplate Cadastro() {
    DialogTemplate dialog{"Cadastro", {"", 8}, {200, 130}, {}};
    auto& c = dialog.controls;
    c.push_back(Control(ControlKind::Static, 1000, "Nome:", {7, 9, 40, 17}));
    c.push_back(Control(ControlKind::Edit, kName, "", {45, 7, 190, 19}));
    c.push_back(Control(ControlKind::Edit, kNotes, "", {45, 22, 190, 50}, ES_MULTILINE));
    c.push_back(Control(ControlKind::ComboBox, kKind, "", {45, 54, 190, 120}, CBS_DROPDOWNLIST));
    c.push_back(Control(ControlKind::GroupBox, 1010, "Tipo", {7, 68, 100, 110}));
    c.push_back(Control(ControlKind::RadioButton, kRadioA, "A", {12, 78, 50, 88}));
    c.push_back(Control(ControlKind::Static, 1015, "-", {12, 89, 50, 91}));
    c.push_back(Control(ControlKind::RadioButton, kRadioB, "B", {12, 92, 50, 102}));
    c.push_back(Control(ControlKind::RadioButton, kRadioC, "C", {55, 78, 95, 88}));
    c.push_back(Control(ControlKind::RadioButton, kRadioD, "D", {55, 92, 95, 102}));
    c.push_back(Control(ControlKind::CheckBox, kPrinted, "Impresso", {110, 70, 190, 80}, BS_AUTO3STATE));
    c.push_back(Control(ControlKind::PushButton, IDOK, "OK", {110, 112, 150, 126}));
    c.push_back(Control(ControlKind::PushButton, IDCANCEL, "Cancelar", {152, 112, 192, 126}));
    c.push_back(Control(ControlKind::Custom, kHiddenPlace, "", {110, 84, 150, 94}));
    c.push_back(Control(ControlKind::TabControl, kTabs, "", {110, 96, 190, 108}));
    c[5].group = true;  // A starts the first group; the static after it does not end it
    c[8].group = true;  // C starts the second
    c[11].defaultButton = true;
    c[13].hidden = true;
    c[14].disabled = true;
    return dialog;
}

QWidget* WidgetOf(Wnd& dialog, UINT id) { return dialog.GetDlgItem(id)->GetWidget(); }

// Clicks a radio on its circle, which is where it takes clicks.
void ClickRadio(Wnd& dialog, UINT id) {
    QWidget* radio = WidgetOf(dialog, id);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
}

// Records what it sees when initialised, when shown and when a radio reports its click.
class ProbeDialog final : public Dialog {
public:
    ProbeDialog() : Dialog(kTemplate) {}
    QStringList log;

protected:
    BOOL OnInitDialog() override {
        log << QStringLiteral("init visible=%1 controls=%2").arg(IsWindowVisible()).arg(GetDlgItem(kTabs) != nullptr);
        SetDlgItemText(kName, "Maria");
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kRadioB) {
            log << QStringLiteral("B clicked, A=%1 B=%2").arg(IsDlgButtonChecked(kRadioA)).arg(IsDlgButtonChecked(kRadioB));
        }
        return Dialog::OnCommand(wParam, lParam);
    }
};

enum class Ending { EndDialogValue, OkClicked, EscapeInEdit, EnterInEdit, EnterInMultiLineEdit, CloseButton };

}  // namespace

Q_DECLARE_METATYPE(Ending)

class DialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegisterDialog(GetModuleHandle(nullptr), kTemplate, Cadastro()); }
    void init() {
        frame_ = std::make_unique<Wnd>();
        QVERIFY(frame_->Create(nullptr, 0, {0, 0, 640, 480}));
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(frame_->GetWidget()));
    }
    void cleanup() {
        QCOMPARE(ClearDialogHooks(), 0);
        frame_.reset();
    }

    // DoModal's value is EndDialog's; Qt's own Enter and Escape (accept, reject) must not end it.
    void doModalReturnsEndDialogsValue_data() {
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<int>("expected");
        QTest::newRow("EndDialog") << Ending::EndDialogValue << 42;
        QTest::newRow("OK clicked") << Ending::OkClicked << IDOK;
        QTest::newRow("Escape in an edit") << Ending::EscapeInEdit << IDCANCEL;
        QTest::newRow("Enter in an edit") << Ending::EnterInEdit << IDOK;
        QTest::newRow("Enter in a multi-line edit") << Ending::EnterInMultiLineEdit << IDOK;
        QTest::newRow("close button") << Ending::CloseButton << IDCANCEL;
    }
    void doModalReturnsEndDialogsValue() {
        QFETCH(Ending, ending);
        QFETCH(int, expected);
        OnNextDialog(kTemplate, [ending](Wnd& shown) {
            auto& dialog = static_cast<Dialog&>(shown);
            switch (ending) {
                case Ending::EndDialogValue: dialog.EndDialog(42); break;
                case Ending::OkClicked: dialog.GetDlgItem(IDOK)->SendMessage(BM_CLICK); break;
                case Ending::EscapeInEdit: QTest::keyClick(WidgetOf(dialog, kName), Qt::Key_Escape); break;
                case Ending::EnterInEdit: QTest::keyClick(WidgetOf(dialog, kName), Qt::Key_Return); break;
                case Ending::EnterInMultiLineEdit: QTest::keyClick(WidgetOf(dialog, kNotes), Qt::Key_Return); break;
                case Ending::CloseButton: dialog.GetWidget()->close(); return;
            }
            // A key or click that left the dialog open fails the case instead of hanging it.
            if (dialog.IsWindowVisible()) dialog.EndDialog(-2);
        });
        Dialog dialog(kTemplate, frame_.get());
        QCOMPARE(dialog.DoModal(), static_cast<INT_PTR>(expected));
        QVERIFY(!dialog.GetSafeHwnd());
    }

    // The shown-window watcher must hear of a dialog, with its template, before the dialog's hook
    // can end it, so that a wait for a dialog that is answered at once is over too.
    void watcherHearsOfAShownDialogBeforeItsHook() {
        QStringList log;
        const ShownWindowWatcher previous = SetShownWindowWatcher([&log](UINT templateId, Wnd& shown) {
            log << QStringLiteral("shown %1 visible=%2").arg(templateId).arg(shown.IsWindowVisible());
        });
        OnNextDialog(kTemplate, [&log](Wnd& shown) {
            log << "hook";
            static_cast<Dialog&>(shown).EndDialog(IDOK);
        });
        Dialog dialog(kTemplate, frame_.get());
        QCOMPARE(dialog.DoModal(), static_cast<INT_PTR>(IDOK));
        SetShownWindowWatcher(previous);
        QCOMPARE(log, (QStringList{QStringLiteral("shown %1 visible=1").arg(kTemplate), "hook"}));
    }

    // Callers fill the controls in OnInitDialog: they must exist then, and the dialog not show yet.
    void onInitDialogRunsBeforeShow() {
        ProbeDialog dialog;
        OnNextDialog(kTemplate, [&dialog](Wnd&) {
            String name;
            dialog.GetDlgItemText(kName, name);
            dialog.log << QStringLiteral("shown visible=%1 name=%2").arg(dialog.IsWindowVisible()).arg(name.GetString());
            dialog.EndDialog(IDOK);
        });
        QCOMPARE(dialog.DoModal(), static_cast<INT_PTR>(IDOK));
        QCOMPARE(dialog.log, QStringList({"init visible=0 controls=1", "shown visible=1 name=Maria"}));
    }

    // Controls come in the template's order (z and tab order) at their mapped rectangles; a
    // drop-down's rectangle includes its list; the hidden and disabled flags hold.
    void controlsAreMadeInOrderAtMappedRectangles() {
        Dialog dialog;
        QVERIFY(dialog.Create(kTemplate, frame_.get()));
        const DialogTemplate expected = Cadastro();
        const QFontMetrics metrics(dialog.GetWidget()->font());
        const int baseWidth = (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
        Rect units{4, 8, 12, 24};
        dialog.MapDialogRect(&units);
        QCOMPARE(units, (Rect{baseWidth, metrics.height(), 3 * baseWidth, 3 * metrics.height()}));

        QList<QWidget*> inOrder;
        for (const DialogControl& control : expected.controls) {
            QWidget* widget = WidgetOf(dialog, control.id);
            inOrder << widget;
            Rect mapped = control.rect;
            dialog.MapDialogRect(&mapped);
            const QRect made = widget->geometry();
            QCOMPARE(made.topLeft(), QPoint(mapped.left, mapped.top));
            QCOMPARE(made.width(), mapped.Width());
            if (control.kind == ControlKind::ComboBox) {
                QVERIFY(made.height() < mapped.Height());
            } else {
                QCOMPARE(made.height(), mapped.Height());
            }
        }
        QCOMPARE(dialog.GetWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly), inOrder);
        QVERIFY(!dialog.GetDlgItem(kHiddenPlace)->IsWindowVisible());
        QVERIFY(dialog.GetDlgItem(IDOK)->IsWindowVisible());
        QVERIFY(!dialog.GetDlgItem(kTabs)->IsWindowEnabled());
        QVERIFY(dialog.GetDlgItem(kName)->IsWindowEnabled());
    }

    // A click checks its radio and unchecks only its group (up to the next group flag), before
    // the dialog hears of it.
    void radiosAreGroupedByTheGroupFlag() {
        ProbeDialog dialog;
        QVERIFY(dialog.Create(kTemplate, frame_.get()));
        dialog.CheckDlgButton(kRadioA, BST_CHECKED);
        dialog.CheckDlgButton(kRadioC, BST_CHECKED);
        dialog.GetDlgItem(kRadioB)->SendMessage(BM_CLICK);
        QCOMPARE(dialog.log.last(), QStringLiteral("B clicked, A=0 B=1"));
        QCOMPARE(dialog.IsDlgButtonChecked(kRadioC), BST_CHECKED);
        ClickRadio(dialog, kRadioD);
        QCOMPARE(dialog.IsDlgButtonChecked(kRadioC), BST_UNCHECKED);
        QCOMPARE(dialog.IsDlgButtonChecked(kRadioD), BST_CHECKED);
        QCOMPARE(dialog.IsDlgButtonChecked(kRadioB), BST_CHECKED);
        // Clicking the checked radio keeps it checked.
        ClickRadio(dialog, kRadioD);
        QCOMPARE(dialog.IsDlgButtonChecked(kRadioD), BST_CHECKED);
    }

    // A three-state box goes unchecked, checked, indeterminate (Qt's own order differs).
    void threeStateCheckBoxCyclesAsOnTheOriginal() {
        Dialog dialog;
        QVERIFY(dialog.Create(kTemplate, frame_.get()));
        QList<UINT> seen;
        for (int click = 0; click < 3; ++click) {
            dialog.GetDlgItem(kPrinted)->SendMessage(BM_CLICK);
            seen << dialog.IsDlgButtonChecked(kPrinted);
        }
        QCOMPARE(seen, QList<UINT>({BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
    }

private:
    std::unique_ptr<Wnd> frame_;
};

QTEST_MAIN(DialogTest)
#include "ui_dialog_test.moc"
