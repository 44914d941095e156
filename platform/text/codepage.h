// The one border between the system's single-byte text and the rest of the world.
//
// In memory, in record files and in message files text is Windows-1252 ("ANSI"). BSTRs and the
// COM wire carry UTF-16; Qt, the terminal and file names handed to the kernel take UTF-8.
// All conversions are total: a character that Windows-1252 cannot hold becomes '?', and a
// malformed UTF-8 or UTF-16 sequence becomes '?'. The five bytes
// that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, so every byte survives a round trip. Pure functions, safe from any thread.
#pragma once

#include <string>
#include <string_view>

namespace platform {

[[nodiscard]] char16_t Utf16FromAnsiByte(unsigned char byte);
[[nodiscard]] std::u16string Utf16FromAnsi(std::string_view ansi);
[[nodiscard]] std::string AnsiFromUtf16(std::u16string_view utf16);
[[nodiscard]] std::string Utf8FromAnsi(std::string_view ansi);
[[nodiscard]] std::string AnsiFromUtf8(std::string_view utf8);

}  // namespace platform
