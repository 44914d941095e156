#include "framework/tests/barra_textos.h"

namespace framework::testing {

void BarraTextos::DrawItem(const platform::ui::DrawItemStruct& item) {
    ObservingCanvas canvas(item.dc);
    CZTStatusBar::DrawItem({canvas, item.rcItem, item.itemID});
    const platform::UINT id = GetItemID(static_cast<int>(item.itemID));
    if (!canvas.texts.empty()) textos[id] = canvas.Text();
    Desenhou(id, canvas);
}

void BarraTextos::Desenhou(platform::UINT, const ObservingCanvas&) {}

}  // namespace framework::testing
