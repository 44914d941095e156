#include "platform/ui/bar/status_bar.h"

#include "platform/ui/bar/lock_keys.h"
#include "platform/ui/bar/status_bar_widget.h"
#include "platform/ui/bar/text_fit.h"
#include "platform/ui/draw/scratch_canvas.h"
#include "platform/ui/draw/system_colours.h"
#include "platform/ui/resource/resources.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace platform::ui {

namespace {

// A pane's sunken edge, the space between two panes and the space above the panes.
constexpr int kEdge = 1;
constexpr int kGap = 2;
constexpr int kTopMargin = 2;

constexpr Colour kShadow = Rgb(128, 128, 128);
constexpr Colour kHighlight = Rgb(255, 255, 255);
constexpr Colour kText = Rgb(0, 0, 0);

bool HasBorders(UINT style) { return (style & SBPS_NOBORDERS) == 0; }

bool IsIndicator(UINT id) { return id == ID_INDICATOR_CAPS || id == ID_INDICATOR_NUM || id == ID_INDICATOR_SCRL; }

int OuterWidth(UINT style, int width) { return std::max(width, 0) + (HasBorders(style) ? 2 * kEdge : 0); }

void DrawSunkenEdge(Canvas& canvas, const Rect& outer) {
    canvas.FillRect({outer.left, outer.top, outer.right, outer.top + kEdge}, kShadow);
    canvas.FillRect({outer.left, outer.top, outer.left + kEdge, outer.bottom}, kShadow);
    canvas.FillRect({outer.left, outer.bottom - kEdge, outer.right, outer.bottom}, kHighlight);
    canvas.FillRect({outer.right - kEdge, outer.top, outer.right, outer.bottom}, kHighlight);
}

// The indicators' texts are the layer's own resources, there for every program that does not
// register texts of its own.
void RegisterIndicatorTexts() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        for (const auto& [id, text] : {std::pair{ID_INDICATOR_CAPS, "CAP"}, std::pair{ID_INDICATOR_NUM, "NUM"},
                                       std::pair{ID_INDICATOR_SCRL, "SCRL"}}) {
            String existing;
            if (!LoadResourceString(id, existing)) RegisterString(GetModuleHandle(nullptr), id, text);
        }
    });
}

Rect ItemOf(UINT style, Rect outer) {
    if (HasBorders(style)) outer.Deflate(kEdge, kEdge);
    return outer;
}

}  // namespace

StatusBar::StatusBar() = default;

StatusBar::~StatusBar() = default;

BOOL StatusBar::Create(Wnd* parent, UINT id) {
    if (GetSafeHwnd() || !parent || !parent->GetWidget()) return FALSE;
    auto* widget = new StatusBarWidget(*this);
    if (!CreateOver(widget, parent, id)) return FALSE;
    widget->AttachTo(*parent->GetWidget());
    RefreshLockStates();
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL StatusBar::SetIndicators(const UINT* ids, int count) {
    RegisterIndicatorTexts();
    std::vector<Pane> panes;
    for (int i = 0; i < count; ++i) {
        Pane pane;
        pane.id = ids[i];
        if (pane.id == ID_SEPARATOR) {
            pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
        } else {
            if (!LoadResourceString(pane.id, pane.text)) return FALSE;
            pane.width = MeasureText(pane.text).cx;
        }
        panes.push_back(std::move(pane));
    }
    panes_ = std::move(panes);
    RefreshLockStates();
    Invalidate();
    return TRUE;
}

int StatusBar::CommandToIndex(UINT id) const {
    const auto found = std::find_if(panes_.begin(), panes_.end(), [id](const Pane& pane) { return pane.id == id; });
    return found == panes_.end() ? -1 : static_cast<int>(found - panes_.begin());
}

UINT StatusBar::GetItemID(int index) const { return IsValidIndex(index) ? panes_[index].id : ID_SEPARATOR; }

void StatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    if (!IsValidIndex(index)) return;
    Pane& pane = panes_[index];
    pane.id = id;
    pane.style = style;
    pane.width = width;
    // Every pane to the right moves: paint them all again.
    Invalidate();
}

void StatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
    const Pane pane = IsValidIndex(index) ? panes_[index] : Pane{};
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

BOOL StatusBar::SetPaneText(int index, const char* text, BOOL update) {
    if (!IsValidIndex(index)) return FALSE;
    panes_[index].text = text;
    if (update) InvalidatePane(index);
    return TRUE;
}

String StatusBar::GetPaneText(int index) const { return IsValidIndex(index) ? panes_[index].text : String(); }

void StatusBar::GetItemRect(int index, Rect* rect) const {
    if (!rect) return;
    if (!IsValidIndex(index)) {
        *rect = {};
        return;
    }
    *rect = ItemOf(panes_[index].style, PaneRects()[index]);
}

void StatusBar::SetWindowText(const char* text) { SetPaneText(0, text); }

void StatusBar::GetWindowText(String& text) const { text = GetPaneText(0); }

Size StatusBar::MeasureText(const String& text) const {
    ScratchCanvas canvas;
    canvas.SelectFont(GetFont());
    return canvas.MeasureText(text);
}

void StatusBar::RedrawPane(int index) {
    if (!IsValidIndex(index) || !GetWidget()) return;
    const Rect outer = PaneRects()[index];
    GetWidget()->repaint(outer.left, outer.top, outer.Width(), outer.Height());
}

void StatusBar::DrawItem(const DrawItemStruct&) {}

void StatusBar::OnPaint(Canvas& canvas) {
    Rect client;
    GetClientRect(&client);
    canvas.FillRect(client, GetSysColor(COLOR_BTNFACE));
    canvas.SelectFont(GetFont());
    const std::vector<Rect> rects = PaneRects();
    for (int i = 0; i < GetCount(); ++i) PaintPane(canvas, i, rects[i]);
}

void StatusBar::OnSize(UINT, int, int) { Invalidate(); }

LRESULT StatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_IDLEUPDATECMDUI) {
        if (RefreshLockStates()) Invalidate();
        return 0;
    }
    return Wnd::WindowProc(message, wParam, lParam);
}

std::vector<Rect> StatusBar::PaneRects() const {
    Rect client;
    GetClientRect(&client);
    int fixed = 0;
    for (const Pane& pane : panes_) {
        if ((pane.style & SBPS_STRETCH) == 0) fixed += OuterWidth(pane.style, pane.width) + kGap;
    }
    std::vector<Rect> rects;
    int x = client.left;
    for (const Pane& pane : panes_) {
        const int outer = (pane.style & SBPS_STRETCH) ? std::max(client.Width() - fixed - kGap, 0)
                                                       : OuterWidth(pane.style, pane.width);
        rects.push_back({x, client.top + kTopMargin, x + outer, client.bottom});
        x += outer + kGap;
    }
    return rects;
}

void StatusBar::PaintPane(Canvas& canvas, int index, const Rect& outer) {
    const Pane& pane = panes_[index];
    if (HasBorders(pane.style)) DrawSunkenEdge(canvas, outer);
    const Rect item = ItemOf(pane.style, outer);
    if (pane.style & SBPS_OWNERDRAW) {
        DrawItem({canvas, item, static_cast<UINT>(index)});
        // The owner may have changed the font; the next pane gets the bar's again.
        canvas.SelectFont(GetFont());
        return;
    }
    PaintPaneText(canvas, pane, item);
}

void StatusBar::PaintPaneText(Canvas& canvas, const Pane& pane, const Rect& item) const {
    if ((pane.style & SBPS_DISABLED) || (IsIndicator(pane.id) && !pane.lockOn)) return;
    canvas.SetTextColour(kText);
    canvas.MoveTo({item.left, item.top + (item.Height() + canvas.TextHeight()) / 2});
    canvas.TextOutAtCurrentPosition(FittingStart(canvas, pane.text, item.Width()));
}

bool StatusBar::RefreshLockStates() {
    bool changed = false;
    for (Pane& pane : panes_) {
        if (!IsIndicator(pane.id)) continue;
        const bool on = IsLockKeyOn(pane.id);
        changed = changed || on != pane.lockOn;
        pane.lockOn = on;
    }
    return changed;
}

void StatusBar::InvalidatePane(int index) {
    const Rect outer = PaneRects()[index];
    InvalidateRect(&outer);
}

}  // namespace platform::ui
