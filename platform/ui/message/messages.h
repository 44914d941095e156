// Window messages: handles that any thread may name, and the send and post calls on them.
//
// A window's handle (HWND) is a number unique in the process and never reused, so a handle kept by
// a worker thread can outlive its window without ever naming another one. Every window lives on
// the user-interface thread and handles its messages there: a message sent from another thread is
// queued and the sender waits for the handler's result; a posted message is queued and the poster
// goes on. A message for a window that is gone is dropped. An object that travels with a posted
// message (its payload) belongs to the layer and is freed once the message is handled or dropped.
#pragma once

#include "platform/win_types.h"

#include <memory>

namespace platform::ui {

struct HWND__;
using HWND = HWND__*;

// Message numbers, with their values on the original platform.
constexpr UINT WM_NULL = 0x0000;
// Sent to a frame once its window exists, before it is shown; -1 refuses the window.
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
// Sent by ShowWindow before a window is shown (wParam TRUE) or hidden (FALSE); lParam 0.
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_NEXTDLGCTL = 0x0028;
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
// Asks a frame to show string wParam (a command's prompt, or the idle message) in its message pane.
constexpr UINT WM_SETMESSAGESTRING = 0x0362;
constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;
// A help request (F1, or a click in what's-this mode); lParam points to a HELPINFO.
constexpr UINT WM_HELP = 0x0053;

// WM_SIZE's wParam for a window that is neither minimised nor maximised.
constexpr UINT SIZE_RESTORED = 0;

// An object that travels with a posted message; derive from it and cast back in the handler.
class MessagePayload {
public:
    virtual ~MessagePayload() = default;
};

// Runs the window's handler for the message on the user-interface thread and returns its result;
// from another thread the message is queued and the caller waits. 0 when the window is gone
// before its handler runs (or never existed).
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Queues the message (with its payload) for the window and returns at once; FALSE, with the
// payload freed, when the window is gone already.
BOOL PostMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                 std::unique_ptr<MessagePayload> payload = nullptr);

// What a help request names: the control (its id and window) the help is for.
constexpr int HELPINFO_WINDOW = 1;
struct HELPINFO {
    UINT cbSize = sizeof(HELPINFO);
    int iContextType = HELPINFO_WINDOW;
    int iCtrlId = 0;
    HWND hItemHandle{};
};

// TRUE while the window of the handle exists. Any thread.
[[nodiscard]] BOOL IsWindow(HWND window);

// The message number of `name` (matched without regard to case): one number from 0xC000 to
// 0xFFFF per name, the same for the whole process; 0 for a null or empty name or when the range
// is used up. Any thread.
[[nodiscard]] UINT RegisterWindowMessage(const char* name);

}  // namespace platform::ui
