#include "platform/ui/draw/system_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform::ui {

namespace {

Colour PaletteColour(QPalette::ColorRole role) {
    const QColor colour = QGuiApplication::palette().color(role);
    return Rgb(static_cast<unsigned>(colour.red()), static_cast<unsigned>(colour.green()), static_cast<unsigned>(colour.blue()));
}

}  // namespace

Colour GetSysColor(int index) {
    switch (index) {
        case COLOR_BTNFACE: return PaletteColour(QPalette::Button);
        case COLOR_INFOBK: return PaletteColour(QPalette::ToolTipBase);
        default: return 0;
    }
}

}  // namespace platform::ui
