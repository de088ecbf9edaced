// Both windows of program B built by the shared builder in this process,
// through a change of the monitor's scale: every control keeps a live font
// of the scaled size, and the main window and its drop-down list grow.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "chgu/window/control_ids.h"
#include "chgu/window/form1.h"
#include "chgu/window/form2.h"
#include "dpi_check.h"
#include "platform/win32/form_window.h"

namespace chgu {
namespace {

using platform::win32::FormWindow32;

TEST(WindowsDpi, EveryControlOfBothWindowsKeepsALiveFontOfTheScaledSize) {
    MemoryChangeDateStore store;
    Form1 form1(store, {});
    Form2State state;
    Form2 form2(state, [] { return nullptr; });
    const std::pair<const char*, platform::FormLayout> windows[] = {{"Form1", form1.Layout()},
                                                                    {"Form2", form2.Layout()}};
    for (const auto& [form, layout] : windows) {
        const auto window = FormWindow32::Create(GetModuleHandleW(nullptr), layout, [] {});
        ASSERT_NE(window, nullptr) << form;
        for (const e2e::ScaledFont& scaled : e2e::kScaledFonts) {
            e2e::AnnounceDpi(window->Handle(), scaled.dpi);
            for (const auto& [name, height] : e2e::FontHeights(layout, window->Handle())) {
                EXPECT_EQ(height, scaled.height) << form << " " << name << " at " << scaled.dpi;
            }
        }
    }
}

// At 150 %, the largest that fits the tests' 1024 x 768 screen.
TEST(WindowsDpi, TheMainWindowAndItsListGrowByHalf) {
    MemoryChangeDateStore store;
    Form1 form1(store, {});
    const auto window = FormWindow32::Create(GetModuleHandleW(nullptr), form1.Layout(), [] {});
    ASSERT_NE(window, nullptr);
    e2e::AnnounceDpi(window->Handle(), 144);
    RECT client;
    GetClientRect(window->Handle(), &client);
    EXPECT_EQ(client.right, 821);  // 547 * 1.5, rounded half up
    EXPECT_EQ(window->ClientWidth(), 547);
    RECT combo;
    GetWindowRect(GetDlgItem(window->Handle(), ids::kCombo1), &combo);
    MapWindowPoints(HWND_DESKTOP, window->Handle(), reinterpret_cast<POINT*>(&combo), 2);
    EXPECT_EQ(combo.left, 684);
    EXPECT_EQ(combo.right - combo.left, 131);  // 87 * 1.5, rounded half up
}

}  // namespace
}  // namespace chgu
