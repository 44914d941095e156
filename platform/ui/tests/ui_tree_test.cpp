// The tree control: handles that die with their items, where inserted items go, deleting a branch,
// the depth-first walk, and the owner keeping the selection where it is.
#include "platform/ui/control/tree_ctrl.h"

#include <QTreeWidget>
#include <QtTest>

#include <set>
#include <vector>

using namespace platform;
using namespace platform::ui;

namespace {

// The texts of `parent`'s children in order (TVI_ROOT: the top-level items).
QStringList ChildTexts(const TreeCtrl& tree, HTREEITEM parent) {
    QStringList texts;
    HTREEITEM child = parent == TVI_ROOT ? tree.GetRootItem() : tree.GetChildItem(parent);
    for (; child; child = tree.GetNextSiblingItem(child)) texts << QString(tree.GetItemText(child).GetString());
    return texts;
}

// Records the selection changes the tree reports, and refuses a move to `kept`.
struct SelectionLog {
    HTREEITEM kept = nullptr;
    std::vector<std::pair<HTREEITEM, HTREEITEM>> asked;
    std::vector<std::pair<HTREEITEM, HTREEITEM>> changed;

    void Attach(TreeCtrl& tree) {
        tree.SetSelectionHandlers(
            [this](HTREEITEM from, HTREEITEM to) {
                asked.emplace_back(from, to);
                return to == kept ? TRUE : FALSE;
            },
            [this](HTREEITEM from, HTREEITEM to) { changed.emplace_back(from, to); });
    }
};

}  // namespace

class TreeTest : public QObject {
    Q_OBJECT

    Wnd* parent_ = nullptr;
    TreeCtrl* tree_ = nullptr;

private slots:
    void init() {
        parent_ = new Wnd;
        QVERIFY(parent_->Create(nullptr, 0, {0, 0, 300, 300}));
        tree_ = new TreeCtrl;
        QVERIFY(tree_->Create(TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS, {0, 0, 300, 300}, parent_, 100));
    }
    void cleanup() {
        delete tree_;
        delete parent_;
    }

    // A handle kept after its item was deleted must name nothing, not a later item.
    void deletedHandlesNameNothing() {
        const HTREEITEM first = tree_->InsertItem("primeiro");
        QVERIFY(tree_->SetItemData(first, 7));
        QVERIFY(tree_->DeleteItem(first));
        const HTREEITEM second = tree_->InsertItem("segundo");
        QVERIFY(second != first);
        QCOMPARE(tree_->GetItemText(first), String());
        QCOMPARE(tree_->GetItemData(first), DWORD{0});
        QCOMPARE(tree_->SetItemText(first, "x"), FALSE);
        QCOMPARE(tree_->SelectItem(first), FALSE);
        QCOMPARE(tree_->DeleteItem(first), FALSE);
        QCOMPARE(tree_->GetCount(), UINT{1});
    }

    // Items must land first, last or right after the given sibling; a sibling of another parent
    // is refused rather than used as a place elsewhere.
    void insertionPlaces() {
        const HTREEITEM root = tree_->InsertItem("Grupos");
        const HTREEITEM b = tree_->InsertItem("02", root);
        tree_->InsertItem("01", root, TVI_FIRST);
        tree_->InsertItem("04", root, TVI_LAST);
        const HTREEITEM c = tree_->InsertItem("03", root, b);
        QCOMPARE(ChildTexts(*tree_, root), (QStringList{"01", "02", "03", "04"}));
        QCOMPARE(tree_->GetParentItem(c), root);
        QCOMPARE(tree_->GetParentItem(root), HTREEITEM{nullptr});
        const HTREEITEM other = tree_->InsertItem("Outro");
        QCOMPARE(tree_->InsertItem("x", other, b), HTREEITEM{nullptr});
        QCOMPARE(ChildTexts(*tree_, TVI_ROOT), (QStringList{"Grupos", "Outro"}));
    }

    // Deleting an item must take its whole branch: no handle under it may stay alive.
    void deleteTakesTheBranch() {
        const HTREEITEM root = tree_->InsertItem("Grupos");
        const HTREEITEM group = tree_->InsertItem("01", root);
        const HTREEITEM child = tree_->InsertItem("01.01", group);
        const HTREEITEM grandChild = tree_->InsertItem("01.01.001", child);
        tree_->InsertItem("02", root);
        QCOMPARE(tree_->GetCount(), UINT{5});
        QVERIFY(tree_->DeleteItem(group));
        QCOMPARE(tree_->GetCount(), UINT{2});
        QCOMPARE(tree_->GetItemText(grandChild), String());
        QCOMPARE(ChildTexts(*tree_, root), QStringList{"02"});
        QVERIFY(tree_->DeleteAllItems());
        QCOMPARE(tree_->GetCount(), UINT{0});
        QCOMPARE(tree_->GetRootItem(), HTREEITEM{nullptr});
    }

    // The walk visits an item, then its children, then its following siblings; a search by data
    // must reach the second top-level item when the first has children.
    void depthFirstWalk() {
        const HTREEITEM a = tree_->InsertItem("a");
        const HTREEITEM a1 = tree_->InsertItem("a1", a);
        tree_->InsertItem("a11", a1);
        tree_->InsertItem("a2", a);
        const HTREEITEM b = tree_->InsertItem("b");
        QVERIFY(tree_->SetItemData(b, 42));
        QStringList visited;
        QCOMPARE(tree_->FindItemDepthFirst([&](HTREEITEM item) {
            visited << QString(tree_->GetItemText(item).GetString());
            return false;
        }),
                 HTREEITEM{nullptr});
        QCOMPARE(visited, (QStringList{"a", "a1", "a11", "a2", "b"}));
        QCOMPARE(tree_->FindItemDepthFirst([&](HTREEITEM item) { return tree_->GetItemData(item) == 42; }), b);
    }

    // The owner's refusal must keep the selection, by a call and by a click, and nothing must be
    // reported as changed then; an allowed move is reported once with both ends.
    void ownerMayKeepTheSelection() {
        const HTREEITEM first = tree_->InsertItem("primeiro");
        const HTREEITEM second = tree_->InsertItem("segundo");
        SelectionLog log;
        log.kept = second;
        log.Attach(*tree_);
        QCOMPARE(tree_->SelectItem(first), TRUE);
        QCOMPARE(log.changed, (std::vector<std::pair<HTREEITEM, HTREEITEM>>{{nullptr, first}}));
        QCOMPARE(tree_->SelectItem(second), FALSE);
        QCOMPARE(tree_->GetSelectedItem(), first);

        parent_->ShowWindow(SW_SHOW);
        QVERIFY(QTest::qWaitForWindowExposed(parent_->GetWidget()));
        auto* widget = static_cast<QTreeWidget*>(tree_->GetWidget());
        const QRect secondRect = widget->visualItemRect(widget->topLevelItem(1));
        log.asked.clear();
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, secondRect.center());
        QVERIFY(!log.asked.empty());
        QCOMPARE(tree_->GetSelectedItem(), first);
        QVERIFY(!widget->topLevelItem(1)->isSelected());
        QCOMPARE(log.changed.size(), std::size_t{1});

        log.kept = nullptr;
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, secondRect.center());
        QCOMPARE(tree_->GetSelectedItem(), second);
        QCOMPARE(log.changed.back(), (std::pair<HTREEITEM, HTREEITEM>{first, second}));
    }

    // Deleting the selected item must move the selection and say so (a view would otherwise keep
    // showing a record whose item is gone).
    void deletingTheSelectedItemReportsTheMove() {
        const HTREEITEM first = tree_->InsertItem("primeiro");
        const HTREEITEM second = tree_->InsertItem("segundo");
        QVERIFY(tree_->SelectItem(second));
        SelectionLog log;
        log.Attach(*tree_);
        QVERIFY(tree_->DeleteItem(second));
        QCOMPARE(tree_->GetSelectedItem(), first);
        QCOMPARE(log.changed, (std::vector<std::pair<HTREEITEM, HTREEITEM>>{{second, first}}));
    }
};

QTEST_MAIN(TreeTest)
#include "ui_tree_test.moc"
