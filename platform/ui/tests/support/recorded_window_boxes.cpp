#include "platform/ui/tests/support/recorded_window_boxes.h"

namespace kelvo::testing {

RecordedWindowBoxes::RecordedWindowBoxes()
    : previous_(platform::ui::SetBoxHook([this](platform::ui::HWND owner, const platform::String& text,
                                                const platform::String& caption, platform::UINT style) {
          return Record({text.str(), caption.str(), style, owner != nullptr, reinterpret_cast<std::uintptr_t>(owner)});
      })) {}

RecordedWindowBoxes::~RecordedWindowBoxes() { platform::ui::SetBoxHook(std::move(previous_)); }

}  // namespace kelvo::testing
