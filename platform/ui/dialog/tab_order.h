// A dialog's controls in tab order (internal): the tab stops and the groups of its direct
// children, as the dialog manager walks them.
//
// A stop is an enabled, visible child marked as a tab stop, never a child dialog. The radios of
// one group (from a child that starts a group up to the next that does) are one stop when any of
// them is a tab stop; it lands on the group's checked radio, else on its first. Walks wrap.
#pragma once

#include "platform/ui/window/wnd.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace platform::ui::detail {

class TabOrder {
public:
    explicit TabOrder(std::vector<Wnd*> children) : children_(std::move(children)) {}

    // The stop after (`previous`: before) `control`, searched from its place (null, or not a
    // child: from the start, or the end); `control` itself when it is the only stop; null when
    // there is none.
    [[nodiscard]] Wnd* Next(const Wnd* control, bool previous) const;
    // The next (previous) enabled, visible child of `control`'s group; `control` when it is
    // alone; null when `control` is not a child.
    [[nodiscard]] Wnd* NextInGroup(const Wnd* control, bool previous) const;
    // The radios of the group that child `first` starts, in order; empty when it is no child.
    [[nodiscard]] std::vector<Wnd*> RadiosOfGroup(const Wnd* first) const;

private:
    using Span = std::pair<std::size_t, std::size_t>;

    [[nodiscard]] int IndexOf(const Wnd* control) const;
    [[nodiscard]] Span GroupOf(std::size_t index) const;
    // The window a tab lands on for the child at `index`; null when the child is no stop (or a
    // radio of a group that is offered at its first radio).
    [[nodiscard]] Wnd* StopAt(std::size_t index) const;
    [[nodiscard]] Wnd* RadioGroupStop(Span group) const;

    std::vector<Wnd*> children_;
};

// Enabled and visible by its own flags, whatever its parents are.
[[nodiscard]] bool IsEnabledAndVisible(const Wnd& window);

}  // namespace platform::ui::detail
