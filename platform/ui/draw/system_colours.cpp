#include "platform/ui/draw/system_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform::ui {

Colour GetSysColor(int index) {
    if (index != COLOR_BTNFACE) return 0;
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    return Rgb(static_cast<unsigned>(face.red()), static_cast<unsigned>(face.green()), static_cast<unsigned>(face.blue()));
}

}  // namespace platform::ui
