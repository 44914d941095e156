// The dialog manager's keys on real widgets: the tab order, radio groups, Enter and Escape,
// mnemonics, WM_NEXTDLGCTL's focusing, and the pre-translation walk that brings keys there.
#include "platform/interaction.h"
#include "platform/ui/control/button.h"
#include "platform/ui/control/edit.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/window/virtual_keys.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kForm = 400;      // edits, radios, buttons and a page
constexpr UINT kPage = 401;      // a child dialog inside kForm
constexpr UINT kNoDefault = 402; // no default button
constexpr UINT kName = 1001, kLocked = 1002, kHidden = 1003, kNotes = 1004;
constexpr UINT kRadioA = 1011, kRadioB = 1012, kRadioC = 1013;
constexpr UINT kPrinted = 1020, kSave = 1030, kPageEdit = 1101;

DialogControl Control(ControlKind kind, UINT id, const char* text, bool tabStop, UINT options = 0) {
    DialogControl control;
    control.kind = kind;
    control.id = id;
    control.text = text;
    control.rect = {10, static_cast<int>(id % 100) * 4, 120, static_cast<int>(id % 100) * 4 + 12};
    control.tabStop = tabStop;
    control.options = options;
    return control;
}

DialogTemplate Form() {
    DialogTemplate dialog{"Ficha", {"", 8}, {220, 200}, {}};
    auto& c = dialog.controls;
    c.push_back(Control(ControlKind::Static, 1000, "&Nome:", false));
    c.push_back(Control(ControlKind::Edit, kName, "Maria", true));
    c.push_back(Control(ControlKind::Edit, kLocked, "", true));
    c.push_back(Control(ControlKind::Edit, kHidden, "", true));
    c.push_back(Control(ControlKind::Edit, kNotes, "", true, ES_MULTILINE | ES_WANTRETURN));
    c.push_back(Control(ControlKind::RadioButton, kRadioA, "A", true));
    c.push_back(Control(ControlKind::RadioButton, kRadioB, "B", false));
    c.push_back(Control(ControlKind::RadioButton, kRadioC, "C", false));
    c.push_back(Control(ControlKind::CheckBox, kPrinted, "&Impresso", true, BS_AUTOCHECKBOX));
    c.push_back(Control(ControlKind::PushButton, kSave, "&Gravar", true));
    c.push_back(Control(ControlKind::PushButton, IDOK, "OK", true));
    c.push_back(Control(ControlKind::PushButton, IDCANCEL, "Cancelar", true));
    c[2].disabled = true;
    c[3].hidden = true;
    c[5].group = true;  // the radios are one group, up to the check box
    c[8].group = true;
    c[10].defaultButton = true;
    return dialog;
}

DialogTemplate Page() {
    DialogTemplate page{"", {"", 8}, {100, 40}, {}};
    page.controls.push_back(Control(ControlKind::Edit, kPageEdit, "", true));
    return page;
}

DialogTemplate NoDefault() {
    DialogTemplate dialog = Form();
    dialog.controls[10].defaultButton = false;
    return dialog;
}

// Logs the commands that reach it, and makes its page as a child dialog.
class LoggingDialog final : public Dialog {
public:
    std::vector<UINT> commands;
    Dialog page;

protected:
    BOOL OnInitDialog() override {
        page.Create(kPage, this);
        return Dialog::OnInitDialog();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

QWidget* WidgetOf(Wnd& dialog, UINT id) { return dialog.GetDlgItem(id)->GetWidget(); }

UINT FocusedId(Wnd& dialog) {
    for (Wnd* child : dialog.GetChildWindows()) {
        if (child->GetWidget()->hasFocus() || child->GetWidget()->isAncestorOf(QApplication::focusWidget())) {
            return child->GetDlgCtrlID();
        }
    }
    return 0;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, key, modifiers);
}

// Records each key offered to it and answers as told.
class KeyProbe final : public Wnd {
public:
    KeyProbe(QStringList& log, const char* name, BOOL answer) : log_(log), name_(name), answer_(answer) {}

    BOOL PreTranslateMessage(MSG* pMsg) override {
        log_ << QStringLiteral("%1 %2 %3").arg(name_).arg(pMsg->message, 0, 16).arg(pMsg->wParam, 0, 16);
        return answer_;
    }

private:
    QStringList& log_;
    QString name_;
    BOOL answer_;
};

}  // namespace

class DialogKeysTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        RegisterDialog(GetModuleHandle(nullptr), kForm, Form());
        RegisterDialog(GetModuleHandle(nullptr), kPage, Page());
        RegisterDialog(GetModuleHandle(nullptr), kNoDefault, NoDefault());
    }
    void init() {
        frame_ = std::make_unique<Wnd>();
        QVERIFY(frame_->Create(nullptr, 0, {0, 0, 640, 480}));
        frame_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(frame_->GetWidget()));
        dialog_ = std::make_unique<LoggingDialog>();
    }
    void cleanup() {
        dialog_.reset();
        frame_.reset();
    }

    // Tab and Shift+Tab visit the enabled, visible stops in order with wrap, the radio group
    // once, never the disabled, hidden or non-stop controls nor the page's own edit.
    void tabVisitsTheStopsInOrderWithWrap_data() {
        QTest::addColumn<bool>("backward");
        QTest::addColumn<QList<UINT>>("visited");
        QTest::newRow("Tab") << false << QList<UINT>{kNotes, kRadioA, kPrinted, kSave, IDOK, IDCANCEL, kName, kNotes};
        QTest::newRow("Shift+Tab") << true << QList<UINT>{IDCANCEL, IDOK, kSave, kPrinted, kRadioA, kNotes, kName, IDCANCEL};
    }
    void tabVisitsTheStopsInOrderWithWrap() {
        QFETCH(bool, backward);
        QFETCH(QList<UINT>, visited);
        QVERIFY(dialog_->Create(kForm, frame_.get()));
        dialog_->GotoDlgCtrl(dialog_->GetDlgItem(kName));
        QList<UINT> seen;
        for (qsizetype step = 0; step < visited.size(); ++step) {
            Press(Qt::Key_Tab, backward ? Qt::ShiftModifier : Qt::NoModifier);
            seen << FocusedId(*dialog_);
        }
        QCOMPARE(seen, visited);
        QVERIFY(dialog_->commands.empty());
    }

    // A radio group is one stop that lands on its checked radio; arrows move and check inside it.
    void radioGroupIsOneStopWithArrowsInside() {
        QVERIFY(dialog_->Create(kForm, frame_.get()));
        dialog_->CheckDlgButton(kRadioB, BST_CHECKED);
        dialog_->GotoDlgCtrl(dialog_->GetDlgItem(kNotes));
        Press(Qt::Key_Tab);
        QCOMPARE(FocusedId(*dialog_), kRadioB);
        Press(Qt::Key_Down);
        QCOMPARE(FocusedId(*dialog_), kRadioC);
        QCOMPARE(dialog_->IsDlgButtonChecked(kRadioC), BST_CHECKED);
        QCOMPARE(dialog_->IsDlgButtonChecked(kRadioB), BST_UNCHECKED);
        Press(Qt::Key_Down);  // wraps inside the group
        QCOMPARE(FocusedId(*dialog_), kRadioA);
        Press(Qt::Key_Tab);
        QCOMPARE(FocusedId(*dialog_), kPrinted);
    }

    // Enter runs the focused push button, else the default button, else IDOK; Escape IDCANCEL;
    // a want-return edit keeps Enter as a new line.
    void enterAndEscapeRunTheirCommands_data() {
        QTest::addColumn<UINT>("templateId");
        QTest::addColumn<UINT>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<UINT>>("commands");
        QTest::newRow("Enter on a push button") << kForm << kSave << int(Qt::Key_Return) << QList<UINT>{kSave};
        QTest::newRow("Enter in an edit: the default") << kForm << kName << int(Qt::Key_Return) << QList<UINT>{IDOK};
        QTest::newRow("Enter on a check box: the default") << kForm << kPrinted << int(Qt::Key_Return) << QList<UINT>{IDOK};
        QTest::newRow("Enter without a default: IDOK") << kNoDefault << kName << int(Qt::Key_Return) << QList<UINT>{IDOK};
        QTest::newRow("Enter in a want-return edit") << kForm << kNotes << int(Qt::Key_Return) << QList<UINT>{};
        QTest::newRow("Escape") << kForm << kName << int(Qt::Key_Escape) << QList<UINT>{IDCANCEL};
    }
    void enterAndEscapeRunTheirCommands() {
        QFETCH(UINT, templateId);
        QFETCH(UINT, focus);
        QFETCH(int, key);
        QFETCH(QList<UINT>, commands);
        QVERIFY(dialog_->Create(templateId, frame_.get()));
        dialog_->GotoDlgCtrl(dialog_->GetDlgItem(focus));
        Press(static_cast<Qt::Key>(key));
        QCOMPARE(QList<UINT>(dialog_->commands.begin(), dialog_->commands.end()), commands);
        QCOMPARE(FocusedId(*dialog_), focus);
    }

    // Enter in a want-return edit adds a line; Tab leaves the edit instead of adding a tab.
    void wantReturnEditTakesEnterNotTab() {
        QVERIFY(dialog_->Create(kForm, frame_.get()));
        dialog_->GotoDlgCtrl(dialog_->GetDlgItem(kNotes));
        Press(Qt::Key_X);
        Press(Qt::Key_Return);
        Press(Qt::Key_Y);
        String notes;
        dialog_->GetDlgItemText(kNotes, notes);
        QCOMPARE(QString(notes.GetString()), QStringLiteral("x\r\ny"));
        Press(Qt::Key_Tab);
        QCOMPARE(FocusedId(*dialog_), kRadioA);
        dialog_->GetDlgItemText(kNotes, notes);
        QCOMPARE(QString(notes.GetString()), QStringLiteral("x\r\ny"));
    }

    // A label's mnemonic goes to the next tab stop; a push button's runs it once (Qt's own
    // shortcut must not click it a second time); a check box's checks it. The label keeps its
    // window text and shows the letter underlined, not the '&'.
    void mnemonicsActOnTheirControls() {
        QVERIFY(dialog_->Create(kForm, frame_.get()));
        String label;
        dialog_->GetDlgItemText(1000, label);
        QCOMPARE(QString(label.GetString()), QString("&Nome:"));
        QCOMPARE(qobject_cast<QLabel*>(dialog_->GetDlgItem(1000)->GetWidget())->text(), QString("<u>N</u>ome:"));
        dialog_->GotoDlgCtrl(dialog_->GetDlgItem(kNotes));
        Press(Qt::Key_N, Qt::AltModifier);
        QCOMPARE(FocusedId(*dialog_), kName);
        Press(Qt::Key_G, Qt::AltModifier);
        QCOMPARE(QList<UINT>(dialog_->commands.begin(), dialog_->commands.end()), QList<UINT>{kSave});
        Press(Qt::Key_I, Qt::AltModifier);
        QCOMPARE(FocusedId(*dialog_), kPrinted);
        QCOMPARE(dialog_->IsDlgButtonChecked(kPrinted), BST_CHECKED);
    }

    // WM_NEXTDLGCTL selects an edit's text and moves the default mark to a focused push button
    // and back to the default button when the focus leaves the push buttons.
    void nextDlgCtlSelectsTextAndMovesTheDefaultMark() {
        QVERIFY(dialog_->Create(kForm, frame_.get()));
        auto* ok = static_cast<Button*>(dialog_->GetDlgItem(IDOK));
        auto* save = static_cast<Button*>(dialog_->GetDlgItem(kSave));
        dialog_->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(save->m_hWnd), TRUE);
        QVERIFY(save->HasDefaultMark());
        QVERIFY(!ok->HasDefaultMark());
        dialog_->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog_->GetDlgItem(kName)->m_hWnd), TRUE);
        QCOMPARE(FocusedId(*dialog_), kName);
        QCOMPARE(static_cast<QLineEdit*>(WidgetOf(*dialog_, kName))->selectedText(), QStringLiteral("Maria"));
        QVERIFY(ok->HasDefaultMark());
        QVERIFY(!save->HasDefaultMark());
        dialog_->SendMessage(WM_NEXTDLGCTL, 0, FALSE);  // the next stop
        QCOMPARE(FocusedId(*dialog_), kNotes);
    }

    // A character the dialog has no use for reaches the focused edit.
    void otherKeysReachTheFocusedControl() {
        QVERIFY(dialog_->Create(kForm, frame_.get()));
        dialog_->GotoDlgCtrl(dialog_->GetDlgItem(kName));
        Press(Qt::Key_End);
        Press(Qt::Key_S);
        String name;
        dialog_->GetDlgItemText(kName, name);
        QCOMPARE(QString(name.GetString()), QStringLiteral("Marias"));
    }

    // The walk offers the key from the focused window up its parents and stops at the first
    // TRUE, with Alt as WM_SYSKEYDOWN; a key nobody takes reaches the widget.
    void walkStopsAtTheFirstTakerAndUntakenKeysReachTheWidget() {
        QStringList log;
        KeyProbe top(log, "top", FALSE);
        QVERIFY(top.Create(frame_.get(), 1, {0, 0, 300, 200}));
        KeyProbe middle(log, "middle", TRUE);
        QVERIFY(middle.Create(&top, 2, {0, 0, 300, 200}));
        KeyProbe inner(log, "inner", FALSE);
        QVERIFY(inner.Create(&middle, 3, {0, 0, 300, 200}));
        inner.GetWidget()->setFocusPolicy(Qt::StrongFocus);
        inner.SetFocus();
        Press(Qt::Key_F5, Qt::AltModifier);
        QCOMPARE(log, QStringList({"inner 104 74", "middle 104 74"}));

        log.clear();
        Edit edit;
        QVERIFY(edit.Create(0, {0, 0, 100, 20}, &top, 4));
        edit.SetFocus();
        Press(Qt::Key_Q);
        QCOMPARE(log, QStringList({"top 100 51"}));
        String typed;
        edit.GetWindowText(typed);
        QCOMPARE(QString(typed.GetString()), QStringLiteral("q"));
    }

private:
    std::unique_ptr<Wnd> frame_;
    std::unique_ptr<LoggingDialog> dialog_;
};

QTEST_MAIN(DialogKeysTest)
#include "ui_dialog_keys_test.moc"
