// A status bar for window tests that keeps, by pane id, the text each owner-drawn pane last wrote
// (what the user sees), drawing through the real canvas. User-interface thread.
#pragma once

#include "framework/status/zt_status_bar.h"
#include "framework/tests/observing_canvas.h"

#include <map>
#include <string>

namespace framework::testing {

class BarraTextos : public CZTStatusBar {
public:
    // The text of each pane's last drawing that wrote one, by pane id.
    std::map<platform::UINT, std::string> textos;

protected:
    void DrawItem(const platform::ui::DrawItemStruct& item) override;
    // After each drawing of pane `id`, with what it drew; nothing here.
    virtual void Desenhou(platform::UINT id, const ObservingCanvas& canvas);
};

}  // namespace framework::testing
