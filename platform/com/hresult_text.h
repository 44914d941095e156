// The system's text for an HRESULT, as the original platform's system message table gives it.
//
// FACILITY_WIN32 results (0x8007xxxx) and small values give the Win32 error's text
// (platform/win32_error.h); the COM results of platform/hresult.h have texts of their own.
// Windows-1252, one line; empty for a result the platform has no text for. Safe from any thread.
#pragma once

#include "platform/hresult.h"

#include <string>

namespace platform {

[[nodiscard]] std::string HResultText(HRESULT hr);

}  // namespace platform
