// A static splitter: a window cut into a fixed row or column of panes, each holding one child
// window (a view, another splitter, any window), with bars the user drags between them.
//
// The pane at row r, column c holds the splitter's child whose control id is IdFromRowCol(r, c);
// CreateView and a splitter made inside a pane take their pane at once, any other window made with
// a pane's id takes it at the next RecalcLayout. Each row and column keeps an ideal and a minimum
// size: RecalcLayout gives every pane but the last its ideal size (a pane below its minimum is
// closed) and the last one the rest; it runs whenever the splitter's size changes, so that the
// last pane takes the change. Dragging a bar makes the new sizes the ideal ones. Lives as a member of its frame (not on
// the heap by itself); its window goes with the frame's. User-interface thread.
#pragma once

#include "platform/ui/geometry.h"
#include "platform/ui/window/wnd.h"

#include <functional>
#include <vector>

namespace platform::ui {

class View;
struct CreateContext;

// A child window's style bit; static splitters are made WS_CHILD | WS_VISIBLE.
constexpr DWORD WS_CHILD = 0x40000000;

class SplitterWnd : public Wnd {
public:
    SplitterWnd();
    ~SplitterWnd() override;

    // Makes the splitter's window as the child `id` of `parent` (when `parent` is a splitter and
    // `id` one of its panes, inside that pane) with `rows` x `columns` empty panes. One row or one
    // column only (at most 16 panes); FALSE otherwise or when this object has a window.
    BOOL CreateStatic(Wnd* parent, int rows, int columns, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = 0xE900);
    // Makes a view of `viewClass` (through `context`'s document) in pane (row, column) with the
    // ideal size `size`; FALSE when the pane is not one of the splitter's or the view fails.
    BOOL CreateView(int row, int column, const std::function<View*()>& viewClass, Size size,
                    CreateContext* context);

    // The control id of pane (row, column): 0xE900 + row * 16 + column.
    [[nodiscard]] UINT IdFromRowCol(int row, int column) const;
    // The window in pane (row, column); null when the pane is empty or not the splitter's.
    [[nodiscard]] Wnd* GetPane(int row, int column) const;
    [[nodiscard]] int GetRowCount() const { return static_cast<int>(rows_.size()); }
    [[nodiscard]] int GetColumnCount() const { return static_cast<int>(columns_.size()); }

    // A row's or column's current size (as laid out now) and its minimum; both 0 outside the
    // splitter.
    void GetRowInfo(int row, int& current, int& minimum) const;
    void GetColumnInfo(int column, int& current, int& minimum) const;
    // A row's or column's ideal and minimum size, used from the next RecalcLayout.
    void SetRowInfo(int row, int ideal, int minimum);
    void SetColumnInfo(int column, int ideal, int minimum);

    // Puts every child window with a pane's id into its pane and lays the panes out by their
    // ideal sizes.
    void RecalcLayout();

protected:
    // The splitter's size changed: RecalcLayout, so that ideal sizes set meanwhile take.
    void OnSize(UINT type, int cx, int cy) override;

private:
    struct Track {
        int ideal = 0;
        int minimum = 0;
    };

    // The panes' axis: TRUE when the panes lie side by side (one row).
    [[nodiscard]] bool SideBySide() const { return rows_.size() == 1 && columns_.size() > 1; }
    // The pane index of (row, column); -1 outside the splitter.
    [[nodiscard]] int PaneIndex(int row, int column) const;
    // The tracks along the panes' axis.
    [[nodiscard]] std::vector<Track>& Tracks() { return SideBySide() ? columns_ : rows_; }
    [[nodiscard]] const std::vector<Track>& Tracks() const { return SideBySide() ? columns_ : rows_; }
    // The current size of track `index` across (`along` false) or along the panes' axis.
    [[nodiscard]] int CurrentSize(int index, bool along) const;
    // Puts `child` into pane `index` unless it is there already.
    void PlaceInPane(int index, Wnd& child);
    // Every pane but the last keeps its size when the splitter's size changes.
    void LetLastPaneStretch();
    void ApplyIdealSizes();
    void KeepDraggedSizes();

    struct Widgets;
    std::unique_ptr<Widgets> widgets_;
    std::vector<Track> rows_;
    std::vector<Track> columns_;
};

}  // namespace platform::ui
