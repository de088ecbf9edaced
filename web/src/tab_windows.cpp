#include "tab_windows.h"

#include "layout_rows.h"

namespace web {

emscripten::val TabWindows::Rows() const {
    emscripten::val rows = emscripten::val::array();
    for (const HostForm* window : windows_) {
        rows = rows.call<emscripten::val>("concat", RowsOf(window->Layout(), window->Prefix()));
    }
    return rows;
}

void TabWindows::Click(const std::string& name) {
    const auto [window, local] = WindowOf(name);
    window->Click(local);
}

void TabWindows::ClickArrow(const std::string& name, int step) {
    const auto [window, local] = WindowOf(name);
    window->ClickArrow(local, step);
}

void TabWindows::Pick(const std::string& name, const std::u16string& item) {
    const auto [window, local] = WindowOf(name);
    window->Pick(local, item);
}

std::pair<HostForm*, std::string> TabWindows::WindowOf(const std::string& name) const {
    // The longest prefix that fits: the main window's is empty.
    HostForm* best = nullptr;
    for (HostForm* window : windows_) {
        if (name.starts_with(window->Prefix()) &&
            (best == nullptr || window->Prefix().size() > best->Prefix().size())) {
            best = window;
        }
    }
    return {best, name.substr(best->Prefix().size())};
}

}  // namespace web
