#include "platform/control_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/controls_by_name.h"

namespace platform {

Bounds ClientBounds(const FormLayout& form, const ControlLayout& control) {
    Bounds bounds = control.bounds;
    if (!control.within.empty()) {
        const auto frame =
            std::find_if(form.controls.begin(), form.controls.end(),
                         [&](const ControlLayout& c) { return c.name == control.within; });
        if (frame != form.controls.end()) {
            const Bounds origin = ClientBounds(form, *frame);
            bounds.left += origin.left;
            bounds.top += origin.top;
        }
    }
    return bounds;
}

bool IsTabStop(const ControlLayout& control) {
    switch (control.kind) {
        case ControlKind::kButton:
        case ControlKind::kOption:
        case ControlKind::kTextBox:
        case ControlKind::kMultiLineBox:
        case ControlKind::kUpDown:
        case ControlKind::kCheckBox:
        case ControlKind::kDropDown:
            return true;
        case ControlKind::kReadOnlyBox:
        case ControlKind::kLabel:
        case ControlKind::kFrame:
        case ControlKind::kPanel:
            break;
    }
    return false;
}

std::pair<std::size_t, std::size_t> OptionGroup(const FormLayout& form, std::size_t option) {
    const auto& rows = form.controls;
    std::size_t first = option;
    std::size_t last = option + 1;
    while (first > 0 && rows[first - 1].kind == ControlKind::kOption) {
        --first;
    }
    while (last < rows.size() && rows[last].kind == ControlKind::kOption) {
        ++last;
    }
    return {first, last};
}

std::vector<std::size_t> TabOrder(const FormLayout& form) {
    struct Stop {
        std::size_t row;
        int left, top;
    };
    std::vector<Stop> stops;
    for (std::size_t row = 0; row < form.controls.size(); ++row) {
        const ControlLayout& control = form.controls[row];
        if (!IsTabStop(control)) {
            continue;
        }
        Bounds place = ClientBounds(form, control);
        if (control.kind == ControlKind::kOption) {
            const auto [first, last] = OptionGroup(form, row);
            if (row != first) {
                continue;
            }
            // The group stands where its options begin.
            for (std::size_t member = first + 1; member < last; ++member) {
                const Bounds other = ClientBounds(form, form.controls[member]);
                place.left = std::min(place.left, other.left);
                place.top = std::min(place.top, other.top);
            }
        }
        stops.push_back({row, place.left, place.top});
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.top < b.top; });
    std::vector<std::size_t> order;
    for (auto line = stops.begin(); line != stops.end();) {
        const int line_top = line->top;
        const auto end = std::find_if(
            line, stops.end(), [&](const Stop& stop) { return stop.top >= line_top + kLineSpan; });
        std::stable_sort(line, end, [](const Stop& a, const Stop& b) {
            return a.left != b.left ? a.left < b.left : a.top < b.top;
        });
        for (auto stop = line; stop != end; ++stop) {
            order.push_back(stop->row);
        }
        line = end;
    }
    return order;
}

void NoControlNamed(std::string_view name) {
    std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

}  // namespace platform
