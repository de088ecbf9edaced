// Both programs' windows, built in this process by the shared builder from
// their own control tables, through a change of the monitor's scale as the
// system announces it: every control keeps a font that exists, of the new
// size. (A font handle means nothing in another process, so the windows are
// built here rather than in the running programs.)
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chgu/window/control_ids.h"
#include "chgu/window/layouts.h"
#include "kova/window/form1.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"

namespace {

using platform::win32::FormWindow32;

struct Built {
    std::string name;
    std::unique_ptr<FormWindow32> window;
    platform::FormLayout layout;
};

std::unique_ptr<FormWindow32> Build(const platform::FormLayout& layout) {
    return FormWindow32::Create(GetModuleHandleW(nullptr), layout, [] {});
}

// The character height of the font each control of the window draws with,
// or 0 where the font no longer exists; controls without text are left out.
std::vector<std::pair<std::string, int>> FontHeights(const Built& built) {
    std::vector<std::pair<std::string, int>> heights;
    for (const platform::ControlLayout& row : built.layout.controls) {
        if (row.kind == platform::ControlKind::kUpDown) {
            continue;
        }
        const HWND control = GetDlgItem(built.window->Handle(), row.id);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW described = {};
        const bool alive = font != nullptr && GetObjectW(font, sizeof described, &described) != 0;
        heights.emplace_back(row.name, alive ? -described.lfHeight : 0);
    }
    return heights;
}

void ChangeDpi(HWND window, UINT dpi) {
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, 96);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, 96);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST(DpiChange, EveryControlOfBothProgramsKeepsALiveFontOfTheScaledSize) {
    kova::TForm1 kova_form;
    std::vector<Built> windows;
    windows.push_back({"kova", nullptr, kova_form.Layout()});
    windows.push_back({"chgu Form1", nullptr, chgu::Form1Layout({})});
    windows.push_back({"chgu Form2", nullptr, chgu::Form2Layout({})});
    for (Built& built : windows) {
        built.window = Build(built.layout);
        ASSERT_NE(built.window, nullptr) << built.name;
    }
    // The screen of the tests is at 96 DPI; the layouts' font is 12 pixels.
    ASSERT_EQ(platform::win32::DpiOf(windows[0].window->Handle()), 96u);
    for (const UINT dpi : {144u, 120u, 96u}) {
        const int expected = platform::win32::Scale(12, dpi);
        for (Built& built : windows) {
            ChangeDpi(built.window->Handle(), dpi);
            for (const auto& [name, height] : FontHeights(built)) {
                EXPECT_EQ(height, expected) << built.name << " " << name << " at " << dpi;
            }
        }
    }
    // The window and its controls take the new scale too (at 150 %, the
    // largest that fits the tests' 1024 x 768 screen).
    ChangeDpi(windows[1].window->Handle(), 144);
    RECT client;
    GetClientRect(windows[1].window->Handle(), &client);
    EXPECT_EQ(client.right, 821);  // 547 * 1.5, rounded half up
    EXPECT_EQ(windows[1].window->ClientWidth(), 547);
    RECT combo;
    GetWindowRect(GetDlgItem(windows[1].window->Handle(), chgu::ids::kCombo1), &combo);
    MapWindowPoints(HWND_DESKTOP, windows[1].window->Handle(), reinterpret_cast<POINT*>(&combo), 2);
    EXPECT_EQ(combo.left, 684);
    EXPECT_EQ(combo.right - combo.left, 131);  // 87 * 1.5, rounded half up
}

}  // namespace
