// Text at the Qt border (internal): Windows-1252 in the layer, UTF-16 in Qt widgets.
#pragma once

#include "platform/text/codepage.h"
#include "platform/text/string.h"

#include <QString>

namespace platform::ui {

[[nodiscard]] inline QString QtTextOf(const char* text) { return QString::fromStdString(Utf8FromAnsi(text ? text : "")); }
[[nodiscard]] inline String AnsiTextOf(const QString& text) { return String(AnsiFromUtf8(text.toStdString())); }

}  // namespace platform::ui
