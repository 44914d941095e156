// A status bar: a row of panes along the bottom of a frame, each with an id, a style, a width
// and a text.
//
// The first pane is usually the message pane (id 0): it stretches over the room the others leave
// and shows the bar's window text. Panes with another id show their string resource until someone
// sets their text; the keyboard-lock indicators (ID_INDICATOR_CAPS, _NUM, _SCRL) show theirs only
// while the lock is on. An owner-drawn pane is painted by DrawItem, which derived bars override.
// Widths are those of the text area; a pane with borders gets a one-pixel sunken edge around it.
// Painting happens only in paint events: RedrawPane paints at once from a message handler.
// User-interface thread only.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/canvas.h"
#include "platform/ui/geometry.h"
#include "platform/ui/window/wnd.h"

#include <vector>

namespace platform::ui {

// The control id frames give their status bar.
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
// The separator: a pane without a resource of its own, the message pane when it comes first.
constexpr UINT ID_SEPARATOR = 0;
constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;
constexpr UINT ID_INDICATOR_SCRL = 0xE703;

// Pane styles, with their values on the original platform.
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_OWNERDRAW = 0x1000;
constexpr UINT SBPS_DISABLED = 0x04000000;
constexpr UINT SBPS_STRETCH = 0x08000000;

// What DrawItem gets for one owner-drawn pane.
struct DrawItemStruct {
    Canvas& dc;   // the bar's paint canvas, in the bar's client coordinates, with the bar's font
    Rect rcItem;  // the pane's item rectangle (GetItemRect)
    UINT itemID;  // the pane's index
};

class StatusBar : public Wnd {
public:
    StatusBar();
    ~StatusBar() override;

    // Creates the bar as a visible child of `parent` along its bottom edge (a frame's status bar);
    // FALSE when this object has a window already or there is no parent.
    BOOL Create(Wnd* parent, UINT id = AFX_IDW_STATUS_BAR);

    // Makes one pane per id, in order, each with its string resource as text and its text's
    // width; ID_SEPARATOR makes a borderless stretching pane without text. FALSE, with the panes
    // unchanged, when an id other than ID_SEPARATOR has no string resource.
    BOOL SetIndicators(const UINT* ids, int count);
    [[nodiscard]] int GetCount() const { return static_cast<int>(panes_.size()); }
    // The index of the first pane with `id`; -1 when none has it.
    [[nodiscard]] int CommandToIndex(UINT id) const;
    // The id of pane `index`; ID_SEPARATOR for an index outside the bar.
    [[nodiscard]] UINT GetItemID(int index) const;

    // Sets and reads a pane's id, style and width; an index outside the bar changes nothing and
    // reads as id 0, style 0, width 0.
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    // Sets a pane's text and, when `update`, repaints the pane; FALSE for an index outside the bar.
    BOOL SetPaneText(int index, const char* text, BOOL update = TRUE);
    [[nodiscard]] String GetPaneText(int index) const;

    // The item rectangle of pane `index` in the bar's client coordinates: the area inside its
    // border, the width of its text area. Empty for an index outside the bar.
    void GetItemRect(int index, Rect* rect) const;

    // The message pane's text (the pane of index 0).
    void SetWindowText(const char* text) override;
    void GetWindowText(String& text) const override;

    // The font the bar draws its texts in, and the extent of `text` in it on the screen.
    [[nodiscard]] FontDescription GetFont() const { return {}; }
    [[nodiscard]] Size MeasureText(const String& text) const;

    // Paints pane `index` now: its DrawItem (or text) runs before this returns, when the bar is
    // visible. For message handlers that show a change at once.
    void RedrawPane(int index);

protected:
    // Paints one owner-drawn pane; the default draws nothing.
    virtual void DrawItem(const DrawItemStruct& item);

    void OnPaint(Canvas& canvas) override;
    // Lays the panes out again for the new width.
    void OnSize(UINT type, int cx, int cy) override;
    // WM_IDLEUPDATECMDUI: repaints an indicator whose lock changed.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Pane {
        UINT id = ID_SEPARATOR;
        UINT style = SBPS_NORMAL;
        int width = 0;
        String text;
        bool lockOn = false;  // indicators only: the lock's state when last looked at
    };

    // Every pane's outer rectangle (border included) for the current client width.
    [[nodiscard]] std::vector<Rect> PaneRects() const;
    void PaintPane(Canvas& canvas, int index, const Rect& outer);
    void PaintPaneText(Canvas& canvas, const Pane& pane, const Rect& item) const;
    // Looks at the locks of the indicator panes; true when one changed.
    bool RefreshLockStates();
    void InvalidatePane(int index);
    [[nodiscard]] bool IsValidIndex(int index) const { return index >= 0 && index < GetCount(); }

    std::vector<Pane> panes_;
};

}  // namespace platform::ui
