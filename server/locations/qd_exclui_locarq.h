// Deleting an archive location (exclui: deletes): the body of IZTQD_Srv::ExcluiLocArq. The
// server never deletes locations (documents and other locations name them by position), so the
// operation changes nothing. Pure; safe from any thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

// S_OK for every position; nothing is read, written or logged.
[[nodiscard]] inline platform::HRESULT QDExcluiLocArq(std::uint32_t /*lPosLocArq*/) { return platform::S_OK; }
