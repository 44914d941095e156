#include "platform/ui/dialog/tab_order.h"

#include "platform/ui/control/button.h"

#include <QWidget>

#include <algorithm>

namespace platform::ui::detail {

namespace {

bool IsRadio(const Wnd* window) { return window->GetKind() == WindowKind::RadioButton; }

bool IsChecked(Wnd* window) { return window->SendMessage(BM_GETCHECK) == BST_CHECKED; }

}  // namespace

bool IsEnabledAndVisible(const Wnd& window) {
    const QWidget* widget = window.GetWidget();
    return widget && !widget->isHidden() && widget->isEnabledTo(widget->parentWidget());
}

int TabOrder::IndexOf(const Wnd* control) const {
    const auto found = std::find(children_.begin(), children_.end(), control);
    return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

TabOrder::Span TabOrder::GroupOf(std::size_t index) const {
    std::size_t begin = index;
    while (begin > 0 && !children_[begin]->IsGroupStart()) --begin;
    std::size_t end = index + 1;
    while (end < children_.size() && !children_[end]->IsGroupStart()) ++end;
    return {begin, end};
}

Wnd* TabOrder::RadioGroupStop(Span group) const {
    bool tabStop = false;
    Wnd* first = nullptr;
    Wnd* checked = nullptr;
    for (std::size_t i = group.first; i < group.second; ++i) {
        Wnd* radio = children_[i];
        if (!IsRadio(radio)) continue;
        tabStop = tabStop || radio->IsTabStop();
        if (!IsEnabledAndVisible(*radio)) continue;
        if (!first) first = radio;
        if (!checked && IsChecked(radio)) checked = radio;
    }
    if (!tabStop) return nullptr;
    return checked ? checked : first;
}

Wnd* TabOrder::StopAt(std::size_t index) const {
    Wnd* child = children_[index];
    if (child->GetKind() == WindowKind::Dialog || !IsEnabledAndVisible(*child)) return nullptr;
    if (!IsRadio(child)) return child->IsTabStop() ? child : nullptr;
    const Span group = GroupOf(index);
    for (std::size_t i = group.first; i < index; ++i) {
        if (IsRadio(children_[i]) && IsEnabledAndVisible(*children_[i])) return nullptr;
    }
    return RadioGroupStop(group);
}

Wnd* TabOrder::Next(const Wnd* control, bool previous) const {
    const int count = static_cast<int>(children_.size());
    const int at = IndexOf(control);
    for (int step = 1; step <= count; ++step) {
        const int index = at < 0 ? (previous ? count - step : step - 1) : (at + (previous ? count - step : step)) % count;
        Wnd* stop = StopAt(static_cast<std::size_t>(index));
        if (!stop) continue;
        // Another radio of the control's own group is the same stop.
        const bool ownGroup = at >= 0 && IsRadio(children_[at]) && IsRadio(stop) && stop != control &&
                              GroupOf(static_cast<std::size_t>(at)) == GroupOf(static_cast<std::size_t>(index));
        if (!ownGroup) return stop;
    }
    return nullptr;
}

Wnd* TabOrder::NextInGroup(const Wnd* control, bool previous) const {
    const int at = IndexOf(control);
    if (at < 0) return nullptr;
    const Span group = GroupOf(static_cast<std::size_t>(at));
    const int size = static_cast<int>(group.second - group.first);
    const int offset = at - static_cast<int>(group.first);
    for (int step = 1; step < size; ++step) {
        const int index = static_cast<int>(group.first) + (offset + (previous ? size - step : step)) % size;
        if (IsEnabledAndVisible(*children_[static_cast<std::size_t>(index)])) return children_[static_cast<std::size_t>(index)];
    }
    return children_[static_cast<std::size_t>(at)];
}

std::vector<Wnd*> TabOrder::RadiosOfGroup(const Wnd* first) const {
    const int at = IndexOf(first);
    if (at < 0) return {};
    std::vector<Wnd*> radios;
    const std::size_t end = GroupOf(static_cast<std::size_t>(at)).second;
    for (std::size_t i = static_cast<std::size_t>(at); i < end; ++i) {
        if (IsRadio(children_[i])) radios.push_back(children_[i]);
    }
    return radios;
}

}  // namespace platform::ui::detail
