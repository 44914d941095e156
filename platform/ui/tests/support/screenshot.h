// Pictures of widgets for the build's screenshot folder, so that a reviewer sees what a test drew.
//
// Each picture goes to <build>/screenshots/<suite>-<name>.png at a fixed size. A picture of one
// colour only is refused: it means nothing was drawn. User-interface thread.
#pragma once

#include <QSize>

class QWidget;

namespace kelvo::testing {

// Resizes `widget` to `size`, grabs it and writes the picture; false (with the reason on
// standard error) when it has one colour only or cannot be written.
[[nodiscard]] bool SaveScreenshot(QWidget& widget, const char* suite, const char* name, QSize size = QSize(480, 320));

}  // namespace kelvo::testing
