#include "added_controls.h"

#include <uxtheme.h>

#include "platform/win32/dpi.h"

namespace chgu::win32 {

namespace {

// The drop-down list opens below the box, this many pixels high at 96 DPI.
constexpr int kDropDownListHeight = 160;

}  // namespace

std::vector<AddedWindow> CreateAddedControls(HWND parent, HINSTANCE instance,
                                             const std::vector<AddedControl>& rows) {
    std::vector<AddedWindow> controls;
    for (const AddedControl& row : rows) {
        const bool check_box = row.kind == AddedKind::kCheckBox;
        const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP |
                            (check_box ? BS_AUTOCHECKBOX : CBS_DROPDOWN | WS_VSCROLL);
        // A check box's own caption would be cut off by its size; the label
        // beside it carries the words.
        const HWND handle = CreateWindowExW(
            0, check_box ? L"BUTTON" : L"COMBOBOX", L"", style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
        if (handle != nullptr && check_box) {
            SendMessageW(handle, BM_SETCHECK, row.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            // A themed check box ignores the background its parent gives it.
            SetWindowTheme(handle, L"", L"");
        }
        controls.push_back({row, handle});
    }
    return controls;
}

void LayOutAddedControls(HWND parent, const std::vector<AddedWindow>& controls, HFONT font) {
    const UINT dpi = platform::win32::DpiOf(parent);
    using platform::win32::Scale;
    for (const AddedWindow& control : controls) {
        const platform::Bounds& bounds = control.row.bounds;
        const int extra = control.row.kind == AddedKind::kDropDown ? kDropDownListHeight : 0;
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowPos(control.handle, HWND_TOP, Scale(bounds.left, dpi), Scale(bounds.top, dpi),
                     Scale(bounds.width, dpi), Scale(bounds.height + extra, dpi),
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

}  // namespace chgu::win32
