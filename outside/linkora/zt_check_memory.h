// The memory check the suite keeps on a program's main window.
//
// ZTSetTimerCheckMemory puts an invisible timer of ours on the window. Each minute it reads the
// program's resident memory (the bytes it holds in RAM, platform::ResidentMemory) and compares it
// with a bound of 1 GiB, far above what a program of this system holds. The first time the
// program is over the bound, one warning goes to the event log under the source "Linkora"; the
// next warning comes only after the program has fallen back under it. The check shows nothing:
// it tells the administrator of a program that grows without end, never interrupts the user.
// User-interface thread.
#pragma once

#include "platform/ui/window/wnd.h"

#include <cstdint>

// The timer's id on the window, chosen clear of the ids the programs use.
constexpr platform::UINT_PTR ZT_ID_TIMER_CHECK_MEMORY = 0x4C4B;
// Its period in milliseconds.
constexpr platform::UINT ZT_INTERVALO_CHECK_MEMORY = 60000;
// The resident size above which the check warns, in bytes.
constexpr std::uint64_t ZT_LIMITE_CHECK_MEMORY = std::uint64_t{1} << 30;
// The event-log source and event id of the warning.
constexpr const char* ZT_FONTE_CHECK_MEMORY = "Linkora";
constexpr platform::DWORD ZT_EVENTO_CHECK_MEMORY = 1;

// Starts the memory timer on `pWnd`; FALSE for a null window or one not created. The timer goes
// with the window.
platform::BOOL ZTSetTimerCheckMemory(platform::ui::Wnd* pWnd);

// One check against `limite` bytes (the timer's body): FALSE when the program is over it, TRUE
// otherwise, also when the size cannot be read. Warns as said above.
platform::BOOL ZTCheckMemory(std::uint64_t limite = ZT_LIMITE_CHECK_MEMORY);
