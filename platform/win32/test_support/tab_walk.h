// What a Tab walk through a running window should meet: the table's tab
// order, less the controls beyond the window's width, each option group at
// its selected option.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/control_table.h"

namespace e2e {

struct Stop {
    std::string name;
    int id;
};

inline std::vector<Stop> ExpectedTabStops(const platform::FormLayout& layout, int client_width,
                                          HWND window) {
    std::vector<Stop> stops;
    for (const std::size_t row : platform::TabOrder(layout)) {
        const platform::ControlLayout& control = layout.controls[row];
        if (platform::ClientBounds(layout, control).left >= client_width) {
            continue;
        }
        Stop stop = {control.name, control.id};
        if (control.kind == platform::ControlKind::kOption) {
            const auto [first, last] = platform::OptionGroup(layout, row);
            for (std::size_t member = last; member-- > first;) {
                const platform::ControlLayout& option = layout.controls[member];
                if (member == first ||
                    SendMessageW(GetDlgItem(window, option.id), BM_GETCHECK, 0, 0) == BST_CHECKED) {
                    stop = {option.name, option.id};
                    break;
                }
            }
        }
        stops.push_back(stop);
    }
    return stops;
}

// The stops from the one after `from`, all the way round back to `from`.
inline std::vector<Stop> RoundFrom(const std::vector<Stop>& stops, const std::string& from) {
    std::size_t at = 0;
    while (at < stops.size() && stops[at].name != from) {
        ++at;
    }
    std::vector<Stop> round;
    for (std::size_t i = 1; i <= stops.size(); ++i) {
        round.push_back(stops[(at + i) % stops.size()]);
    }
    return round;
}

// The names of the walked controls, by their identifiers in the layout.
inline std::vector<std::string> NamesOf(const platform::FormLayout& layout,
                                        const std::vector<HWND>& walked) {
    std::vector<std::string> names;
    for (HWND control : walked) {
        // A drop-down list's edit box is a control of the list.
        while (GetParent(control) != nullptr && GetParent(GetParent(control)) != nullptr) {
            control = GetParent(control);
        }
        const int id = GetDlgCtrlID(control);
        std::string name = "<id " + std::to_string(id) + ">";
        for (const platform::ControlLayout& row : layout.controls) {
            if (row.id == id) {
                name = row.name;
            }
        }
        names.push_back(name);
    }
    return names;
}

inline std::vector<std::string> NamesOf(const std::vector<Stop>& stops) {
    std::vector<std::string> names;
    for (const Stop& stop : stops) {
        names.push_back(stop.name);
    }
    return names;
}

}  // namespace e2e
