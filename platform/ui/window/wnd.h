// A window: one Qt widget behind the callers' window interface.
//
// A Wnd is created as a top-level window or as the child of a parent Wnd with a control id; from
// then on its handle (m_hWnd) names it to every thread (platform/ui/message/messages.h). Messages
// reach WindowProc, whose default hands the standard ones to the On... handlers; everything the
// layer calls on a window runs inside the dispatch boundary. Painting happens in OnPaint, on a
// canvas that exists only for that paint. DestroyWindow destroys the children first, then the
// window (WM_DESTROY, OnDestroy), then calls PostNcDestroy, where classes that live on the heap
// (frames, views) delete themselves. The object's destructor destroys a window still alive.
// User-interface thread only: a worker keeps a copy of m_hWnd and uses the free SendMessage and
// PostMessage on it.
#pragma once

#include "platform/system/library.h"
#include "platform/text/string.h"
#include "platform/ui/command/cmd_target.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message/key_message.h"
#include "platform/ui/message/messages.h"
#include "platform/ui/window/window_kind.h"
#include "platform/ui/window/window_placement.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace platform::ui {

class Canvas;
class DataExchange;

// ShowWindow's commands, with their values on the original platform.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;

// The window styles the layer keeps, with their values on the original platform.
// WS_VISIBLE: a child is shown once created (a top-level window waits for ShowWindow).
constexpr DWORD WS_VISIBLE = 0x10000000;
// A plain window's painting leaves out its visible children's rectangles.
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;

class Wnd : public CmdTarget {
public:
    Wnd();
    ~Wnd() override;

    // Creates a plain window as a child of `parent` (null: a top-level window) with control id
    // `id` at `rect` (in the parent's client coordinates) and `style` (WS_ bits above); FALSE when
    // this object has a window already.
    BOOL Create(Wnd* parent, UINT id, const Rect& rect = {}, DWORD style = WS_VISIBLE);
    // Destroys the window and its children; FALSE when there is none. A class that keeps
    // something when its window goes overrides it and calls this one last.
    virtual BOOL DestroyWindow();

    // The live window of a handle; null when it is gone.
    [[nodiscard]] static Wnd* FromHandle(HWND window);
    [[nodiscard]] HWND GetSafeHwnd() const { return m_hWnd; }

    [[nodiscard]] UINT GetDlgCtrlID() const { return id_; }
    // The direct child with control id `id`; null when none.
    [[nodiscard]] Wnd* GetDlgItem(UINT id) const;
    [[nodiscard]] Wnd* GetParent() const { return parent_; }
    // The direct children in creation order, which is their z order and their tab order.
    [[nodiscard]] std::vector<Wnd*> GetChildWindows() const;
    // TRUE when `window` is this window's child, grandchild and so on.
    [[nodiscard]] BOOL IsChild(const Wnd* window) const;

    // The module whose template the window was made from (a dialog, a form view), else its
    // nearest ancestor's, else the program's: the module a window belongs to for its help.
    [[nodiscard]] HMODULE GetTemplateModule() const;
    void SetTemplateModule(HMODULE module) { templateModule_ = module; }

    // What the window is, for the callers' class tests; a plain window by default.
    [[nodiscard]] virtual WindowKind GetKind() const { return WindowKind::Window; }
    // A dialog control's tab stop and the start of its group (of radios, of arrow moves); both
    // off unless the template or the caller sets them.
    void SetTabStop(BOOL on) { tabStop_ = on != FALSE; }
    [[nodiscard]] BOOL IsTabStop() const { return tabStop_ ? TRUE : FALSE; }
    void SetGroupStart(BOOL on) { groupStart_ = on != FALSE; }
    [[nodiscard]] BOOL IsGroupStart() const { return groupStart_ ? TRUE : FALSE; }

    // A key on its way to this window or a descendant (platform/ui/message/key_message.h): TRUE
    // takes it. The default takes nothing.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // The dialog manager over this window's own controls (platform/ui/dialog/dialog_manager.h).
    // The next (previous) enabled, visible tab stop after `control` (null: from the start), with
    // wrap, never inside a child dialog; a radio group is one stop that lands on its checked
    // radio. Null when the window has no such stop.
    [[nodiscard]] Wnd* GetNextDlgTabItem(const Wnd* control, BOOL previous = FALSE) const;
    // The next (previous) enabled, visible control of `control`'s group, with wrap; `control`
    // itself when it is alone.
    [[nodiscard]] Wnd* GetNextDlgGroupItem(const Wnd* control, BOOL previous = FALSE) const;
    // Acts on a key for this window's controls (Tab, Enter, Escape, arrows in a group,
    // mnemonics) and hands any other key of this window's on to its widget; TRUE for every key of
    // this window or its descendants, FALSE for anything else.
    BOOL IsDialogMessage(MSG* pMsg);

    // Exchanges the controls' values with the object's members through DoDataExchange: to the
    // controls (FALSE) or back, validated (TRUE); FALSE when a check failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Makes this object the window of the control `id` of `parent`, made from a template by
    // another object, which is left without a window; FALSE when this object has a window or
    // there is no such control.
    BOOL SubclassDlgItem(UINT id, Wnd* parent);
    // Runs `target`'s update handler for each child control's id, on that control; a control
    // without a handler is left alone, but for a push button that is disabled when asked.
    void UpdateDialogControls(CmdTarget* target, BOOL disableIfNoHandler);

    // The window's text (a top-level window's title), Windows-1252.
    virtual void SetWindowText(const char* text);
    virtual void GetWindowText(String& text) const;

    // Enables or disables input; TRUE when the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    [[nodiscard]] BOOL IsWindowEnabled() const;
    // Shows or hides by an SW_ command; TRUE when the window was visible before.
    BOOL ShowWindow(int nCmdShow);
    [[nodiscard]] BOOL IsWindowVisible() const;
    // The kept style bits, with WS_VISIBLE while the window is not hidden itself.
    [[nodiscard]] DWORD GetStyle() const;
    // Takes the bits `remove` off the kept style and puts `add` on (WS_VISIBLE is ShowWindow's),
    // repainting; FALSE without a window or when the style stays the same.
    BOOL ModifyStyle(DWORD remove, DWORD add);
    // Gives the window the keyboard focus.
    void SetFocus();
    // The window that holds the keyboard focus (for a widget inside a control, that control);
    // null when no window of ours has it.
    [[nodiscard]] static Wnd* GetFocus();

    // Asks for the whole client area (or `rect` of it; null: all) to be painted again.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const Rect* rect, BOOL erase = TRUE);

    // The client area, at (0, 0).
    void GetClientRect(Rect* rect) const;
    // The window's rectangle in screen coordinates.
    void GetWindowRect(Rect* rect) const;
    // Turns a rectangle in screen coordinates into this window's client coordinates.
    void ScreenToClient(Rect* rect) const;
    // Moves and sizes the window (in the parent's client coordinates; the screen's for a
    // top-level window).
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const Rect& rect, BOOL repaint = TRUE);
    // A top-level window's show state and normal rectangle; FALSE without a window.
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    // Gives the window the normal rectangle (moved onto the nearest screen when it lies on none)
    // and shows it by the placement's show command; FALSE without a window.
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);

    // SendMessage and PostMessage on this window's handle.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                     std::unique_ptr<MessagePayload> payload = nullptr);

    // Starts (or restarts) timer `id`, which sends WM_TIMER every `milliseconds`; returns `id`,
    // 0 without a window.
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds);
    // The same timer calling `proc` (window handle, id) in place of sending WM_TIMER, as a timer
    // procedure does: for code outside the window's class that keeps a timer on it.
    using TimerProc = std::function<void(HWND window, UINT_PTR id)>;
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds, TimerProc proc);
    // Stops timer `id`; FALSE when it was not running.
    BOOL KillTimer(UINT_PTR id);
    // TRUE while timer `id` runs on this window.
    [[nodiscard]] BOOL HasTimer(UINT_PTR id) const;

    // Sends the message to every descendant window (children first, then theirs).
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The Qt widget behind the window, for the layer's classes that wrap a widget; null before
    // Create and after DestroyWindow.
    [[nodiscard]] QWidget* GetWidget() const;
    // The widget the children's widgets go into: the window's own, or a surface inside it.
    [[nodiscard]] QWidget* GetChildArea() const;

    // The window's handle; null before Create and after DestroyWindow.
    HWND m_hWnd = nullptr;

protected:
    // Handles one message (ShowWindow sends WM_SHOWWINDOW when the window's own visibility is to
    // change). The default sends WM_TIMER to OnTimer, WM_COMMAND to OnCommand,
    // WM_SIZE to OnSize, WM_CLOSE to DestroyWindow, WM_DESTROY to OnDestroy and answers 0 to the
    // rest.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The controls' values and their checks (platform/ui/dialog/data_exchange.h); the default
    // exchanges nothing.
    virtual void DoDataExchange(DataExchange* pDX);
    // This object took over `previous`'s window (SubclassDlgItem): a control class copies what
    // it keeps beside the widget. The default copies nothing.
    virtual void OnTakeOver(Wnd& previous);
    // Paints the window; the default paints nothing.
    virtual void OnPaint(Canvas& canvas);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnSize(UINT type, int cx, int cy);
    // Routes command LOWORD(wParam) through OnCmdMsg; TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // The window is about to go: its children are gone, it is still a window.
    virtual void OnDestroy();
    // The window is gone; the default does nothing.
    virtual void PostNcDestroy();

    // The payload of the posted message being handled; null when it has none. It is freed once
    // the handler returns.
    [[nodiscard]] MessagePayload* GetMessagePayload() const { return payload_; }

    // Creates the window over `widget`, made by a derived class that wraps a Qt widget (the
    // window takes it over; it is deleted with the window). The widget is put under `parent`'s
    // and shown there unless `showChild` is false (a dialog shows itself once it is filled).
    BOOL CreateOver(QWidget* widget, Wnd* parent, UINT id, bool showChild = true);
    // Puts the children's widgets into `area`, a widget inside this window's own (a scrolled
    // surface); by default they go into the window's widget.
    void SetChildArea(QWidget* area);

private:
    friend class WindowEvents;

    // Runs WindowProc for one message inside the dispatch boundary.
    LRESULT Deliver(UINT message, WPARAM wParam, LPARAM lParam, MessagePayload* payload);
    // Paints through OnPaint inside the dispatch boundary (the widget's paint event).
    void Paint(Canvas& canvas);
    void Destroy(bool notify);
    // Turns the widget's events into this object's messages (again, after a take-over).
    void WatchWidget();

    struct State;
    std::unique_ptr<State> state_;
    Wnd* parent_ = nullptr;
    UINT id_ = 0;
    bool tabStop_ = false;
    bool groupStart_ = false;
    HMODULE templateModule_ = nullptr;
    MessagePayload* payload_ = nullptr;
};

}  // namespace platform::ui
