// Makes a dialog template's controls as children of the dialog (internal).
#pragma once

#include "platform/ui/geometry.h"
#include "platform/ui/resource/dialog_template.h"
#include "platform/ui/window/wnd.h"

#include <memory>
#include <vector>

namespace platform::ui::detail {

// The controls of `dialogTemplate`, made in its order in `dialog` with their rectangles mapped
// by `baseUnits`, disabled or hidden as it says, radios grouped by its group flags. A control
// that cannot be made is left out.
[[nodiscard]] std::vector<std::unique_ptr<Wnd>> CreateDialogControls(Wnd& dialog, const DialogTemplate& dialogTemplate,
                                                                     Size baseUnits);

}  // namespace platform::ui::detail
