// How the client library puts a document's content into a file of its own: the whole file
// written at once, replacing what was there, and the read-only mark of a copy for viewing.
//
// Paths are Windows-1252. Results are HRESULTs: 0x80070000 | the Win32 error of the file layer
// (platform/file_error.h), so 0x80070020 while another open holds the file. Internal to the
// client library; safe from any thread on distinct files.
#pragma once

#include "platform/hresult.h"

#include <cstdint>
#include <span>

namespace pendora::detail {

// Creates or empties the file `caminho` and writes `dados` into it, opened exclusively: any
// other open of the file (deny-write or not) makes it 0x80070020 and leaves the file as it was.
// An existing read-only file is made writable for its owner first (and read-only again when it
// cannot be opened). A symbolic link in its place is refused (E_ACCESSDENIED) and not followed,
// since the temporary folder may be shared with other users. A write that fails removes the
// partly written file. A null or empty path is E_INVALIDARG.
[[nodiscard]] platform::HRESULT GravaArquivo(const char* caminho, std::span<const std::uint8_t> dados);

// Leaves the file `caminho` readable by everyone and writable by nobody (mode 0444).
[[nodiscard]] platform::HRESULT PoeSomenteLeitura(const char* caminho);

// The file's last-write time in seconds since 1970 in `tempo` (0 on failure).
[[nodiscard]] platform::HRESULT LeTempoArquivo(const char* caminho, std::int64_t& tempo);

}  // namespace pendora::detail
