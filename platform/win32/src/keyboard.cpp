// The keyboard's walk through a window of ours. The dialog manager is not
// used: it needs a dialog window, takes Tab away from multi-line boxes only
// inside dialogs, and knows neither the reading order of the table nor that
// an option group is one stop.
#include "platform/win32/form_window.h"

#include "control_window.h"

namespace platform::win32 {

namespace {

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

bool FormWindow32::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const std::ptrdiff_t row = RowHolding(GetFocus());
    const ControlKind kind =
        row >= 0 ? layout_.controls[static_cast<std::size_t>(row)].kind : ControlKind::kLabel;
    switch (message.wParam) {
        case VK_TAB:
            if (KeyDown(VK_CONTROL) && kind == ControlKind::kMultiLineBox) {
                SendMessageW(controls_[static_cast<std::size_t>(row)]->Handle(), EM_REPLACESEL,
                             TRUE, reinterpret_cast<LPARAM>(L"\t"));
                return true;
            }
            MoveFocus(KeyDown(VK_SHIFT), row);
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            const int step = message.wParam == VK_LEFT || message.wParam == VK_UP ? -1 : 1;
            if (kind == ControlKind::kOption) {
                StepInGroup(static_cast<std::size_t>(row), step);
                return true;
            }
            if (kind == ControlKind::kUpDown &&
                (message.wParam == VK_UP || message.wParam == VK_DOWN)) {
                // The upper arrow counts up, as a click on it does.
                ControlWindow& control = *controls_[static_cast<std::size_t>(row)];
                control.SetPosition(control.Position() - step);
                if (control.Layout().on_click) {
                    control.Layout().on_click(control);
                }
                return true;
            }
            return false;
        }
        case VK_RETURN:
            if (kind == ControlKind::kButton) {
                SendMessageW(controls_[static_cast<std::size_t>(row)]->Handle(), BM_CLICK, 0, 0);
                return true;
            }
            return false;
        default:
            return false;
    }
}

std::ptrdiff_t FormWindow32::RowHolding(HWND focus) const {
    // A drop-down list's edit box is a child of the list.
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        const HWND control = controls_[row]->Handle();
        if (focus != nullptr && (control == focus || IsChild(control, focus))) {
            return static_cast<std::ptrdiff_t>(row);
        }
    }
    return -1;
}

HWND FormWindow32::EntryOf(std::size_t row) const {
    if (layout_.controls[row].kind != ControlKind::kOption) {
        return controls_[row]->Handle();
    }
    // An option group is entered at its selected option, or its first.
    const auto [first, last] = OptionGroup(layout_, row);
    for (std::size_t member = first; member < last; ++member) {
        if (controls_[member]->Checked()) {
            return controls_[member]->Handle();
        }
    }
    return controls_[first]->Handle();
}

bool FormWindow32::Reachable(HWND control) const {
    // Controls beyond the client area (a page the window is too narrow to
    // show) are not reached.
    RECT place;
    RECT client;
    RECT shown;
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&place), 2);
    GetClientRect(window_, &client);
    return IsWindowVisible(control) && IsWindowEnabled(control) &&
           IntersectRect(&shown, &place, &client);
}

void FormWindow32::MoveFocus(bool backwards, std::ptrdiff_t from_row) {
    const auto count = static_cast<std::ptrdiff_t>(tab_order_.size());
    std::ptrdiff_t at = backwards ? count : -1;
    if (from_row >= 0) {
        std::size_t entry = static_cast<std::size_t>(from_row);
        if (layout_.controls[entry].kind == ControlKind::kOption) {
            entry = OptionGroup(layout_, entry).first;
        }
        for (std::ptrdiff_t i = 0; i < count; ++i) {
            if (tab_order_[static_cast<std::size_t>(i)] == entry) {
                at = i;
            }
        }
    }
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t next = ((at + (backwards ? -step : step)) % count + count) % count;
        const HWND target = EntryOf(tab_order_[static_cast<std::size_t>(next)]);
        if (Reachable(target)) {
            SetFocus(target);
            return;
        }
    }
}

void FormWindow32::StepInGroup(std::size_t row, int step) {
    const auto [first, last] = OptionGroup(layout_, row);
    const auto size = static_cast<std::ptrdiff_t>(last - first);
    const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(row - first);
    const auto next = first + static_cast<std::size_t>(((at + step) % size + size) % size);
    // As a click: the option takes the focus, becomes the selected one and
    // runs its handler.
    SendMessageW(controls_[next]->Handle(), BM_CLICK, 0, 0);
}

}  // namespace platform::win32
