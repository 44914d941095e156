// Records every box of a test, the window layer's and those of code without windows, instead of
// showing it, and answers from a script (the default button when the script is used up).
//
// The layer's boxes are recorded with their owner's handle. Construct one in the test (on the
// user-interface thread); it puts the previous hooks back when it goes.
#pragma once

#include "platform/tests/support/recorded_boxes.h"
#include "platform/ui/box/message_box.h"

namespace kelvo::testing {

class RecordedWindowBoxes final : public RecordedBoxes {
public:
    RecordedWindowBoxes();
    ~RecordedWindowBoxes() override;

private:
    platform::ui::BoxHook previous_;
};

}  // namespace kelvo::testing
