// Controls as their parent and their user see them: the notifications that reach the parent,
// the items, data and selection of a combo box, and what typing may put into an edit.
#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/control/edit.h"

#include <QtTest>

#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

constexpr UINT kButton = 10, kEdit = 11, kOtherEdit = 12, kCombo = 13, kMultiLine = 14, kEditableCombo = 15;

struct Notice {
    UINT id;
    WORD code;
    HWND control;
    friend bool operator==(const Notice&, const Notice&) = default;
};

// A parent that records every WM_COMMAND it gets.
class RecordingParent final : public Wnd {
public:
    std::vector<Notice> notices;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        notices.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return TRUE;
    }
};

enum class Action { ClickButton, SendBmClick, TypeInEdit, SetEditText, LeaveEdit, ChooseInCombo, SetComboSelection };

// Types each character as its own key press, as a keyboard with that character would.
void Type(QWidget* widget, const QString& text) {
    for (const char32_t ch : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&ch, 1), Qt::NoModifier);
    }
}

}  // namespace

Q_DECLARE_METATYPE(Action)

class ControlTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        parent_ = std::make_unique<RecordingParent>();
        QVERIFY(parent_->Create(nullptr, 0, {0, 0, 400, 300}));
        QVERIFY(button_.Create("Gravar", BS_PUSHBUTTON, {10, 10, 90, 34}, parent_.get(), kButton));
        QVERIFY(edit_.Create(0, {10, 40, 190, 62}, parent_.get(), kEdit));
        QVERIFY(otherEdit_.Create(0, {10, 70, 190, 92}, parent_.get(), kOtherEdit));
        QVERIFY(multiLine_.Create(ES_MULTILINE, {10, 100, 190, 160}, parent_.get(), kMultiLine));
        QVERIFY(combo_.Create(CBS_DROPDOWNLIST, {200, 10, 390, 200}, parent_.get(), kCombo));
        QVERIFY(editableCombo_.Create(CBS_DROPDOWN, {200, 40, 390, 200}, parent_.get(), kEditableCombo));
        combo_.AddString("Um");
        combo_.AddString("Dois");
        parent_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowActive(parent_->GetWidget()));
    }
    void cleanup() {
        for (Wnd* control : std::initializer_list<Wnd*>{&button_, &edit_, &otherEdit_, &multiLine_, &combo_, &editableCombo_}) {
            control->DestroyWindow();
        }
        parent_.reset();
    }

    // Each notification reaches the parent once, with the control's id, the code and its handle;
    // what the program does to a combo's selection is no notification.
    void notificationsReachTheParent_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<UINT>("id");
        QTest::addColumn<int>("code");
        QTest::newRow("click") << Action::ClickButton << kButton << int(BN_CLICKED);
        QTest::newRow("BM_CLICK") << Action::SendBmClick << kButton << int(BN_CLICKED);
        QTest::newRow("typing") << Action::TypeInEdit << kEdit << int(EN_CHANGE);
        QTest::newRow("SetWindowText") << Action::SetEditText << kEdit << int(EN_CHANGE);
        QTest::newRow("focus leaves") << Action::LeaveEdit << kEdit << int(EN_KILLFOCUS);
        QTest::newRow("user's choice") << Action::ChooseInCombo << kCombo << int(CBN_SELCHANGE);
        QTest::newRow("SetCurSel") << Action::SetComboSelection << 0u << 0;
    }
    void notificationsReachTheParent() {
        QFETCH(Action, action);
        QFETCH(UINT, id);
        QFETCH(int, code);
        if (action == Action::LeaveEdit) {
            edit_.SetFocus();
            QTRY_VERIFY(edit_.GetWidget()->hasFocus());
        }
        parent_->notices.clear();
        switch (action) {
            case Action::ClickButton: QTest::mouseClick(button_.GetWidget(), Qt::LeftButton); break;
            case Action::SendBmClick: button_.SendMessage(BM_CLICK); break;
            case Action::TypeInEdit: Type(edit_.GetWidget(), "x"); break;
            case Action::SetEditText: edit_.SetWindowText("Maria"); break;
            case Action::LeaveEdit: otherEdit_.SetFocus(); break;
            case Action::ChooseInCombo: QTest::keyClick(combo_.GetWidget(), Qt::Key_Down); break;
            case Action::SetComboSelection: combo_.SetCurSel(1); break;
        }
        std::vector<Notice> expected;
        if (id != 0) expected.push_back({id, static_cast<WORD>(code), parent_->GetDlgItem(id)->GetSafeHwnd()});
        QCOMPARE(parent_->notices, expected);
    }

    // Item data and text stay with their item; indexes outside the list answer CB_ERR and select
    // nothing.
    void comboKeepsItemsAndTheirData() {
        const DWORD_PTR wide = DWORD_PTR{1} << 40;
        QCOMPARE(combo_.SetItemData(0, 100), 0);
        QCOMPARE(combo_.SetItemData(1, wide), 0);
        QCOMPARE(combo_.AddString("Tr\xEAs"), 2);
        QCOMPARE(combo_.GetCount(), 3);
        QCOMPARE(combo_.GetItemData(0), DWORD_PTR{100});
        QCOMPARE(combo_.GetItemData(1), wide);
        QCOMPARE(combo_.GetItemData(2), DWORD_PTR{0});
        QCOMPARE(combo_.SetItemData(3, 1), CB_ERR);
        QCOMPARE(combo_.GetItemData(-1), static_cast<DWORD_PTR>(CB_ERR));
        QCOMPARE(combo_.SetCurSel(2), 2);
        QCOMPARE(combo_.GetCurSel(), 2);
        String text;
        combo_.GetWindowText(text);
        QCOMPARE(text, String("Tr\xEAs"));
        QCOMPARE(combo_.SetCurSel(3), CB_ERR);
        QCOMPARE(combo_.GetCurSel(), CB_ERR);
        // An item's text comes back in the code page, whatever is selected; none outside the list.
        String item;
        QCOMPARE(combo_.GetLBText(2, item), 4);
        QCOMPARE(item, String("Tr\xEAs"));
        QCOMPARE(combo_.GetLBText(3, item), CB_ERR);
        QCOMPARE(item, String("Tr\xEAs"));
    }

    // Filling or refilling a list selects nothing (a dialog that refills a list from another's
    // choice would otherwise see an item chosen that nobody chose), and an edit keeps its text.
    void fillingAComboSelectsNothing() {
        editableCombo_.SetWindowText("livre");
        for (ComboBox* combo : {&combo_, &editableCombo_}) {
            combo->ResetContent();
            QCOMPARE(combo->GetCount(), 0);
            QCOMPARE(combo->AddString("Um"), 0);
            QCOMPARE(combo->AddString("Dois"), 1);
            QCOMPARE(combo->GetCurSel(), CB_ERR);
        }
        String text;
        editableCombo_.GetWindowText(text);
        QCOMPARE(text, String("livre"));
        QCOMPARE(combo_.SetCurSel(1), 1);
        combo_.ResetContent();
        QCOMPARE(combo_.GetCurSel(), CB_ERR);
    }

    // A typed character Windows-1252 cannot hold is refused, never stored as '?'; typing stops at
    // the text limit.
    void typingKeepsToTheCodePageAndTheLimit_data() {
        QTest::addColumn<UINT>("id");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");
        const QString outside = QString::fromUtf8("a\u20AC\u03A9b\U0001F600");
        QTest::newRow("edit") << kEdit << 0 << outside << QByteArray("a\x80" "b");
        QTest::newRow("multi-line edit") << kMultiLine << 0 << outside << QByteArray("a\x80" "b");
        QTest::newRow("editable combo") << kEditableCombo << 0 << outside << QByteArray("a\x80" "b");
        QTest::newRow("edit's limit") << kEdit << 3 << QString("abcd") << QByteArray("abc");
        QTest::newRow("combo's limit") << kEditableCombo << 2 << QString("abc") << QByteArray("ab");
    }
    void typingKeepsToTheCodePageAndTheLimit() {
        QFETCH(UINT, id);
        QFETCH(int, limit);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);
        edit_.SetLimitText(static_cast<UINT>(limit));
        editableCombo_.LimitText(limit);
        Wnd* control = parent_->GetDlgItem(id);
        Type(control->GetWidget(), typed);
        String text;
        control->GetWindowText(text);
        QCOMPARE(QByteArray(text.GetString()), expected);
    }

    // The limit bounds typing only: a text the program sets stays whole. Multi-line text reads
    // with the "\r\n" line ends the callers expect.
    void programTextIsKeptWhole() {
        edit_.SetLimitText(3);
        edit_.SetWindowText("abcdef");
        String text;
        edit_.GetWindowText(text);
        QCOMPARE(text, String("abcdef"));
        multiLine_.SetWindowText("um\r\ndois");
        multiLine_.GetWindowText(text);
        QCOMPARE(text, String("um\r\ndois"));
    }

private:
    std::unique_ptr<RecordingParent> parent_;
    Button button_;
    Edit edit_;
    Edit otherEdit_;
    Edit multiLine_;
    ComboBox combo_;
    ComboBox editableCombo_;
};

QTEST_MAIN(ControlTest)
#include "ui_control_test.moc"
