// The skeleton's main frame: the client library's frame with its splitter sizes kept, its panes in
// the tree-list-form layout, and a command that saves a picture of the window for the build's
// screenshot folder.
#pragma once

#include "outside/pendora/ui/qd_main_frame.h"

namespace esqueleto {

// Saves the main window's picture as the screenshot "esqueleto-janela".
constexpr platform::UINT ID_CAPTURA = 32900;

class FrameEsqueleto final : public CQDMainFrame {
public:
    FrameEsqueleto();

protected:
    platform::BOOL OnCreateClient(platform::ui::CreateContext* contexto) override;

private:
    void Captura();
};

}  // namespace esqueleto
