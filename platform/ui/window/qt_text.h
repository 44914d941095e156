// Text across the Qt border (internal): the layer's Windows-1252 strings to QString and back.
#pragma once

#include "platform/text/codepage.h"
#include "platform/text/string.h"

#include <QString>

#include <string>

namespace platform::ui {

[[nodiscard]] inline QString QtTextOf(const char* text) { return QString::fromStdString(Utf8FromAnsi(text ? text : "")); }

// A character Windows-1252 cannot hold becomes '?'.
[[nodiscard]] inline String AnsiTextOf(const QString& text) { return String(AnsiFromUtf8(text.toStdString())); }

// TRUE when every character of `text` has a Windows-1252 byte.
[[nodiscard]] inline bool FitsCodePage(const QString& text) {
    const std::u16string utf16(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    return Utf16FromAnsi(AnsiFromUtf16(utf16)) == utf16;
}

}  // namespace platform::ui
