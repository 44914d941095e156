#include "platform/ui/window/virtual_keys.h"

#include <Qt>

#include <utility>

namespace platform::ui {

UINT VirtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<UINT>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + static_cast<UINT>(qtKey - Qt::Key_F1);
    static constexpr std::pair<int, UINT> kKeys[] = {
        {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},  {Qt::Key_Return, VK_RETURN},
        {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
        {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},    {Qt::Key_Up, VK_UP},
        {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},    {Qt::Key_Insert, VK_INSERT},
        {Qt::Key_Delete, VK_DELETE},
    };
    for (const auto& [key, code] : kKeys) {
        if (key == qtKey) return code;
    }
    return 0;
}

}  // namespace platform::ui
