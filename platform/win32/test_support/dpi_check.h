// A change of the monitor's scale, announced to a window built in this
// process as the system announces it, and the font each control draws with
// afterwards. A font handle means nothing in another process, so windows
// whose fonts are checked are built in the test's own process.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/control_table.h"

namespace e2e {

// WM_DPICHANGED with the window's rectangle scaled from 96 DPI, as the
// system suggests it.
inline void AnnounceDpi(HWND window, UINT dpi) {
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, 96);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, 96);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// The character height of the font each control of the window draws with,
// by row name, or 0 where the font no longer exists; controls without text
// (up-down arrows) are left out.
inline std::vector<std::pair<std::string, int>> FontHeights(const platform::FormLayout& layout,
                                                            HWND window) {
    std::vector<std::pair<std::string, int>> heights;
    for (const platform::ControlLayout& row : layout.controls) {
        if (row.kind == platform::ControlKind::kUpDown) {
            continue;
        }
        const HWND control = GetDlgItem(window, row.id);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW described = {};
        const bool alive = font != nullptr && GetObjectW(font, sizeof described, &described) != 0;
        heights.emplace_back(row.name, alive ? -described.lfHeight : 0);
    }
    return heights;
}

// The 12-pixel font of the programs' windows at 144, 120 and 96 DPI, in the
// order a test announces them: back to 96 last, so that a font deleted on an
// earlier change would show.
struct ScaledFont {
    UINT dpi;
    int height;
};
inline constexpr ScaledFont kScaledFonts[] = {{144, 18}, {120, 15}, {96, 12}};

}  // namespace e2e
