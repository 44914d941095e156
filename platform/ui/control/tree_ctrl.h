// A tree control: items with a text, two picture indexes (plain and selected) and a 32-bit data
// value, each named by a handle.
//
// A handle names its item while the item lives and is never given to another item, so a handle
// kept after a deletion names nothing (every call on it fails or answers null). Items go under a
// parent (TVI_ROOT for a top-level item) after a sibling, first or last. One item at most is
// selected; before the selection moves, by the user or by SelectItem, the owner's changing
// handler may keep it where it is; after it moved, the changed handler hears of it (also when a
// deletion moved it). Pictures come from an image list the caller keeps alive. User-interface
// thread.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/window/wnd.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace platform::ui {

class ImageList;

struct TreeItemTag;
using HTREEITEM = TreeItemTag*;

// Insertion places and the root, with their values on the original platform.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));

// Window styles of a tree; of these only TVS_LINESATROOT changes how it looks here (buttons on
// the top-level items); the others are how the tree always looks.
constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;
constexpr DWORD TVS_FULLROWSELECT = 0x1000;

// Expand's actions.
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

// SetImageList's kind.
constexpr int TVSIL_NORMAL = 0;

class TreeCtrl : public Wnd {
public:
    // Before the selection moves from `from` to `to` (either may be null): TRUE keeps it.
    using SelectionChanging = std::function<BOOL(HTREEITEM from, HTREEITEM to)>;
    // After the selection moved from `from` to `to` (`from` may name a deleted item).
    using SelectionChanged = std::function<void(HTREEITEM from, HTREEITEM to)>;

    TreeCtrl();
    ~TreeCtrl() override;

    // Creates the tree as a child of `parent` with control id `id`; FALSE when this object has a
    // window already or the parent has none.
    BOOL Create(DWORD style, const Rect& rect, Wnd* parent, UINT id);
    // Adds and removes TVS_ styles.
    void ModifyStyle(DWORD remove, DWORD add);
    [[nodiscard]] DWORD GetStyle() const;

    // The owner's selection handlers; either may be empty.
    void SetSelectionHandlers(SelectionChanging changing, SelectionChanged changed);

    // Inserts an item under `parent` (TVI_ROOT: top level) after the sibling `after` (or
    // TVI_FIRST, TVI_LAST); its data is 0. Null when the parent or the sibling is not an item of
    // this tree (a sibling must be a child of `parent`).
    HTREEITEM InsertItem(const char* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    // Deletes the item with everything under it (TVI_ROOT: every item); FALSE for no item.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    // The number of items.
    [[nodiscard]] UINT GetCount() const;

    // Text, data and pictures of an item; the setters answer FALSE, the getters empty values,
    // for no item.
    [[nodiscard]] String GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, const char* text);
    [[nodiscard]] DWORD GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD data);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    // The pictures of the items (null: none); returns the list it had. The caller keeps the list.
    ImageList* SetImageList(ImageList* images, int kind = TVSIL_NORMAL);

    // Navigation; null when there is no such item.
    [[nodiscard]] HTREEITEM GetRootItem() const;
    [[nodiscard]] HTREEITEM GetParentItem(HTREEITEM item) const;
    [[nodiscard]] HTREEITEM GetChildItem(HTREEITEM item) const;
    [[nodiscard]] HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    // The first item, depth first from the first top-level item (an item, then its children,
    // then its following siblings), for which `matches` holds; null when none does.
    [[nodiscard]] HTREEITEM FindItemDepthFirst(const std::function<bool(HTREEITEM)>& matches) const;

    // Expands, collapses or toggles the item's children; FALSE for no item.
    BOOL Expand(HTREEITEM item, UINT action);
    // Expands the item's parents and scrolls it into view; FALSE for no item.
    BOOL EnsureVisible(HTREEITEM item);
    // Selects the item (null: none); FALSE for no item or when the changing handler kept the
    // selection.
    BOOL SelectItem(HTREEITEM item);
    [[nodiscard]] HTREEITEM GetSelectedItem() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform::ui
