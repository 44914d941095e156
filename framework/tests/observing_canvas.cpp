#include "framework/tests/observing_canvas.h"

namespace framework::testing {

std::string ObservingCanvas::Text() const {
    std::string all;
    for (const std::string& text : texts) all += text;
    return all;
}

}  // namespace framework::testing
